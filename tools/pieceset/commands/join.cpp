// pieceset join: a checked set joined into the installer, as the launcher
// joins it.
#include <CLI/CLI.hpp>

#include <optional>
#include <string>

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
  // A damaged copy beside a whole one is set aside.
  const std::optional<RecoveryCheck> recovery = CheckRecovery(sources);
  for (const auto& [number, files] : sources.pieces()) {
    for (const PieceFile& piece : files) RefuseToReplaceInput(target, piece.path);
  }
  PendingOutput output(target, PendingOutput::Kind::kFile, force);
  File file = File::Create(output.path());
  const SetReport report = CheckSet(sources, [&file](const std::uint8_t* data, std::size_t size) {
    file.Write(data, size);
  });
  if (!report.good) {
    // The walk judges by FILE.1, as the launcher does; the recovery check
    // knows which disks are the odd ones.
    std::string hint;
    if (recovery && recovery->damaged && !Unrepairable(*recovery)) {
      hint = "; pieceset repair rebuilds " + DiskList(recovery->code, DisksToRewrite(*recovery)) +
             " first";
    }
    throw Error("cannot join: " + report.verdict + hint);
  }
  file.Finish();
  output.Commit();
  return ExitStatus::kDone;
}

}  // namespace

void AddJoin(CLI::App& parent, CommandRun& run) { AddCommand<JoinCommand>(parent, run); }

}  // namespace pieceset
