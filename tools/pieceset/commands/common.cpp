#include <cstdio>

#include "base/errors.h"
#include "base/file.h"
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

void AddPlaces(CLI::App& app, std::vector<std::string>& places) {
  app.add_option("PATH", places, "Disk folders, a flat folder, FAT or ISO 9660 images")
      ->required()
      ->type_name("PATH");
}

void AddOutput(CLI::App& app, std::string& out, bool& force, const char* type, const char* what,
               const char* force_help) {
  app.add_option("-o,--out", out, what)->required()->type_name(type);
  app.add_flag("--force", force, force_help);
}

CLI::App* SetToOutput::AddTo(CLI::App& parent, const char* name, const char* description,
                             const char* type, const char* what) {
  CLI::App* app = parent.add_subcommand(name, description);
  AddPlaces(*app, places);
  AddOutput(*app, out, force, type, what, (std::string("Replace an existing ") + type).c_str());
  return app;
}

PieceSources SetToOutput::Gather(const fs::path& target) const {
  PieceSources sources = pieceset::Gather(places);
  for (const std::string& place : places) RefuseToReplaceInput(target, place);
  return sources;
}

PieceSources Gather(const std::vector<std::string>& places) {
  PieceSources sources;
  for (const std::string& place : places) sources.Add(place);
  MergeCopies(sources);
  return sources;
}

void PrintNotes(const PieceSources& sources) {
  for (const std::string& note : sources.notes()) std::printf("note: %s\n", note.c_str());
}

}  // namespace pieceset
