// The commands of pieceset, one file each: its options, its work over the
// layers below, and its output. main.cpp adds each to the command line and
// runs the one given.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "set/sources.h"

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

// A command's work, set when the command line names it.
using CommandRun = std::function<ExitStatus()>;

// Each adds its command, with its options, to the command line.
void AddCut(CLI::App& parent, CommandRun& run);
void AddVerify(CLI::App& parent, CommandRun& run);
void AddShow(CLI::App& parent, CommandRun& run);
void AddJoin(CLI::App& parent, CommandRun& run);
void AddRepair(CLI::App& parent, CommandRun& run);
void AddWrite(CLI::App& parent, CommandRun& run);
void AddRescue(CLI::App& parent, CommandRun& run);

// Behind each of them: a Command of its options, its Add() that puts them on
// the command line and its Run(); it lives as long as the command line does.
template <typename Command>
void AddCommand(CLI::App& parent, CommandRun& run) {
  auto command = std::make_shared<Command>();
  command->Add(parent)->callback([command, &run] { run = [command] { return command->Run(); }; });
}

// Shared by the commands.

// PATH...: the places verify, join and repair read a set from.
void AddPlaces(CLI::App& app, std::vector<std::string>& places);
// -o FILE or -o DIR (`type`, described as `what`), and --force to replace it.
void AddOutput(CLI::App& app, std::string& out, bool& force, const char* type, const char* what,
               const char* force_help);

// What join and repair take: the places of a set, and what to write.
struct SetToOutput {
  std::vector<std::string> places;
  std::string out;
  bool force = false;

  // The command `name` with PATH..., -o `type` and --force.
  CLI::App* AddTo(CLI::App& parent, const char* name, const char* description, const char* type,
                  const char* what);
  // The pieces in the places, none of which `target` may replace.
  PieceSources Gather(const fs::path& target) const;
};

// "out/" names the folder "out"; ".", ".." and "/" name no new folder.
fs::path OutputPath(const std::string& text);
// For a file: "-o newdir/" asks for a folder the command will not make.
fs::path OutputFilePath(const std::string& text, const char* command);

// Every piece and companion file in the places given.
PieceSources Gather(const std::vector<std::string>& places);
void PrintNotes(const PieceSources& sources);

}  // namespace pieceset
