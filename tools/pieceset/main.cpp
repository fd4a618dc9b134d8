// pieceset: cuts an installer into a piece set for the launcher, and checks,
// shows, joins, repairs, writes and rescues such sets on Linux.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <new>
#include <string>

#include "base/errors.h"
#include "base/text.h"
#include "commands/commands.h"
#include "format/piece_header.h"

namespace pieceset {
namespace {

// What was wrong with the command line, in the tool's words rather than the
// parser's.
std::string ParseProblem(const CLI::ParseError& error, int argc, char** argv) {
  const std::string text = error.what();
  const std::string subject = text.substr(0, text.find(':'));
  if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
    if (text.find("subcommand") != std::string::npos) {
      if (argc > 1 && argv[1][0] != '-') {
        return "no command '" + ShownPath(argv[1]) + "': give cut, verify, show, join, repair, write or rescue";
      }
      return "give a command: cut, verify, show, join, repair, write or rescue";
    }
    const std::string missing = text.substr(0, text.find(" is required"));
    return std::string(argv[1]) + " needs " + missing;
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr &&
      text.find("At Most") != std::string::npos) {
    return subject + " is given more than once";
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    return "unknown option or extra argument: " + ShownPath(text.substr(text.rfind(": ") + 2));
  }
  return text;
}

// The program's help, footer and version around the commands.
void Describe(CLI::App& app) {
  app.require_subcommand(1);
  app.footer("Exit status: 0 done (or a good set), 1 failure (or a damaged set), 2 bad usage,\n"
             "3 a damaged set its recovery pieces can rebuild (verify).\n"
             "Manual: man pieceset");
  app.set_version_flag("--version",
                       std::string("pieceset ") + PIECESET_VERSION + " (writes piece format " +
                           std::to_string(kFormatVersion) + ")",
                       "Print the version and the piece format it writes");
}

// --version answers after a command too, as it does before one.
bool AsksForVersion(int argc, char** argv) {
  for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i) {
    if (std::string(argv[i]) == "--version") return true;
  }
  return false;
}

ExitStatus Main(int argc, char** argv) {
  CLI::App app{"Cuts an installer into a piece set FILE.1, FILE.2, ... for the launcher,\n"
               "and checks, shows and joins piece sets."};
  Describe(app);
  CommandRun run;
  AddCut(app, run);
  AddVerify(app, run);
  AddShow(app, run);
  AddJoin(app, run);
  AddRepair(app, run);
  AddWrite(app, run);
  AddRescue(app, run);

  if (AsksForVersion(argc, argv)) {
    std::printf("pieceset %s (writes piece format %u)\n", PIECESET_VERSION, kFormatVersion);
    return ExitStatus::kDone;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return static_cast<ExitStatus>(app.exit(error));
    std::fprintf(stderr, "pieceset: %s (see --help)\n", ParseProblem(error, argc, argv).c_str());
    return ExitStatus::kUsage;
  }

  CatchInterrupts();
  return run();
}

}  // namespace
}  // namespace pieceset

int main(int argc, char** argv) {
  using pieceset::ExitStatus;
  try {
    return static_cast<int>(pieceset::Main(argc, argv));
  } catch (const pieceset::Interrupted& interrupted) {
    pieceset::PrintError(interrupted);
    return interrupted.exit_status();
  } catch (const pieceset::UsageError& error) {
    pieceset::PrintError(error);
    return static_cast<int>(ExitStatus::kUsage);
  } catch (const std::bad_alloc&) {
    pieceset::PrintError(pieceset::Error("out of memory: the work needs more than this machine gives it"));
    return static_cast<int>(ExitStatus::kFailure);
  } catch (const std::exception& error) {
    pieceset::PrintError(error);
    return static_cast<int>(ExitStatus::kFailure);
  }
}
