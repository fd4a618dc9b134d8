#include "mtools.h"

#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <regex>
#include <set>
#include <sstream>

extern char** environ;

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

// 2000-01-01 unless SOURCE_DATE_EPOCH says otherwise; set by ImageEpoch().
std::int64_t g_epoch = 946684800;
char g_epoch_entry[64] = "SOURCE_DATE_EPOCH=946684800";

std::vector<char*> Environment() {
  // mtools checks that an image's geometry matches a drive it knows;
  // images are not drives, so that check only gets in the way.
  std::vector<char*> env;
  static char skip_check[] = "MTOOLS_SKIP_CHECK=1";
  // The label's and the files' dates would otherwise be the time of the
  // cut, and the same cut would not give the same images.
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, "MTOOLS_SKIP_CHECK=", 18) != 0 &&
        std::strncmp(*entry, "SOURCE_DATE_EPOCH=", 18) != 0) {
      env.push_back(*entry);
    }
  }
  env.push_back(g_epoch_entry);
  env.push_back(skip_check);
  env.push_back(nullptr);
  return env;
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

ToolResult RunTool(const std::vector<std::string>& argv) {
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
  std::vector<char*> env = Environment();
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
    const ToolResult result = RunTool({"xorriso", "-version"});
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
  if (text == nullptr) return g_epoch;
  // FAT dates start in 1980; 2099 keeps clear of every file system's end.
  constexpr std::int64_t kEarliest = 315532800;  // 1980-01-01 00:00:00 UTC
  constexpr std::int64_t kLatest = 4102444799;   // 2099-12-31 23:59:59 UTC
  const std::string value = text;
  const bool digits = !value.empty() && value.size() <= 12 &&
                      value.find_first_not_of("0123456789") == std::string::npos;
  const std::int64_t seconds = digits ? std::stoll(value) : -1;
  if (!digits || seconds < kEarliest || seconds > kLatest) {
    throw UsageError("SOURCE_DATE_EPOCH='" + ShownPath(value) +
                     "' is no date for a disk image: give seconds since 1970 from " +
                     std::to_string(kEarliest) + " (1980-01-01) to " +
                     std::to_string(kLatest) + " (2099-12-31), or unset it");
  }
  g_epoch = seconds;
  std::snprintf(g_epoch_entry, sizeof g_epoch_entry, "SOURCE_DATE_EPOCH=%lld",
                static_cast<long long>(seconds));
  return seconds;
}

namespace {

// "N bytes free" as mdir prints it, with its digit groups joined.
std::optional<std::uint64_t> FreeBytes(const std::string& listing) {
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t at = line.find("bytes free");
    if (at == std::string::npos) continue;
    std::string digits;
    for (std::size_t i = 0; i < at; ++i) {
      if (std::isdigit(static_cast<unsigned char>(line[i])) != 0) digits += line[i];
    }
    if (!digits.empty() && digits.size() < 20) return std::stoull(digits);
  }
  return std::nullopt;
}

void WriteFatImage(const fs::path& image, const Medium& medium, const std::string& label,
                   const std::string& serial, const std::vector<fs::path>& files) {
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
                 std::to_string(medium.reserved_sectors), "-d", std::to_string(medium.fat_count)});
  }
  argv.insert(argv.end(), {"-v", label, "-N", serial, "::"});
  ToolResult result = RunTool(argv);
  if (result.status != 0) {
    throw Error("cannot write " + ShownPath(image) + ": " + Failure("mformat", result));
  }
  // The cut's arithmetic and the file system must agree, or a piece planned
  // to fit would not. mformat lays out the same figures the same way, so
  // each medium is checked on its first image only.
  static std::set<std::vector<std::uint64_t>> checked;
  const std::vector<std::uint64_t> layout = {
      medium.mformat_kib, medium.total_sectors, medium.sectors_per_cluster,
      medium.root_entries, medium.heads, medium.track_sectors};
  if (checked.count(layout) == 0) {
    result = RunTool({"mdir", "-i", target, "::"});
    const auto free = FreeBytes(result.out);
    if (result.status != 0 || !free || *free != DataBytes(medium)) {
      throw Error("cannot write " + ShownPath(image) + ": mformat made " +
                  (free ? std::to_string(*free) : std::string("an unreadable number of")) +
                  " bytes of room where " + std::to_string(DataBytes(medium)) +
                  " were planned");
    }
    checked.insert(layout);
  }
  std::vector<std::string> copy = {"mcopy", "-Q", "-i", target};
  for (const fs::path& file : files) copy.push_back(file.string());
  copy.push_back("::");
  result = RunTool(copy);
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

