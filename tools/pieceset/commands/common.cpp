#include <cstdio>

#include "base/errors.h"
#include "base/text.h"
#include "commands/commands.h"

namespace pieceset {

void PrintError(const std::exception& error) {
  std::fflush(stdout);
  std::fprintf(stderr, "pieceset: %s\n", error.what());
}

fs::path OutputPath(const std::string& text) {
  fs::path path(text);
  while (!path.empty() && path.filename().empty() && path != path.root_path()) {
    path = path.parent_path();
  }
  const std::string last = path.filename().string();
  if (path.empty() || last.empty() || last == "." || last == "..") {
    throw UsageError("-o must name a new file or folder, not '" + ShownPath(text) + "'");
  }
  return path;
}

fs::path OutputFilePath(const std::string& text, const char* command) {
  if (!text.empty() && text.back() == '/') {
    throw UsageError("-o " + ShownPath(text) + " names a folder; " + command +
                     " writes a file: give its name");
  }
  return OutputPath(text);
}

PieceSources Gather(const std::vector<std::string>& places) {
  PieceSources sources;
  for (const std::string& place : places) sources.Add(place);
  return sources;
}

void PrintNotes(const PieceSources& sources) {
  for (const std::string& note : sources.notes()) std::printf("note: %s\n", note.c_str());
}

}  // namespace pieceset
