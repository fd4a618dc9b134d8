// Writing FAT images with mtools and ISO 9660 images with xorriso, each run
// with a fixed environment so that the images depend only on their inputs.
#include "mtools.h"

#include "disk.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <initializer_list>
#include <chrono>
#include <cstring>
#include <ctime>
#include <sstream>

namespace pieceset {

namespace {

// The pipe ends the child writes to, closed in the parent once it runs.
struct Pipe {
  int read_end = -1;
  int write_end = -1;
  Pipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw Error("cannot create a pipe");
    read_end = fds[0];
    write_end = fds[1];
  }
  ~Pipe() {
    if (read_end >= 0) close(read_end);
    if (write_end >= 0) close(write_end);
  }
  void CloseWriteEnd() {
    close(write_end);
    write_end = -1;
  }
};

// The environment every tool runs in: nothing of the user's settings (rc
// files, MTOOLS_* variables, time zone, locale) may change an image.
// mtools still reads /etc/mtools.conf; the variables below override what it
// could say about names and dates.
std::vector<std::string> ToolEnvironment(std::int64_t epoch) {
  const char* path = std::getenv("PATH");
  std::vector<std::string> env = {
      std::string("PATH=") + (path != nullptr ? path : "/usr/bin:/bin"),
      "HOME=/nonexistent",
      "MTOOLSRC=/dev/null",
      "TZ=UTC",
      "LC_ALL=C",
      // Dates of the label and files: the cut's, not the time it ran.
      "SOURCE_DATE_EPOCH=" + std::to_string(epoch),
      // An image is no drive whose geometry mtools should know.
      "MTOOLS_SKIP_CHECK=1",
      "MTOOLS_LOWER_CASE=0",
      "MTOOLS_NO_VFAT=0",
      "MTOOLS_NAME_NUMERIC_TAIL=1",
      "MTOOLS_FAT_COMPATIBILITY=0",
      "MTOOLS_TWENTY_FOUR_HOUR_CLOCK=1",
  };
  if (const char* tmp = std::getenv("TMPDIR")) env.push_back(std::string("TMPDIR=") + tmp);
  return env;
}

// xorriso with no startup file of the user's or the system's, stopping at the
// first failure.
std::vector<std::string> Xorriso(std::initializer_list<std::string> rest) {
  std::vector<std::string> argv = {"xorriso",      "-no_rc", "-abort_on",     "FAILURE",
                                   "-return_with", "SORRY",  "32",            "-report_about",
                                   "SORRY"};
  argv.insert(argv.end(), rest.begin(), rest.end());
  return argv;
}

std::string LastLine(const std::string& text) {
  std::string line;
  std::istringstream lines(text);
  for (std::string each; std::getline(lines, each);) {
    if (!each.empty()) line = each;
  }
  return line;
}

// "mcopy failed: Disk full" from whatever the tool said last.
std::string Failure(const std::string& tool, const ToolResult& result) {
  std::string text = LastLine(result.err);
  if (text.empty()) text = LastLine(result.out);
  if (text.empty()) text = "exit status " + std::to_string(result.status);
  return tool + " failed: " + ShownPath(text);
}

}  // namespace