void WriteIsoImage(const fs::path& image, const Medium& medium, const std::string& label,
                   const std::vector<fs::path>& files) {
  const std::string date = "=" + std::to_string(g_epoch);
  // ISO 9660 level 1 names without the ";1" version and the same names in
  // the Joliet tree, which Windows reads: FILE.1 and SETUP.EXE as given. No
  // Rock Ridge: Windows ignores it, and names must not differ by reader.
  std::vector<std::string> argv = {
      "xorriso", "-abort_on", "FAILURE", "-return_with", "SORRY", "32",
      "-report_about", "SORRY", "-outdev", image.string(), "-volid", label,
      "-joliet", "on", "-rockridge", "off",
      "-compliance", "iso_9660_level=1:omit_version",
      "-volume_date", "c", date, "-volume_date", "m", date,
      "-volume_date", "x", "default", "-volume_date", "f", "default",
      "-volume_date", "uuid", EcmaTime(g_epoch),
      "-volume_date", "all_file_dates", date};
  for (const fs::path& file : files) {
    argv.insert(argv.end(), {"-map", file.string(), "/" + file.filename().string()});
  }
  argv.push_back("-commit");
  const ToolResult result = RunTool(argv);
  if (result.status != 0) {
    throw Error("cannot write " + ShownPath(image) + ": " + Failure("xorriso", result));
  }
  std::error_code error;
  const std::uint64_t size = fs::file_size(image, error);
  const std::uint64_t capacity = medium.total_sectors * medium.sector_size;
  if (error || size > capacity) {
    throw Error("cannot write " + ShownPath(image) + ": it came out " + std::to_string(size) +
                " bytes, more than the " + std::to_string(capacity) + " of the disc");
  }
}

// The first `size` bytes from `offset` of a regular file; fewer, or none,
// for anything else: a FIFO is never opened for a blocking read.
std::string ReadAt(const fs::path& path, std::uint64_t offset, std::size_t size) {
  try {
    File file = File::OpenRead(path);
    std::string skipped(static_cast<std::size_t>(std::min<std::uint64_t>(offset, 1 << 16)), '\0');
    if (offset > skipped.size() || file.Read(skipped.data(), skipped.size()) != offset) return "";
    std::string bytes(size, '\0');
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
  } catch (const Interrupted&) {
    throw;
  } catch (const Error&) {
    return "";
  }
}

std::vector<ImageEntry> ListFat(const fs::path& image) {
  const ToolResult result = RunTool({"mdir", "-i", image.string(), "::"});
  if (result.status != 0) {
    throw Error("cannot read image " + ShownPath(image) + ": " + Failure("mdir", result));
  }
  // "FILE     1        2024 2000-01-01   0:00  long name.1": the short name
  // in its two columns, the size, the date, the time, then any long name.
  static const std::regex kLine(
      R"(^(.{8}) (.{3}) +([0-9]+) +[0-9]{4}-[0-9]{2}-[0-9]{2} +[0-9]+:[0-9]{2}(?:  (.*))?$)");
  std::vector<ImageEntry> entries;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::smatch match;
    if (!std::regex_match(line, match, kLine)) continue;
    auto trimmed = [](std::string text) {
      while (!text.empty() && text.back() == ' ') text.pop_back();
      return text;
    };
    ImageEntry entry;
    if (match[4].matched && !match[4].str().empty()) {
      entry.name = match[4].str();
    } else {
      entry.name = trimmed(match[1].str());
      const std::string extension = trimmed(match[2].str());
      if (!extension.empty()) entry.name += "." + extension;
    }
    entry.size = std::stoull(match[3].str());
    entries.push_back(entry);
  }
  return entries;
}

// Joliet names, as Windows shows a CD's files.
const std::vector<std::string> kIsoReading = {"-rockridge", "off", "-joliet", "on"};

