// Files, all-or-nothing outputs and progress for the pieceset commands.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pieceset {

namespace fs = std::filesystem;

// A failure while working: one line for the user, exit code 1.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Ctrl-C or a termination request; the program exits 128 plus the signal's
// number, as a shell reports a command the signal ended.
class Interrupted : public Error {
 public:
  explicit Interrupted(int signal_number) : Error("interrupted"), signal_(signal_number) {}
  int exit_status() const { return 128 + signal_; }

 private:
  int signal_;
};

// A command line that cannot be carried out as given: exit code 2.
class UsageError : public Error {
 public:
  using Error::Error;
};

// The path for a message: control bytes, bytes that are no UTF-8 and the
// backslash as \xNN, so that a name can neither split the one line of a
// message nor reach the terminal as an escape sequence.
std::string ShownPath(const fs::path& path);

// A name from a header with every byte outside printable ASCII (and the
// quote) written as \xNN, as the launcher's ANSI box would not show it.
std::string Printable(std::string_view text);

// "a FIFO", "a folder", ... for messages; empty when nothing is there.
std::string KindOf(const fs::path& path);

// "cannot <what> <path>: <strerror(errno)>"
std::string SystemText(const std::string& what, const fs::path& path);

// An open file descriptor, closed when it goes.
class File {
 public:
  // Only a regular file: a FIFO or a device as input is refused, not waited on.
  static File OpenRead(const fs::path& path);
  // A regular file or a block device, as a disk is read.
  static File OpenDisk(const fs::path& path);
  static File Create(const fs::path& path);  // new file, fails if it exists
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  std::uint64_t Size() const;  // of a block device too
  bool IsRegular() const;
  // Reads up to `size` bytes, fewer only at the end of the file.
  std::size_t Read(void* buffer, std::size_t size);
  // The same from `offset`, leaving the position alone.
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size);
  void Write(const void* data, std::size_t size);
  // Flushes to the medium and closes, reporting what a late write error says.
  void Finish();
  const fs::path& path() const { return path_; }

 private:
  File(int fd, fs::path path) : fd_(fd), path_(std::move(path)) {}
  int fd_ = -1;
  fs::path path_;
};

// UsageError when `input` is `target` or lies inside it: replacing the
// target (with --force) would destroy an input the command still reads.
void RefuseToReplaceInput(const fs::path& target, const fs::path& input);

// Copies `size` bytes from `from` to `to` (fewer if `from` ends early).
std::uint64_t CopyBytes(File& from, File& to, std::uint64_t size);

// A folder or file made beside its final place and moved there in one
// rename, so that the final name holds either the old content or the whole
// new one. Removed again unless Commit() succeeds.
class PendingOutput {
 public:
  enum class Kind { kFolder, kFile };
  // Refuses an existing target without `force`, and one that is neither a
  // regular file nor (for a folder) a folder even with it, before any work
  // starts.
  PendingOutput(const fs::path& target, Kind kind, bool force);
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;
  ~PendingOutput();

  const fs::path& path() const { return temp_; }  // where to write
  const fs::path& target() const { return target_; }
  void Commit();

 private:
  void RefuseToReplaceOther() const;
  fs::path target_;
  fs::path temp_;
  Kind kind_;
  bool force_;
  bool committed_ = false;
};

// A private scratch folder under the system's temp directory.
class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Ctrl-C and friends end the work at the next check, so that the
// destructors above can clear away what was half made.
void CatchInterrupts();
void ThrowIfInterrupted();
bool InterruptRequested();

// A percentage on stderr, only when stderr is a terminal and the work has
// already taken longer than a moment.
class Progress {
 public:
  Progress(std::string label, std::uint64_t total);
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  ~Progress();
  void Advance(std::uint64_t amount);
  void SetLabel(std::string label);
  // Also the rate and the time left, for a total in bytes from a slow drive.
  void ShowRate() { rate_ = true; }

 private:
  void Draw();
  std::string label_;
  std::uint64_t total_;
  std::uint64_t done_ = 0;
  bool enabled_;
  bool rate_ = false;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point last_draw_;
};

}  // namespace pieceset
