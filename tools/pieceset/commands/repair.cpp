// pieceset repair: the missing and damaged disks of a set rebuilt from its
// recovery pieces into a new folder.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "base/errors.h"
#include "base/file.h"
#include "base/pending_output.h"
#include "base/text.h"
#include "commands/commands.h"
#include "set/recovery_pieces.h"

namespace pieceset {

namespace {

struct RepairCommand : SetToOutput {
  CLI::App* Add(CLI::App& parent) {
    return AddTo(parent, "repair",
                 "Rebuild the missing and damaged disks of a set from its recovery pieces into DIR",
                 "DIR", "Output folder DIR");
  }
  ExitStatus Run() const;
};

ExitStatus RepairCommand::Run() const {
  const fs::path target = OutputPath(out);
  PieceSources sources = Gather(target);
  std::optional<RecoveryCheck> check = CheckRecovery(sources);
  PrintNotes(sources);
  if (!check) throw Error("no recovery piece (REPAIR.1, REPAIR.2, ...) to repair from");
  const RecoveryCode& code = check->code;
  if (const auto why = Unrepairable(*check)) throw Error("cannot repair: " + *why);
  const std::vector<std::uint32_t> disks = DisksToRewrite(*check);
  if (disks.empty()) {
    std::printf("nothing to repair: %u disks and %u recovery pieces intact; %s not written\n",
                code.pieces(), code.recovery, ShownPath(target).c_str());
    return ExitStatus::kDone;
  }
  PendingOutput folder(target, PendingOutput::Kind::kFolder, force);
  WriteRebuiltDisks(*check, folder.path());
  folder.Commit();
  // REPAIR.EXE is outside the code: without an intact copy it cannot come back.
  const bool without = code.form.repair_program_size && !check->repair_program;
  std::printf("%s: rebuilt %s%s\n", ShownPath(target).c_str(), DiskList(code, disks).c_str(),
              without ? ", without REPAIR.EXE, which no copy found matches" : "");
  return ExitStatus::kDone;
}

}  // namespace

void AddRepair(CLI::App& parent, CommandRun& run) { AddCommand<RepairCommand>(parent, run); }

}  // namespace pieceset
