// pieceset show: what each piece's header says, also of the pieces on an
// image, as the launcher and the tool read it.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>

#include "base/errors.h"
#include "base/sha256.h"
#include "base/text.h"
#include "commands/commands.h"
#include "disk/reader.h"
#include "format/names.h"
#include "format/piece_header.h"
#include "format/recovery_header.h"
#include "set/sources.h"

namespace pieceset {

namespace {

// A recovery piece: the code it belongs to.
void ShowRecoveryPiece(const PieceFile& piece) {
  PieceReader file(piece);
  std::vector<std::uint8_t> bytes(kRecoveryHeaderSize);
  bytes.resize(file.Read(bytes.data(), bytes.size()));
  std::optional<RecoveryCode> code;
  try {
    if (bytes.size() < kRecoveryHeaderSize) {
      throw Error(std::to_string(file.Size()) + " bytes, shorter than its " +
                  std::to_string(kRecoveryHeaderSize) + "-byte header");
    }
    if (const auto length = RecoveryHeaderLength(bytes)) {
      bytes.resize(std::min<std::uint64_t>(*length, file.Size()));
      bytes.resize(kRecoveryHeaderSize + file.Read(bytes.data() + kRecoveryHeaderSize,
                                                   bytes.size() - kRecoveryHeaderSize));
    }
    code = DecodeRecoveryHeader(bytes, file.Size());
  } catch (const Error& error) {
    std::printf("%s: a recovery piece, not readable: %s\n", piece.shown.c_str(), error.what());
    return;
  }
  std::printf("%s: recovery piece %u of %u, set %s (%u pieces, %u blocks of %zu bytes a disk); "
              "the launcher never reads it\n",
              piece.shown.c_str(), RecoveryIndex(bytes), code->recovery,
              ShortId(code->form.set_id).c_str(), code->pieces(), code->blocks,
              kRecoveryBlockSize);
}

// REPAIR.EXE: the program for Windows, not a piece.
void ShowRepairProgram(const PieceFile& program) {
  PieceReader file(program);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(file.Size(), 1 << 20)));
  bytes.resize(file.Read(bytes.data(), bytes.size()));
  const Digest digest = Sha256Of(bytes.data(), bytes.size());
  std::printf("%s: the program that heals the set on Windows, %s, SHA-256 %s; the launcher never "
              "reads it\n",
              program.shown.c_str(), Bytes(bytes.size()).c_str(), Hex(digest.data(), 8).c_str());
}

// One line for one piece file: `piece` to read and show, and the piece
// number its name gives, if any.
void ShowPiece(const PieceFile& piece, std::optional<std::uint32_t> number) {
  const std::string& shown = piece.shown;
  PieceReader file(piece);
  const std::uint64_t size = file.Size();
  HeaderBytes header{};
  if (file.Read(header.data(), header.size()) < kHeaderSize) {
    throw Error(shown + ": " + std::to_string(size) +
                " bytes, shorter than a 1024-byte piece header: no piece");
  }
  if (IsRecoveryHeader(header.data(), header.size())) {
    ShowRecoveryPiece(piece);
    return;
  }
  const DecodedHeader decoded = DecodeHeader(header);
  std::string launcher_view = "name \"" + Printable(decoded.name) + "\"";
  if (!decoded.name_ended) launcher_view += " (no NUL in the first 260 bytes)";
  std::string text = shown + ": ";
  if (decoded.kind == DecodedHeader::Kind::kForeign) {
    // Any file of 1024 bytes is a piece to the launcher; say that this
    // one was not made as one.
    char mark[8];
    std::snprintf(mark, sizeof mark, "0x%02x", header[kLastPieceOffset]);
    text += "not made by pieceset: no identity block; as the launcher reads it: " +
            launcher_view + ", last-piece byte " + mark +
            (decoded.last ? " (last piece)" : " (not last)") + ", payload " +
            std::to_string(size - kHeaderSize) + " bytes, identity " +
            ShortId(decoded.identity_digest);
    std::printf("%s\n", text.c_str());
    return;
  }
  text += launcher_view;
  text += decoded.last ? ", last piece" : ", not last";
  text += ", payload " + std::to_string(size - kHeaderSize) + " bytes";
  switch (decoded.kind) {
    case DecodedHeader::Kind::kPieceset: {
      text += ", set " + ShortId(decoded.info->set_id);
      if (number) {
        text += " (piece " + std::to_string(*number) + " of " +
                std::to_string(decoded.info->layout.piece_count) + ")";
      } else {
        text += " (" + std::to_string(decoded.info->layout.piece_count) + " pieces)";
      }
      break;
    }
    case DecodedHeader::Kind::kNewer:
      text += ", identity " + ShortId(decoded.identity_digest) +
              " (pieceset format " + std::to_string(decoded.version) + ", newer than this tool)";
      break;
    case DecodedHeader::Kind::kDamaged:
      text += ", identity " + ShortId(decoded.identity_digest) + " (" +
              decoded.problem + ")";
      break;
    case DecodedHeader::Kind::kForeign:
      break;
  }
  std::printf("%s\n", text.c_str());
}

struct ShowCommand {
  std::vector<std::string> files;

  CLI::App* Add(CLI::App& parent);
  ExitStatus Run() const;
};

CLI::App* ShowCommand::Add(CLI::App& parent) {
  CLI::App* app = parent.add_subcommand("show", "Print what each piece's header says, also of the pieces on an image");
  app->add_option("FILE", files, "Piece files, or FAT or ISO 9660 images")
      ->required()
      ->type_name("FILE");
  return app;
}

ExitStatus ShowCommand::Run() const {
  ExitStatus status = ExitStatus::kDone;
  for (const std::string& path : files) {
    try {
      if (KindOf(path).empty()) throw UsageError("no such file: " + ShownPath(path));
      const auto number = PieceNumber(fs::path(path).filename().string());
      const std::string kind = KindOf(path);
      if (!number && (kind == "a file" || kind == "a block device") && LooksLikeDisk(path)) {
        // An image: the pieces on it, as verify finds them.
        PieceSources sources;
        sources.Add(path);
        for (const DiskProblem& problem : sources.problems()) {
          throw Error(problem.shown + ": " + problem.why);
        }
        bool shown = false;
        for (const auto& [n, pieces] : sources.pieces()) {
          for (const PieceFile& piece : pieces) ShowPiece(piece, n);
          shown = true;
        }
        for (const auto& [name, companions] : sources.companions()) {
          const bool program = name == kRepairProgramName;
          if (!RecoveryNumber(name) && !program) continue;
          for (const PieceFile& piece : companions) {
            program ? ShowRepairProgram(piece) : ShowPiece(piece, std::nullopt);
          }
          shown = true;
        }
        if (!shown) {
          throw Error(ShownPath(path) +
                      ": an image without pieces (FILE.1, FILE.2, ...) or recovery pieces");
        }
        continue;
      }
      const PieceFile file{path, ShownPath(path), nullptr, nullptr};
      if (EqualsNoCase(fs::path(path).filename().string(), kRepairProgramName)) {
        ShowRepairProgram(file);
      } else {
        ShowPiece(file, number);
      }
    } catch (const UsageError& error) {
      // A file that is not there is a usage error, as for verify.
      PrintError(error);
      status = ExitStatus::kUsage;
    } catch (const Error& error) {
      PrintError(error);
      if (status == ExitStatus::kDone) status = ExitStatus::kFailure;
    }
  }
  return status;
}

}  // namespace

void AddShow(CLI::App& parent, CommandRun& run) { AddCommand<ShowCommand>(parent, run); }

}  // namespace pieceset
