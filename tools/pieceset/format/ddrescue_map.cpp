#include "format/ddrescue_map.h"

#include <time.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "base/errors.h"
#include "base/file.h"
#include "base/text.h"

namespace pieceset {

namespace {

// Positions and sizes as ddrescue writes them.
std::string MapNumber(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
  return text;
}

std::string UtcNow() {
  const time_t now = time(nullptr);
  struct tm parts;
  gmtime_r(&now, &parts);
  char text[32];
  strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return text;
}

}  // namespace

std::vector<ByteRange> ParseBadRanges(const std::string& map_text) {
  std::vector<ByteRange> bad;
  std::istringstream lines(map_text);
  std::string line;
  bool status_seen = false;
  std::uint64_t next = 0;
  for (unsigned number = 1; std::getline(lines, line); ++number) {
    // '#' at the start or after blanks begins a comment.
    for (std::size_t at = line.find('#'); at != std::string::npos; at = line.find('#', at + 1)) {
      if (at == 0 || line[at - 1] == ' ' || line[at - 1] == '\t') {
        line.resize(at);
        break;
      }
    }
    std::istringstream fields(line);
    std::string first, second, third, extra;
    if (!(fields >> first)) continue;
    fields >> second >> third >> extra;
    const std::string where = "line " + std::to_string(number) + ": ";
    // Integers as C++ writes them: 0x.. hexadecimal, 0.. octal, else decimal.
    auto integer = [&where](const std::string& text) {
      char* end = nullptr;
      errno = 0;
      const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
      if (text.empty() || text[0] == '-' || *end != '\0' || errno != 0) {
        throw Error(where + "'" + Printable(text) + "' is no position or size");
      }
      return std::uint64_t{value};
    };
    if (!status_seen) {
      integer(first);
      if (second.size() != 1 || std::string("?*/-FG+").find(second[0]) == std::string::npos) {
        throw Error(where + "no status line (position, status character, pass)");
      }
      status_seen = true;
      continue;
    }
    if (third.size() != 1 || std::string("?*/-+").find(third[0]) == std::string::npos ||
        !extra.empty()) {
      throw Error(where + "a block is a position, a size and one of ? * / - +");
    }
    const std::uint64_t offset = integer(first);
    const std::uint64_t size = integer(second);
    if (offset != next) {
      throw Error(where + "the block at " + std::to_string(offset) +
                  " does not follow the one before, which ends at " + std::to_string(next));
    }
    next = offset + size;
    if (third[0] != '+') AppendRange(bad, {offset, offset + size});
  }
  if (!status_seen) throw Error("no status line: not a ddrescue map");
  return bad;
}

std::vector<ByteRange> ReadBadRanges(const fs::path& map) {
  File file = File::OpenRead(map);
  const std::string text = ReadRest(file);
  try {
    return ParseBadRanges(text);
  } catch (const Error& error) {
    throw Error(ShownPath(map) + ": " + error.what());
  }
}

std::string MapText(std::uint64_t size, const std::string& command_line,
                    const std::vector<ByteRange>& bad) {
  const std::string now = UtcNow();
  std::string text = "# Mapfile. Created by pieceset rescue\n# Command line: " + command_line +
                     "\n# Start time:   " + now + "\n# Current time: " + now +
                     "\n# Finished\n# current_pos  current_status  current_pass\n" +
                     MapNumber(bad.empty() ? 0 : bad.back().begin) +
                     "     +               1\n#      pos        size  status\n";
  std::uint64_t at = 0;
  auto block = [&text, &at](std::uint64_t length, char status) {
    if (length == 0) return;
    text += MapNumber(at) + "  " + MapNumber(length) + "  " + status + "\n";
    at += length;
  };
  for (const ByteRange& range : bad) {
    block(range.begin - at, '+');
    block(range.size(), '-');
  }
  block(size - at, '+');
  return text;
}

}  // namespace pieceset