std::vector<ImageEntry> ListIso(const fs::path& image) {
  std::vector<std::string> argv = {"xorriso", "-abort_on", "FAILURE", "-return_with",
                                   "SORRY", "32", "-report_about", "SORRY"};
  argv.insert(argv.end(), kIsoReading.begin(), kIsoReading.end());
  argv.insert(argv.end(), {"-indev", image.string(), "-lsl", "/"});
  const ToolResult result = RunTool(argv);
  if (result.status != 0) {
    throw Error("cannot read image " + ShownPath(image) + ": " + Failure("xorriso", result));
  }
  // "-r-xr-xr-x    1 0        0          100000 Jan  1  2000 'FILE.1'"
  static const std::regex kLine(R"(^-\S+ +[0-9]+ +\S+ +\S+ +([0-9]+) +.* '(.*)'$)");
  std::vector<ImageEntry> entries;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (!std::regex_match(line, match, kLine)) continue;
    entries.push_back({match[2].str(), std::stoull(match[1].str())});
  }
  return entries;
}

}  // namespace

void WriteImage(const fs::path& image, const Medium& medium, const std::string& label,
                const std::string& serial, const std::vector<fs::path>& files) {
  if (medium.file_system == FileSystem::kIso9660) {
    WriteIsoImage(image, medium, label, files);
  } else {
    WriteFatImage(image, medium, label, serial, files);
  }
  // On the medium before the set is renamed into place, as every piece is,
  // and a late write error (a full disk at write-back) reported here.
  File::OpenRead(image).Finish();
}

bool LooksLikeIso9660(const fs::path& image) {
  return ReadAt(image, 16 * 2048 + 1, 5) == "CD001";
}

bool LooksLikeFat(const fs::path& image) {
  // The boot sector's signature, or at least a sector size a FAT could have.
  const std::string first = ReadAt(image, 0, 512);
  if (first.size() != 512) return false;
  const auto* boot = reinterpret_cast<const unsigned char*>(first.data());
  const unsigned sector = boot[11] | (boot[12] << 8);
  const bool jump = boot[0] == 0xeb || boot[0] == 0xe9;
  return (boot[510] == 0x55 && boot[511] == 0xaa) ||
         (jump && (sector == 512 || sector == 1024 || sector == 2048 || sector == 4096));
}

std::vector<ImageEntry> ListImage(const fs::path& image) {
  return LooksLikeIso9660(image) ? ListIso(image) : ListFat(image);
}

void ExtractFromImage(const fs::path& image, const std::vector<ImageEntry>& entries,
                      const fs::path& folder) {
  if (entries.empty()) return;
  ToolResult result;
  std::string tool;
  if (LooksLikeIso9660(image)) {
    tool = "xorriso";
    std::vector<std::string> argv = {"xorriso", "-abort_on", "FAILURE", "-return_with",
                                     "SORRY", "32", "-report_about", "SORRY", "-osirrox", "on"};
    argv.insert(argv.end(), kIsoReading.begin(), kIsoReading.end());
    argv.insert(argv.end(), {"-indev", image.string()});
    for (const ImageEntry& entry : entries) {
      argv.insert(argv.end(), {"-extract", "/" + entry.name, (folder / entry.name).string()});
    }
    result = RunTool(argv);
  } else {
    tool = "mcopy";
    std::vector<std::string> argv = {"mcopy", "-Q", "-n", "-i", image.string()};
    for (const ImageEntry& entry : entries) argv.push_back("::/" + entry.name);
    argv.push_back(folder.string() + "/");
    result = RunTool(argv);
  }
  if (result.status != 0) {
    throw Error("cannot read image " + ShownPath(image) + ": " + Failure(tool, result));
  }
  // mcopy reports success after a short write to a full disk: what came out
  // is measured against the image's own listing.
  for (const ImageEntry& entry : entries) {
    std::error_code error;
    const std::uint64_t size = fs::file_size(folder / entry.name, error);
    if (!error && size == entry.size) continue;
    const std::uint64_t missing = error ? entry.size : size < entry.size ? entry.size - size : 0;
    struct statvfs room;
    const bool full = missing > 0 && statvfs(folder.c_str(), &room) == 0 &&
                      std::uint64_t{room.f_bavail} * room.f_frsize < missing;
    throw Error("cannot read " + ShownPath(image) + ": " +
                (full ? std::string(std::strerror(ENOSPC)) + " (in " + ShownPath(folder) + ")"
                      : entry.name + " came out as " + (error ? std::string("nothing") : std::to_string(size) + " bytes") +
                            " of " + std::to_string(entry.size)));
  }
}

}  // namespace pieceset
