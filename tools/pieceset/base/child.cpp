#include "base/child.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "base/errors.h"

namespace pieceset {

namespace {

// The pipe the child's output goes to, closed in the parent once it runs.
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
// mtools reads the system's mtools.conf whatever it is told, but takes each
// global setting from the environment first, so every one is given here at
// mtools' own default; a code page of that file (EBCDIC's 500) would change
// the label's bytes. Its drive sections name letters, never the `-i` image.
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
      "MTOOLS_FAT_COMPATIBILITY=0",
      "MTOOLS_LOWER_CASE=0",
      "MTOOLS_NO_VFAT=0",
      "MTOOLS_NAME_NUMERIC_TAIL=1",
      "MTOOLS_DOTTED_DIR=0",
      "MTOOLS_TWENTY_FOUR_HOUR_CLOCK=1",
      "MTOOLS_DATE_STRING=yyyy-mm-dd",
      "MTOOLS_LOCK_TIMEOUT=30",
      "MTOOLS_RATE_0=0",
      "MTOOLS_RATE_ANY=0",
      "DEFAULT_CODEPAGE=850",
  };
  if (const char* tmp = std::getenv("TMPDIR")) env.push_back(std::string("TMPDIR=") + tmp);
  return env;
}

}  // namespace

int RunTool(const std::vector<std::string>& argv, std::int64_t epoch) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  Pipe output;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, output.write_end, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output.write_end, STDERR_FILENO);
  std::vector<std::string> env_text = ToolEnvironment(epoch);
  std::vector<char*> env;
  for (std::string& entry : env_text) env.push_back(entry.data());
  env.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw Error("cannot run " + argv[0] + ": " + std::strerror(spawned));
  output.CloseWriteEnd();

  // Drained, so that a full pipe cannot stall the tool; its end is the
  // tool's end.
  pollfd stream = {output.read_end, POLLIN, 0};
  char buffer[4096];
  // A tool stuck (on a FIFO, a hung device) must not outlive a Ctrl-C: it
  // is asked to end, then made to.
  bool asked_to_end = false;
  std::chrono::steady_clock::time_point asked_at;
  for (;;) {
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
    const int ready = poll(&stream, 1, 200);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) break;
    if (ready == 0) continue;
    const ssize_t got = read(stream.fd, buffer, sizeof buffer);
    if (got == 0 || (got < 0 && errno != EINTR)) break;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  ThrowIfInterrupted();
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace pieceset
