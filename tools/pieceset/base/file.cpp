#include "base/file.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "base/text.h"

namespace pieceset {

namespace {

// The one wording of a file's kind in messages.
std::string KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return "a file";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISLNK(mode)) return "a symbolic link";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  return "not a regular file";
}

// Opened without waiting (a FIFO would wait for a writer that may never
// come) and refused unless `allowed` says yes to its kind.
int OpenForReading(const fs::path& path, bool (*allowed)(mode_t), const char* wanted) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw Error(SystemText("read", path));
  struct stat st;
  if (fstat(fd, &st) != 0) {
    const std::string text = SystemText("examine", path);
    close(fd);
    throw Error(text);
  }
  if (!allowed(st.st_mode)) {
    close(fd);
    throw Error("cannot read " + ShownPath(path) + ": " + KindOfMode(st.st_mode) + ", not " +
                wanted);
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

}  // namespace

std::string SystemText(const std::string& what, const fs::path& path) {
  return "cannot " + what + " " + ShownPath(path) + ": " + std::strerror(errno);
}

std::string KindOf(const fs::path& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return "";
  return KindOfMode(st.st_mode);
}

File File::OpenRead(const fs::path& path) {
  return File(OpenForReading(path, [](mode_t mode) { return S_ISREG(mode); }, "a regular file"),
              path);
}

File File::OpenDisk(const fs::path& path) {
  return File(OpenForReading(
                  path, [](mode_t mode) { return S_ISREG(mode) || S_ISBLK(mode); },
                  "an image file or a block device"),
              path);
}

File File::Create(const fs::path& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw Error(SystemText("create", path));
  return File(fd, path);
}

File::File(File&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) {
  other.fd_ = -1;
}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = other.fd_;
    path_ = std::move(other.path_);
    other.fd_ = -1;
  }
  return *this;
}

File::~File() {
  if (fd_ >= 0) close(fd_);
}

std::uint64_t File::Size() const {
  struct stat st;
  if (fstat(fd_, &st) != 0) throw Error(SystemText("examine", path_));
  if (S_ISBLK(st.st_mode)) {
    std::uint64_t bytes = 0;
    if (ioctl(fd_, BLKGETSIZE64, &bytes) != 0) throw Error(SystemText("measure", path_));
    return bytes;
  }
  return static_cast<std::uint64_t>(st.st_size);
}

std::size_t File::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  auto* at = static_cast<std::uint8_t*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = pread(fd_, at + done, size - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw Error(SystemText("read", path_));
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

std::size_t File::Read(void* buffer, std::size_t size) {
  auto* at = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = read(fd_, at + done, size - done);
    if (got < 0) {
      if (errno == EINTR) {
        ThrowIfInterrupted();
        continue;
      }
      throw Error(SystemText("read", path_));
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

void File::Write(const void* data, std::size_t size) { Put(nullptr, data, size); }

void File::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
  Put(&offset, data, size);
}

// At the position, or at `*offset` (moved on) when given.
void File::Put(std::uint64_t* offset, const void* data, std::size_t size) {
  const auto* at = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t put = offset != nullptr ? pwrite(fd_, at, size, static_cast<off_t>(*offset))
                                          : write(fd_, at, size);
    if (put < 0) {
      if (errno == EINTR) {
        ThrowIfInterrupted();
        continue;
      }
      throw Error(SystemText("write", path_));
    }
    at += put;
    if (offset != nullptr) *offset += static_cast<std::uint64_t>(put);
    size -= static_cast<std::size_t>(put);
  }
}

void File::Finish() {
  // Some file systems only report a full disk when the data is flushed.
  if (fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
    throw Error(SystemText("write", path_));
  }
  const int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) throw Error(SystemText("write", path_));
}

std::vector<ByteRange> ReadSalvaging(File& file, std::uint64_t offset, void* buffer,
                                     std::size_t size, std::uint32_t sector) {
  auto* bytes = static_cast<std::uint8_t*>(buffer);
  std::vector<ByteRange> bad;
  std::size_t got = 0;
  try {
    got = file.ReadAt(offset, bytes, size);
  } catch (const Error&) {
    // A failing medium: each sector alone, the error kept as damage.
    for (std::size_t at = 0; at < size; at += sector) {
      const std::size_t want = std::min<std::size_t>(sector, size - at);
      std::size_t read = 0;
      try {
        read = file.ReadAt(offset + at, bytes + at, want);
      } catch (const Error&) {
      }
      std::fill(bytes + at + read, bytes + at + want, 0);
      if (read < want) AppendRange(bad, {at + read, at + want});
    }
    return bad;
  }
  std::fill(bytes + got, bytes + size, 0);
  AppendRange(bad, {got, size});
  return bad;
}

std::string ReadRest(File& file) {
  std::string text;
  char buffer[1 << 16];
  while (const std::size_t got = file.Read(buffer, sizeof buffer)) text.append(buffer, got);
  return text;
}

std::uint64_t CopyBytes(File& from, File& to, std::uint64_t size) {
  std::vector<char> buffer(1 << 20);
  std::uint64_t copied = 0;
  while (copied < size) {
    ThrowIfInterrupted();
    const std::size_t want = static_cast<std::size_t>(
        std::min<std::uint64_t>(buffer.size(), size - copied));
    const std::size_t got = from.Read(buffer.data(), want);
    if (got == 0) break;
    to.Write(buffer.data(), got);
    copied += got;
  }
  return copied;
}

void RefuseToReplaceInput(const fs::path& target, const fs::path& input) {
  std::error_code error;
  const fs::path out = fs::weakly_canonical(target, error);
  if (error) return;
  const fs::path in = fs::weakly_canonical(input, error);
  if (error) return;
  // Inside: every component of the output starts the input's path.
  if (std::mismatch(out.begin(), out.end(), in.begin(), in.end()).first != out.end()) return;
  throw UsageError(in == out ? "-o " + ShownPath(target) + " is an input; give another output"
                             : "-o " + ShownPath(target) + " holds the input " +
                                   ShownPath(input) + "; give another output");
}

}  // namespace pieceset
