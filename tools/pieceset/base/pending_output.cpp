#include "base/pending_output.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/file.h"
#include "base/text.h"

namespace pieceset {

namespace {

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
    throw UsageError("-o " + ShownPath(target_) + " is a folder; the output is one file");
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

}  // namespace pieceset
