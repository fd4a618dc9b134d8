// pieceset join: a checked set joined into the installer, as the launcher
// joins it.
#include <CLI/CLI.hpp>

#include "base/errors.h"
#include "base/file.h"
#include "base/pending_output.h"
#include "commands/commands.h"
#include "set/check.h"
#include "set/recovery_pieces.h"

namespace pieceset {

namespace {

struct JoinCommand : SetToOutput {
  CLI::App* Add(CLI::App& parent) {
    return AddTo(parent, "join", "Join a checked piece set into the installer, as the launcher does",
                 "FILE", "Output FILE");
  }
  ExitStatus Run() const;
};

ExitStatus JoinCommand::Run() const {
  const fs::path target = OutputFilePath(out, "join");
  PieceSources sources = Gather(target);
  CheckRecovery(sources);  // a damaged copy beside a whole one is set aside
  for (const auto& [number, files] : sources.pieces()) {
    for (const PieceFile& piece : files) RefuseToReplaceInput(target, piece.path);
  }
  PendingOutput output(target, PendingOutput::Kind::kFile, force);
  File file = File::Create(output.path());
  const SetReport report = CheckSet(sources, [&file](const std::uint8_t* data, std::size_t size) {
    file.Write(data, size);
  });
  if (!report.good) throw Error("cannot join: " + report.verdict);
  file.Finish();
  output.Commit();
  return ExitStatus::kDone;
}

}  // namespace

void AddJoin(CLI::App& parent, CommandRun& run) { AddCommand<JoinCommand>(parent, run); }

}  // namespace pieceset
