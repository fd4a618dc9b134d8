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

void JoinCommand::Add(CLI::App& parent) {
  app = parent.add_subcommand(
      "join", "Join a checked piece set into the installer, as the launcher does");
  app->add_option("PATH", places, "Disk folders, a flat folder, FAT or ISO 9660 images")
      ->required()
      ->type_name("PATH");
  app->add_option("-o,--out", out, "Output FILE")->required()->type_name("FILE");
  app->add_flag("--force", force, "Replace an existing FILE");

}

ExitStatus JoinCommand::Run() const {
  const fs::path target = OutputFilePath(out, "join");
  PieceSources sources = Gather(places);
  CheckRecovery(sources);  // a damaged copy beside a whole one is set aside
  for (const std::string& place : places) RefuseToReplaceInput(target, place);
  for (const auto& [number, files] : sources.pieces()) {
    for (const PieceFile& piece : files) RefuseToReplaceInput(target, piece.path);
  }
  PendingOutput out(target, PendingOutput::Kind::kFile, force);
  File file = File::Create(out.path());
  const SetReport report = CheckSet(sources, [&file](const std::uint8_t* data, std::size_t size) {
    file.Write(data, size);
  });
  if (!report.good) throw Error("cannot join: " + report.verdict);
  file.Finish();
  out.Commit();
  return ExitStatus::kDone;
}

}  // namespace pieceset
