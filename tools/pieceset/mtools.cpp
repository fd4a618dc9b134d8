#include "mtools.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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

std::vector<char*> Environment() {
  // mtools checks that an image's geometry matches a drive it knows;
  // images are not drives, so that check only gets in the way.
  std::vector<char*> env;
  static char skip_check[] = "MTOOLS_SKIP_CHECK=1";
  // The label's and the files' dates would otherwise be the time of the
  // cut, and the same cut would not give the same images. A date the
  // caller sets is kept.
  static char fixed_date[] = "SOURCE_DATE_EPOCH=946684800";  // 2000-01-01
  bool dated = false;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, "MTOOLS_SKIP_CHECK=", 18) != 0) env.push_back(*entry);
    if (std::strncmp(*entry, "SOURCE_DATE_EPOCH=", 18) == 0) dated = true;
  }
  if (!dated) env.push_back(fixed_date);
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
  return tool + " failed: " + text;
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
  while (open_streams > 0) {
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
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

void RequireMtools() {
  const ToolResult result = RunTool({"mformat", "--version"});
  if (result.status < 0) {
    throw Error("images need mtools (mformat, mcopy): " + result.err);
  }
}

void WriteImage(const fs::path& image, const Medium& medium,
                const std::string& label, const std::string& serial,
                const std::vector<fs::path>& files) {
  const std::string target = image.string();
  ToolResult result = RunTool({"mformat", "-i", target, "-C", "-f",
                               std::to_string(medium.mformat_kib), "-v", label,
                               "-N", serial, "::"});
  if (result.status != 0) {
    throw Error("cannot write " + target + ": " + Failure("mformat", result));
  }
  for (const fs::path& file : files) {
    result = RunTool({"mcopy", "-Q", "-i", target, file.string(),
                      "::" + file.filename().string()});
    if (result.status != 0) {
      throw Error("cannot write " + target + ": " + Failure("mcopy", result));
    }
  }
}

std::vector<std::string> ListImage(const fs::path& image) {
  const ToolResult result = RunTool({"mdir", "-b", "-i", image.string(), "::"});
  if (result.status != 0) {
    throw Error("cannot read image " + image.string() + ": " + Failure("mdir", result));
  }
  std::vector<std::string> names;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string prefix = "::/";
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    names.push_back(line.substr(prefix.size()));
  }
  return names;
}

void ExtractFromImage(const fs::path& image, const std::vector<std::string>& names,
                      const fs::path& folder) {
  if (names.empty()) return;
  std::vector<std::string> argv = {"mcopy", "-Q", "-n", "-i", image.string()};
  for (const std::string& name : names) argv.push_back("::/" + name);
  argv.push_back(folder.string() + "/");
  const ToolResult result = RunTool(argv);
  if (result.status != 0) {
    throw Error("cannot read image " + image.string() + ": " + Failure("mcopy", result));
  }
}

}  // namespace pieceset
