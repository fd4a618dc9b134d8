// The commands of pieceset, one file each: its options, its work over the
// layers below, and its output. main.cpp adds each to the command line and
// runs the one given.
#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "set/cut.h"
#include "set/sources.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace pieceset {

// What the program's exit code says; 128 + N for a signal that ended it.
enum class ExitStatus {
  kDone = 0,        // or a good set
  kFailure = 1,     // or a damaged set
  kUsage = 2,       // a command line that cannot be carried out as given
  kRepairable = 3,  // a damaged set its recovery pieces can rebuild (verify)
};

// The one printer of failures: "pieceset: " and the error's one line.
void PrintError(const std::exception& error);

struct CutCommand {
  CutOptions options;
  std::string name;
  std::string name_file;
  std::string media;
  std::string first_media;
  std::string file_system;
  std::string out;
  bool with_launcher = false;
  CLI::App* app = nullptr;
  CLI::Option* name_option = nullptr;
  CLI::Option* name_file_option = nullptr;

  void Add(CLI::App& parent);
  ExitStatus Run();
};

struct VerifyCommand {
  std::vector<std::string> places;
  CLI::App* app = nullptr;

  void Add(CLI::App& parent);
  ExitStatus Run() const;
};

struct ShowCommand {
  std::vector<std::string> files;
  CLI::App* app = nullptr;

  void Add(CLI::App& parent);
  ExitStatus Run() const;
};

struct JoinCommand {
  std::vector<std::string> places;
  std::string out;
  bool force = false;
  CLI::App* app = nullptr;

  void Add(CLI::App& parent);
  ExitStatus Run() const;
};

struct RepairCommand {
  std::vector<std::string> places;
  std::string out;
  bool force = false;
  CLI::App* app = nullptr;

  void Add(CLI::App& parent);
  ExitStatus Run() const;
};

struct WriteCommand {
  std::vector<std::string> images;
  std::string device;
  bool yes = false;  // write without asking, and fail rather than ask again
  CLI::App* app = nullptr;

  void Add(CLI::App& parent);
  ExitStatus Run() const;
};

struct RescueCommand {
  std::string device;
  std::string out;
  bool force = false;
  CLI::App* app = nullptr;

  void Add(CLI::App& parent);
  ExitStatus Run() const;
};

// Shared by the commands.

// "out/" names the folder "out"; ".", ".." and "/" name no new folder.
fs::path OutputPath(const std::string& text);
// For a file: "-o newdir/" asks for a folder the command will not make.
fs::path OutputFilePath(const std::string& text, const char* command);

// Every piece and companion file in the places given.
PieceSources Gather(const std::vector<std::string>& places);
void PrintNotes(const PieceSources& sources);

}  // namespace pieceset
