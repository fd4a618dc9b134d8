// Files, all-or-nothing outputs, messages' escapes, interrupts and progress
// for the pieceset commands.
#include "io.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace pieceset {

namespace {

volatile sig_atomic_t g_interrupted = 0;

// The signal that asked, so that the exit status can say which.
extern "C" void OnInterrupt(int signal_number) { g_interrupted = signal_number; }

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// ".NAME.pieceset-XXXXXX" beside the target: same file system, so the final
// rename cannot fail for crossing devices, and hidden while it is unfinished.
// A long NAME is shortened so that the name, and its ".old" twin in Commit(),
// stay within the 255 bytes a file name may have.
std::string TempTemplate(const fs::path& target) {
  const fs::path parent = target.parent_path();
  std::string name = target.filename().string();
  constexpr std::size_t kRoom = 255 - std::char_traits<char>::length("..pieceset-XXXXXX.old");
  if (name.size() > kRoom) name.resize(kRoom);
  return (parent / ("." + name + ".pieceset-XXXXXX")).string();
}

// The folder a relative target lies in, as the user would write it.
fs::path ShownParent(const fs::path& target) {
  const fs::path parent = target.parent_path();
  return parent.empty() ? fs::path(".") : parent;
}

bool Exists(const fs::path& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

}  // namespace

namespace {

// The one escape of messages: "\xNN".
void AppendEscape(std::string& shown, unsigned char c) {
  constexpr char kDigits[] = "0123456789abcdef";
  shown += "\\x";
  shown += kDigits[c >> 4];
  shown += kDigits[c & 15];
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string shown;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"') {
      shown += static_cast<char>(c);
    } else {
      AppendEscape(shown, c);
    }
  }
  return shown;
}

std::string ShownPath(const fs::path& path) {
  const std::string text = path.string();
  std::string shown;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      shown += static_cast<char>(c);
      ++i;
      continue;
    }
    // Well-formed UTF-8 stays readable; C1 controls (U+0080..U+009F) are
    // escapes to a terminal, so they are escaped like the C0 ones.
    const std::size_t length = c >= 0xf0 && c < 0xf5 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 ? 2 : 0;
    bool valid = length != 0 && c < 0xf5 && i + length <= text.size();
    std::uint32_t code = valid ? c & (0x7f >> length) : 0;
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xc0) == 0x80;
      code = (code << 6) | (next & 0x3f);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= least[length] && code >= 0xa0 && code <= 0x10ffff &&
            (code < 0xd800 || code > 0xdfff);
    if (valid) {
      shown.append(text, i, length);
      i += length;
    } else {
      AppendEscape(shown, c);
      ++i;
    }
  }
  return shown;
}

std::string SystemText(const std::string& what, const fs::path& path) {
  return "cannot " + what + " " + ShownPath(path) + ": " + std::strerror(errno);
}

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
  const int fd =
      open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
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

