// FAT floppy images through Debian's mtools (mformat, mcopy, mdir).
#pragma once

#include <string>
#include <vector>

#include "format.h"
#include "io.h"

namespace pieceset {

struct ToolResult {
  int status = -1;  // exit code, or -1 when it did not run or ended by a signal
  std::string out;
  std::string err;
};

// Runs `argv` (found on PATH) with stdin from /dev/null; never through a shell.
ToolResult RunTool(const std::vector<std::string>& argv);

// Fails with one clear line when mtools is not installed.
void RequireMtools();

// A new image at `image` of `medium`'s format, labelled `label`, holding
// `files` (copied under their own names).
void WriteImage(const fs::path& image, const Medium& medium,
                const std::string& label, const std::string& serial,
                const std::vector<fs::path>& files);

// Root-directory file names in `image`.
std::vector<std::string> ListImage(const fs::path& image);

// Copies `names` out of the image's root directory into `folder`.
void ExtractFromImage(const fs::path& image, const std::vector<std::string>& names,
                      const fs::path& folder);

}  // namespace pieceset