ToolResult RunTool(const std::vector<std::string>& argv, std::int64_t epoch) {
  ToolResult result;
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  Pipe out;
  Pipe err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out.write_end, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.write_end, STDERR_FILENO);
  std::vector<std::string> env_text = ToolEnvironment(epoch);
  std::vector<char*> env;
  for (std::string& entry : env_text) env.push_back(entry.data());
  env.push_back(nullptr);
  pid_t pid = -1;
  const int spawned =
      posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    result.err = std::string("cannot run ") + argv[0] + ": " + std::strerror(spawned);
    return result;
  }
  out.CloseWriteEnd();
  err.CloseWriteEnd();

  // Both streams at once, so that neither pipe can fill up and stall the tool.
  pollfd fds[2] = {{out.read_end, POLLIN, 0}, {err.read_end, POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_streams = 2;
  char buffer[4096];
  // A tool stuck (on a FIFO, a hung device) must not outlive a Ctrl-C: it
  // is asked to end, then made to.
  bool asked_to_end = false;
  std::chrono::steady_clock::time_point asked_at;
  while (open_streams > 0) {
    if (InterruptRequested()) {
      const auto now = std::chrono::steady_clock::now();
      if (!asked_to_end) {
        kill(pid, SIGTERM);
        asked_to_end = true;
        asked_at = now;
      } else if (now - asked_at > std::chrono::seconds(2)) {
        kill(pid, SIGKILL);
      }
    }
    // A timeout, so that a signal arriving just before poll is still seen.
    const int ready = poll(fds, 2, 200);
    if (ready < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (ready == 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        fds[i].fd = -1;
        --open_streams;
      }
    }
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  ThrowIfInterrupted();
  return result;
}

void RequireImageTools(const Medium& medium) {
  if (medium.file_system == FileSystem::kIso9660) {
    const ToolResult result = RunTool(Xorriso({"-version"}));
    if (result.status < 0) {
      throw Error("CD images need xorriso: " + result.err);
    }
    return;
  }
  const ToolResult result = RunTool({"mformat", "--version"});
  if (result.status < 0) {
    throw Error("images need mtools (mformat, mcopy): " + result.err);
  }
}

std::int64_t ImageEpoch() {
  const char* text = std::getenv("SOURCE_DATE_EPOCH");
  if (text == nullptr) return kDefaultEpoch;
  // FAT dates start in 1980; 2099 keeps clear of every file system's end.
  constexpr std::int64_t kEarliest = 315532800;  // 1980-01-01 00:00:00 UTC
  constexpr std::int64_t kLatest = 4102444799;   // 2099-12-31 23:59:59 UTC
  const std::string value = text;
  // Leading zeros are still the same number of seconds.
  const std::size_t start = std::min(value.find_first_not_of('0'), value.size());
  const std::string significant = value.substr(start);
  const bool digits = !value.empty() && significant.size() <= 12 &&
                      value.find_first_not_of("0123456789") == std::string::npos;
  const std::int64_t seconds = !digits ? -1 : significant.empty() ? 0 : std::stoll(significant);
  if (!digits || seconds < kEarliest || seconds > kLatest) {
    throw UsageError("SOURCE_DATE_EPOCH='" + ShownPath(value) +
                     "' is no date for a disk image: give seconds since 1970 from " +
                     std::to_string(kEarliest) + " (1980-01-01) to " +
                     std::to_string(kLatest) + " (2099-12-31), or unset it");
  }
  return seconds;
}

namespace {

void WriteFatImage(const fs::path& image, const ImageRequest& request) {
  const Medium& medium = request.medium;
  const std::string target = image.string();
  std::vector<std::string> argv = {"mformat", "-i", target, "-C"};
  if (medium.mformat_kib != 0) {
    argv.insert(argv.end(), {"-f", std::to_string(medium.mformat_kib)});
  } else {
    // Every figure given, so that mformat cannot choose another layout than
    // the one the cut was planned for.
    argv.insert(argv.end(),
                {"-T", std::to_string(medium.total_sectors), "-h", std::to_string(medium.heads),
                 "-s", std::to_string(medium.track_sectors), "-c",
                 std::to_string(medium.sectors_per_cluster), "-r",
                 std::to_string(RootDirectorySectors(medium)), "-R",
                 std::to_string(medium.reserved_sectors), "-d", std::to_string(medium.fat_count),
                 // A fixed disk's media byte, as Zip drives and hard disks carry.
                 "-m", "0xf8"});
  }
  argv.insert(argv.end(), {"-v", request.label, "-N", request.serial, "::"});
  ToolResult result = RunTool(argv, request.epoch);
  if (result.status != 0) {
    throw Error("cannot write " + ShownPath(image) + ": " + Failure("mformat", result));
  }
  if (request.check_layout) {
    // The cut's arithmetic and the file system must agree, or a piece planned
    // to fit would not.
    const Disk disk = ReadDisk(image);
    if (disk.data_bytes != DataBytes(medium)) {
      throw Error("cannot write " + ShownPath(image) + ": mformat made " +
                  std::to_string(disk.data_bytes) + " bytes of room where " +
                  std::to_string(DataBytes(medium)) + " were planned");
    }
  }
  std::vector<std::string> copy = {"mcopy", "-Q", "-i", target};
  for (const fs::path& file : request.files) copy.push_back(file.string());
  copy.push_back("::");
  result = RunTool(copy, request.epoch);
  if (result.status != 0) {
    throw Error("cannot write " + ShownPath(image) + ": " + Failure("mcopy", result));
  }
}

// "YYYYMMDDhhmmss00", GMT, as xorriso takes a volume's UUID date.
std::string EcmaTime(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  gmtime_r(&time, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d%H%M%S00", &parts);
  return text;
}

void WriteIsoImage(const fs::path& image, const ImageRequest& request) {
  const std::string date = "=" + std::to_string(request.epoch);
  // ISO 9660 level 1 names without the ";1" version and the same names in
  // the Joliet tree, which Windows reads: FILE.1 and SETUP.EXE as given. No
  // Rock Ridge: Windows ignores it, and names must not differ by reader.
  std::vector<std::string> argv = Xorriso(
      {"-outdev", image.string(), "-volid", request.label, "-joliet", "on", "-rockridge", "off",
       "-compliance", "iso_9660_level=1:omit_version", "-volume_date", "c", date,
       "-volume_date", "m", date, "-volume_date", "x", "default", "-volume_date", "f",
       "default", "-volume_date", "uuid", EcmaTime(request.epoch), "-volume_date",
       "all_file_dates", date});
  for (const fs::path& file : request.files) {
    argv.insert(argv.end(), {"-map", file.string(), "/" + file.filename().string()});
  }
  argv.push_back("-commit");
  const ToolResult result = RunTool(argv, request.epoch);
  if (result.status != 0) {
    throw Error("cannot write " + ShownPath(image) + ": " + Failure("xorriso", result));
  }
  std::error_code error;
  const std::uint64_t size = fs::file_size(image, error);
  const Medium& medium = request.medium;
  const std::uint64_t capacity = medium.total_sectors * medium.sector_size;
  if (error || size > capacity) {
    throw Error("cannot write " + ShownPath(image) + ": it came out " + std::to_string(size) +
                " bytes, more than the " + std::to_string(capacity) + " of the disc");
  }
}

}  // namespace

void WriteImage(const fs::path& image, const ImageRequest& request) {
  if (request.medium.file_system == FileSystem::kIso9660) {
    WriteIsoImage(image, request);
  } else {
    WriteFatImage(image, request);
  }
  // On the medium before the set is renamed into place, as every piece is,
  // and a late write error (a full disk at write-back) reported here.
  File::OpenRead(image).Finish();
}

}  // namespace pieceset