bool File::IsRegular() const {
  struct stat st;
  return fstat(fd_, &st) == 0 && S_ISREG(st.st_mode);
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

void File::Write(const void* data, std::size_t size) {
  const auto* at = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t put = write(fd_, at, size);
    if (put < 0) {
      if (errno == EINTR) {
        ThrowIfInterrupted();
        continue;
      }
      throw Error(SystemText("write", path_));
    }
    at += put;
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

// --force replaces what a command itself makes: a file (join), or a file or
// folder (cut). A device, FIFO, socket or link is never its output, and
// renaming over one (as root, /dev/null) would destroy it.
void PendingOutput::RefuseToReplaceOther() const {
  struct stat st;
  if (lstat(target_.c_str(), &st) != 0) return;
  const bool replaceable =
      S_ISREG(st.st_mode) || (kind_ == Kind::kFolder && S_ISDIR(st.st_mode));
  if (replaceable) return;
  if (kind_ == Kind::kFile && S_ISDIR(st.st_mode)) {
    throw UsageError("-o " + ShownPath(target_) + " is a folder; join writes a file");
  }
  throw UsageError("-o " + ShownPath(target_) + " is " + KindOf(target_) + "; pieceset replaces only " +
                   (kind_ == Kind::kFile ? "a regular file" : "a regular file or a folder") +
                   ", even with --force");
}

PendingOutput::PendingOutput(const fs::path& target, Kind kind, bool force)
    : target_(target), kind_(kind), force_(force) {
  RefuseToReplaceOther();
  if (Exists(target_) && !force_) {
    throw Error(ShownPath(target_) + " already exists (use --force to replace it)");
  }
  std::string name = TempTemplate(target_);
  std::vector<char> buffer(name.begin(), name.end());
  buffer.push_back('\0');
  const mode_t mode = 0777 & ~CurrentUmask();
  if (kind_ == Kind::kFolder) {
    if (mkdtemp(buffer.data()) == nullptr) {
      throw Error(SystemText("create a folder in", ShownParent(target_)));
    }
    temp_ = buffer.data();
    chmod(temp_.c_str(), mode);
  } else {
    const int fd = mkstemp(buffer.data());
    if (fd < 0) throw Error(SystemText("create a file in", ShownParent(target_)));
    temp_ = buffer.data();
    fchmod(fd, mode & 0666);
    close(fd);
  }
}

PendingOutput::~PendingOutput() {
  if (committed_) return;
  std::error_code ignored;
  fs::remove_all(temp_, ignored);
}

void PendingOutput::Commit() {
  ThrowIfInterrupted();
  if (renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(),
                RENAME_NOREPLACE) == 0) {
    committed_ = true;
    return;
  }
  const bool unsupported = errno == EINVAL || errno == ENOSYS;
  if (!unsupported && errno != EEXIST) {
    throw Error(SystemText("create", target_));
  }
  if (!Exists(target_)) {
    if (rename(temp_.c_str(), target_.c_str()) != 0) {
      throw Error(SystemText("create", target_));
    }
    committed_ = true;
    return;
  }
  if (!force_) {
    throw Error(ShownPath(target_) + " already exists (use --force to replace it)");
  }
  RefuseToReplaceOther();  // it may have appeared while the work went on
  if (kind_ == Kind::kFile) {
    if (rename(temp_.c_str(), target_.c_str()) != 0) {
      throw Error(SystemText("replace", target_));
    }
    committed_ = true;
    return;
  }
  // A folder: swap old and new in one step where the file system can, so
  // that no moment passes without a complete set under the target name.
  if (renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(),
                RENAME_EXCHANGE) == 0) {
    std::error_code ignored;
    fs::remove_all(temp_, ignored);  // now holds the old content
    committed_ = true;
    return;
  }
  const fs::path old = temp_.string() + ".old";
  if (rename(target_.c_str(), old.c_str()) != 0) {
    throw Error(SystemText("replace", target_));
  }
  if (rename(temp_.c_str(), target_.c_str()) != 0) {
    const std::string text = SystemText("replace", target_);
    rename(old.c_str(), target_.c_str());
    throw Error(text);
  }
  committed_ = true;
  std::error_code ignored;
  fs::remove_all(old, ignored);
}

ScratchFolder::ScratchFolder() {
  std::error_code error;
  fs::path base = fs::temp_directory_path(error);
  if (error) base = "/tmp";
  std::string name = (base / "pieceset-XXXXXX").string();
  std::vector<char> buffer(name.begin(), name.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) {
    throw Error(SystemText("create a folder in", base));
  }
  path_ = buffer.data();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void CatchInterrupts() {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    sigaction(signal_number, &action, nullptr);
  }
}

bool InterruptRequested() { return g_interrupted != 0; }

void ThrowIfInterrupted() {
  if (g_interrupted) throw Interrupted(g_interrupted);
}

Progress::Progress(std::string label, std::uint64_t total)
    : label_(std::move(label)),
      total_(total),
      enabled_(isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now()),
      last_draw_(start_) {}

Progress::~Progress() {
  if (shown_) {
    std::fprintf(stderr, "\r%*s\r", 79, "");
    std::fflush(stderr);
  }
}

void Progress::SetLabel(std::string label) { label_ = std::move(label); }

void Progress::Advance(std::uint64_t amount) {
  done_ += amount;
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - start_ < std::chrono::milliseconds(500)) return;
  if (shown_ && now - last_draw_ < std::chrono::milliseconds(100)) return;
  last_draw_ = now;
  Draw();
}

void Progress::Draw() {
  const unsigned percent =
      total_ == 0 ? 100 : static_cast<unsigned>(done_ * 100 / total_);
  char rate[48] = "";
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  if (rate_ && done_ > 0 && seconds > 0) {
    const double per_second = done_ / seconds;
    const auto left = static_cast<unsigned>((total_ - done_) / per_second);
    const bool fast = per_second >= 10 * 1024 * 1024;
    std::snprintf(rate, sizeof rate, ", %.0f %s, %u:%02u left",
                  per_second / (fast ? 1024 * 1024 : 1024), fast ? "MiB/s" : "KiB/s", left / 60,
                  left % 60);
  }
  std::fprintf(stderr, "\rpieceset: %s %3u%%%s  ", label_.c_str(), percent, rate);
  std::fflush(stderr);
  shown_ = true;
}

}  // namespace pieceset
