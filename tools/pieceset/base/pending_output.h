// Outputs that appear whole or not at all.
#pragma once

#include <filesystem>

namespace pieceset {

namespace fs = std::filesystem;

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

}  // namespace pieceset
