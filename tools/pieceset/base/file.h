// Files as the tool reads and writes them, and their kinds in messages.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/byte_range.h"
#include "base/errors.h"

namespace pieceset {

namespace fs = std::filesystem;

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
  // Reads up to `size` bytes, fewer only at the end of the file.
  std::size_t Read(void* buffer, std::size_t size);
  // The same from `offset`, leaving the position alone.
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size);
  void Write(const void* data, std::size_t size);
  // The same at `offset`, leaving the position alone.
  void WriteAt(std::uint64_t offset, const void* data, std::size_t size);
  // Flushes to the medium and closes, reporting what a late write error says.
  void Finish();
  const fs::path& path() const { return path_; }

 private:
  File(int fd, fs::path path) : fd_(fd), path_(std::move(path)) {}
  void Put(std::uint64_t* offset, const void* data, std::size_t size);
  int fd_ = -1;
  fs::path path_;
};

// Reads `size` bytes from `offset`; where that fails, `sector` bytes at a
// time, so that a bad sector costs only itself. What cannot be read (and
// what lies past the end) is zeros, returned as ranges from `offset`.
std::vector<ByteRange> ReadSalvaging(File& file, std::uint64_t offset, void* buffer,
                                     std::size_t size, std::uint32_t sector);

// What is left of `file`, to its end.
std::string ReadRest(File& file);

// UsageError when `input` is `target` or lies inside it: replacing the
// target (with --force) would destroy an input the command still reads.
void RefuseToReplaceInput(const fs::path& target, const fs::path& input);

// Copies `size` bytes from `from` to `to` (fewer if `from` ends early).
std::uint64_t CopyBytes(File& from, File& to, std::uint64_t size);

}  // namespace pieceset
