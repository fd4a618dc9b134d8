// Running the programs that write images (mtools, xorriso) in a fixed
// environment, so that what they make depends only on what they are given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pieceset {

// Runs `argv` (found on PATH) with stdin from /dev/null, never through a
// shell, in a fixed environment whose SOURCE_DATE_EPOCH is `epoch`, and
// returns its exit status (-1 when a signal ended it). What it prints is
// not kept: a failure is worded by the caller, in the medium's words.
// Ctrl-C or a termination request ends the program too, however stuck it
// is; Error when it cannot be started.
int RunTool(const std::vector<std::string>& argv, std::int64_t epoch);

}  // namespace pieceset
