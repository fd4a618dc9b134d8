// pieceset verify: a set checked as the launcher reads it, and with its
// recovery pieces what they can rebuild.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "base/text.h"
#include "commands/commands.h"
#include "format/piece_header.h"
#include "set/check.h"
#include "set/recovery_pieces.h"

namespace pieceset {

namespace {

const char* StatusWord(PieceLine::Status status) {
  switch (status) {
    case PieceLine::Status::kOk: return "ok";
    case PieceLine::Status::kBad: return "BAD";
    case PieceLine::Status::kMissing: return "MISSING";
    case PieceLine::Status::kIgnored: return "ignored";
  }
  return "?";
}

void PrintLines(const SetReport& report) {
  for (const PieceLine& line : report.lines) {
    std::printf("%s: %s, %s\n", line.shown.c_str(), StatusWord(line.status),
                line.detail.c_str());
  }
}

// What is damaged of disk `d`, which has some file left: its missing files,
// its flaws and its bad blocks, each after ", ".
std::string DiskDamage(const RecoveryCheck& check, std::uint32_t d) {
  const DiskState& s = check.states[d];
  std::string text;
  for (const std::string& name : s.missing) text += ", " + name + " missing";
  for (const std::string& flaw : s.flaws) text += ", " + flaw;
  const std::vector<std::uint32_t>& bad = check.damage.bad_blocks[d];
  if (!bad.empty()) {
    text += (bad.size() == 1 ? ", block " : ", blocks ") + NumberList(bad) + " of " +
            std::to_string(check.code.blocks) + " (" + std::to_string(kRecoveryBlockSize) +
            " bytes each)";
  }
  return text;
}

bool IsMissing(const RecoveryCheck& check, std::uint32_t d) {
  return check.states[d].missing.size() == DiskFiles(check.code, d).size();
}

// verify's lines for the disks and its verdict.
ExitStatus ReportRecovery(const RecoveryCheck& check, const SetReport& report) {
  const RecoveryCode& code = check.code;
  const recovery::Damage& a = check.damage;
  std::printf("set: %s\n", report.verdict.c_str());
  for (std::uint32_t d = 0; d < check.states.size(); ++d) {
    if (!check.states[d].rewrite) continue;
    const std::string state = IsMissing(check, d) ? "MISSING" : "DAMAGED" + DiskDamage(check, d);
    std::printf("%s: %s\n", DiskText(code, d).c_str(), state.c_str());
  }
  const std::string pieces = Plural(code.recovery, "recovery piece");
  if (const auto why = Unrepairable(check)) {
    std::printf("verdict: damaged beyond repair: %s\n", why->c_str());
    return ExitStatus::kFailure;
  }
  if (!check.damaged) {
    if (!report.good) {
      std::printf("verdict: damaged: %s\n", report.verdict.c_str());
      return ExitStatus::kFailure;
    }
    std::printf("verdict: good: %s and %s%s intact\n", Plural(code.pieces(), "disk").c_str(),
                pieces.c_str(), code.form.repair_program_size ? " with REPAIR.EXE" : "");
    return ExitStatus::kDone;
  }
  // Damage outside the blocks (a header, a FAT copy) is no block to count.
  const std::string reach = a.worst_count == 0
                                ? ""
                                : "; at most " + Plural(a.worst_count, "damaged block") +
                                      " in a stripe, for " + pieces;
  std::printf("verdict: damaged but repairable: pieceset repair rebuilds %s%s\n",
              DiskList(code, DisksToRewrite(check)).c_str(), reach.c_str());
  return ExitStatus::kRepairable;
}

// A recovery disk given alone (an image or device with recovery pieces and
// no piece): its blocks against its own checksum table. Nothing for
// anything else.
std::optional<ExitStatus> VerifyLoneRecoveryDisk(PieceSources& sources) {
  if (!sources.pieces().empty() || !OnOneDisk(sources)) return std::nullopt;
  const std::optional<RecoveryCheck> check = CheckRecovery(sources);
  if (!check) return std::nullopt;
  PrintNotes(sources);
  const RecoveryCode& code = check->code;
  bool good = true;
  for (std::uint32_t d = code.pieces(); d < code.disks(); ++d) {
    if (IsMissing(*check, d)) continue;  // not this disk
    const DiskState& state = check->states[d];
    const std::string disk = "recovery disk " + std::to_string(d - code.pieces() + 1) + " of " +
                             std::to_string(code.recovery) + " of set " +
                             ShortId(code.form.set_id);
    good = good && !state.rewrite;
    const std::string damage = DiskDamage(*check, d);
    const std::string said = !state.rewrite   ? "good"
                             : damage.empty() ? "damaged"
                                              : "damaged: " + damage.substr(2);
    std::printf("verdict: %s: %s\n", disk.c_str(), said.c_str());
  }
  return good ? ExitStatus::kDone : ExitStatus::kFailure;
}

struct VerifyCommand {
  std::vector<std::string> places;

  CLI::App* Add(CLI::App& parent);
  ExitStatus Run() const;
};

CLI::App* VerifyCommand::Add(CLI::App& parent) {
  CLI::App* app = parent.add_subcommand(
      "verify",
      "Check a piece set as the launcher reads it (exit 0 good, 1 damaged, 3 repairable)");
  AddPlaces(*app, places);
  return app;
}

ExitStatus VerifyCommand::Run() const {
  PieceSources sources = Gather(places);
  if (const std::optional<ExitStatus> status = VerifyLoneRecoveryDisk(sources)) return *status;
  if (const std::optional<SetReport> disk = CheckLoneDisk(sources)) {
    PrintNotes(sources);
    PrintLines(*disk);
    std::printf("verdict: %s\n", disk->verdict.c_str());
    return disk->good ? ExitStatus::kDone : ExitStatus::kFailure;
  }
  SetReport report = CheckSet(sources);
  // A good walk read every piece as cut: the recovery check reads only the
  // rest, so that each byte is read once.
  ProvenFiles proven;
  if (report.good) {
    for (const PieceLine& line : report.lines) {
      if (line.status == PieceLine::Status::kOk) proven.insert(line.shown);
    }
  }
  std::vector<std::string> unusable;
  const std::optional<RecoveryCheck> recovery = CheckRecovery(sources, &proven, &unusable);
  // A damaged copy beside a whole one is set aside, and the walk goes over
  // the copies kept.
  if (recovery && !recovery->replaced.empty()) report = CheckSet(sources);
  PrintNotes(sources);
  PrintLines(report);
  if (recovery) return ReportRecovery(*recovery, report);
  if (report.good && !unusable.empty()) {
    // The set's own recovery disks are damaged past use: repair has nothing
    // to rebuild them from, and they would rebuild nothing.
    const std::string which =
        unusable.size() == 1 ? "the recovery piece cannot"
                             : "none of the " + std::to_string(unusable.size()) +
                                   " recovery pieces can";
    std::printf("verdict: damaged: %s be used (%s), so no disk can be rebuilt; the pieces are "
                "a %s\n",
                which.c_str(), unusable.front().c_str(), report.verdict.c_str());
    return ExitStatus::kFailure;
  }
  std::printf("verdict: %s\n", report.verdict.c_str());
  return report.good ? ExitStatus::kDone : ExitStatus::kFailure;
}

}  // namespace

void AddVerify(CLI::App& parent, CommandRun& run) { AddCommand<VerifyCommand>(parent, run); }

}  // namespace pieceset
