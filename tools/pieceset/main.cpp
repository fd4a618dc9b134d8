// pieceset: cuts an installer into a piece set for the launcher, and checks,
// shows and joins such sets on Linux.
#include <CLI/CLI.hpp>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cut.h"
#include "device.h"
#include "header.h"
#include "io.h"
#include "mtools.h"
#include "pieces.h"
#include "recovery.h"
#include "repair.h"

namespace pieceset {
namespace {

// "out/" names the folder "out"; ".", ".." and "/" name no new folder.
fs::path OutputPath(const std::string& text) {
  fs::path path(text);
  while (!path.empty() && path.filename().empty() && path != path.root_path()) {
    path = path.parent_path();
  }
  const std::string last = path.filename().string();
  if (path.empty() || last.empty() || last == "." || last == "..") {
    throw UsageError("-o must name a new file or folder, not '" + ShownPath(text) + "'");
  }
  return path;
}

// join writes a file: "-o newdir/" asks for a folder it will not make.
fs::path OutputFilePath(const std::string& text) {
  if (!text.empty() && text.back() == '/') {
    throw UsageError("-o " + ShownPath(text) + " names a folder; join writes a file: give its name");
  }
  return OutputPath(text);
}

// The launcher installed with this tool: share/kqlauncher/launcher.exe
// beside the bin folder the running pieceset lies in.
fs::path InstalledLauncher() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) throw Error("--with-launcher: cannot tell where pieceset is installed: " + error.message());
  const fs::path launcher = (self.parent_path() / PIECESET_LAUNCHER_FROM_BIN).lexically_normal();
  if (!fs::is_regular_file(launcher, error)) {
    // Run from its build tree, the tool takes the launcher of the cross
    // build that tree's cache names; no path of the build is compiled in.
    std::ifstream cache(self.parent_path() / "CMakeCache.txt");
    constexpr std::string_view kKey = "LAUNCHER_WIN32_DIR:PATH=";
    for (std::string line; std::getline(cache, line);) {
      if (line.rfind(kKey, 0) != 0) continue;
      const fs::path built = fs::path(line.substr(kKey.size())) / "launcher.exe";
      if (fs::is_regular_file(built, error)) return built;
    }
    throw UsageError("--with-launcher: no launcher installed at " + ShownPath(launcher) +
                     "; give --launcher FILE");
  }
  return launcher;
}

std::string ReadNameFile(const fs::path& path) {
  File file = File::OpenRead(path);
  // Far past any name; its own size is what the user should hear.
  constexpr std::uint64_t kLongest = 4096;
  if (file.Size() > kLongest) {
    throw UsageError("--name-file " + ShownPath(path) + " holds " + std::to_string(file.Size()) +
                     " bytes; a name is 1 to 259 bytes");
  }
  std::string name(static_cast<std::size_t>(file.Size()), '\0');
  name.resize(file.Read(name.data(), name.size()));
  // A file written by an editor ends with a line break that is no part of it.
  if (!name.empty() && name.back() == '\n') name.pop_back();
  if (!name.empty() && name.back() == '\r') name.pop_back();
  return name;
}

// The cut command line as given, before its words are checked.
struct CutCommand {
  CutOptions options;
  std::string name;
  std::string name_file;
  std::string media;
  std::string first_media;
  std::string file_system;
  std::string out;
  bool with_launcher = false;
};

// An input that is not there is a command line that cannot be carried out.
void RequireInput(const fs::path& path, const char* what) {
  if (KindOf(path).empty()) throw UsageError("no such file: " + ShownPath(path) + " (" + what + ")");
}

int RunCut(CutCommand command) {
  CutOptions& options = command.options;
  options.out = OutputPath(command.out);
  RequireInput(options.installer, "INSTALLER");
  if (options.launcher) RequireInput(*options.launcher, "--launcher");
  if (!command.name_file.empty()) RequireInput(command.name_file, "--name-file");
  const std::optional<FileSystem> fs_option =
      command.file_system.empty() ? std::nullopt
                                  : std::optional(ParseFileSystem(command.file_system));
  options.media = ParseMedia(command.media, fs_option);
  options.first_media = command.first_media.empty()
                            ? options.media
                            : ParseMedia(command.first_media, fs_option);
  if (fs_option && FindPreset(command.media) &&
      (command.first_media.empty() || FindPreset(command.first_media))) {
    throw UsageError("--fs is for a plain SIZE; " + MediaName(options.media) +
                     " has its own file system");
  }
  if (command.with_launcher && !options.launcher) options.launcher = InstalledLauncher();
  if (!command.name_file.empty()) {
    // Checked before it is read: an output holding it would be replaced.
    RefuseToReplaceInput(options.out, command.name_file);
    options.other_inputs.push_back(command.name_file);
  }
  options.name = command.name_file.empty() ? command.name : ReadNameFile(command.name_file);
  const SetInfo info = Cut(options);
  const std::string media_text =
      command.first_media.empty() || MediaName(options.first_media) == MediaName(options.media)
          ? MediaName(options.media) + " disks"
          : MediaName(options.first_media) + " disk 1 and " + MediaName(options.media) +
                " disks";
  const std::string recovery_text =
      options.recovery == 0 ? ""
                            : ", and " + std::to_string(options.recovery) + " recovery piece" +
                                  (options.recovery == 1 ? "" : "s");
  std::printf("%s: %u piece%s of \"%s\" (set %s) for %s%s\n", ShownPath(options.out).c_str(),
              info.piece_count, info.piece_count == 1 ? "" : "s",
              Printable(info.name).c_str(), ShortId(info.set_id).c_str(), media_text.c_str(),
              recovery_text.c_str());
  return 0;
}

const char* StatusWord(PieceLine::Status status) {
  switch (status) {
    case PieceLine::Status::kOk: return "ok";
    case PieceLine::Status::kBad: return "BAD";
    case PieceLine::Status::kMissing: return "MISSING";
    case PieceLine::Status::kIgnored: return "ignored";
  }
  return "?";
}

PieceSources Gather(const std::vector<std::string>& places) {
  PieceSources sources;
  for (const std::string& place : places) sources.Add(place);
  return sources;
}

int RunVerify(const std::vector<std::string>& places) {
  PieceSources sources = Gather(places);
  // First, so that a damaged copy beside a whole one is set aside.
  const std::optional<RecoveryCheck> recovery = CheckRecovery(sources);
  for (const std::string& note : sources.notes()) std::printf("note: %s\n", note.c_str());
  const SetReport report = CheckSet(sources);
  for (const PieceLine& line : report.lines) {
    std::printf("%s: %s, %s\n", line.shown.c_str(), StatusWord(line.status),
                line.detail.c_str());
  }
  if (recovery) return ReportRecovery(*recovery, report);
  std::printf("verdict: %s\n", report.verdict.c_str());
  return report.good ? 0 : 1;
}

// A recovery piece: the code it belongs to.
void ShowRecoveryPiece(const PieceFile& piece) {
  PieceReader file(piece);
  std::vector<std::uint8_t> bytes(recovery::kPreambleSize);
  bytes.resize(file.Read(bytes.data(), bytes.size()));
  std::string problem = bytes.size() < recovery::kPreambleSize
                            ? std::to_string(file.Size()) + " bytes, shorter than its " +
                                  std::to_string(recovery::kPreambleSize) + "-byte header"
                            : "no recovery piece header";
  std::optional<recovery::Code> code;
  if (const auto length = recovery::PreambleLength(bytes)) {
    bytes.resize(std::min<std::uint64_t>(*length, file.Size()));
    bytes.resize(recovery::kPreambleSize +
                 file.Read(bytes.data() + recovery::kPreambleSize,
                           bytes.size() - recovery::kPreambleSize));
    code = recovery::ParsePreamble(bytes, &problem);
  }
  if (!code) {
    std::printf("%s: a recovery piece, not readable: %s\n", piece.shown.c_str(), problem.c_str());
    return;
  }
  std::printf("%s: recovery piece %u of %u, set %s (%u pieces, %u blocks of %zu bytes a disk); "
              "the launcher never reads it\n",
              piece.shown.c_str(), recovery::PreambleIndex(bytes), code->recovery,
              ShortId(code->form.set_id).c_str(), code->pieces, code->blocks,
              recovery::kBlockSize);
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
  if (std::string_view(reinterpret_cast<const char*>(header.data()), 8) == "PSREPAIR") {
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
                std::to_string(decoded.info->piece_count) + ")";
      } else {
        text += " (" + std::to_string(decoded.info->piece_count) + " pieces)";
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

int RunShow(const std::vector<std::string>& files) {
  int status = 0;
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
          if (name.rfind("REPAIR.", 0) != 0) continue;
          for (const PieceFile& piece : companions) ShowPiece(piece, std::nullopt);
          shown = true;
        }
        if (!shown) {
          throw Error(ShownPath(path) +
                      ": an image without pieces (FILE.1, FILE.2, ...) or recovery pieces");
        }
        continue;
      }
      ShowPiece({path, ShownPath(path), nullptr, nullptr}, number);
    } catch (const Interrupted&) {
      throw;
    } catch (const Error& error) {
      std::fflush(stdout);
      std::fprintf(stderr, "pieceset: %s\n", error.what());
      // A file that is not there is a usage error, as for verify.
      status = std::max(status, dynamic_cast<const UsageError*>(&error) ? 2 : 1);
    }
  }
  return status;
}

int RunJoin(const std::vector<std::string>& places, const std::string& out_text, bool force) {
  const fs::path target = OutputFilePath(out_text);
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
  return 0;
}

int RunRescue(const std::string& device, const std::string& out_text, bool force) {
  const fs::path out = OutputFilePath(out_text);
  const std::uint64_t lost = Rescue(device, out, force);
  const std::string shown = ShownPath(out);
  if (lost == 0) {
    std::printf("%s: every sector of %s read\n", shown.c_str(), ShownPath(device).c_str());
  } else {
    std::printf("%s: %llu bytes of %s unreadable, zeros in the image, listed in %s.map\n",
                shown.c_str(), static_cast<unsigned long long>(lost),
                ShownPath(device).c_str(), shown.c_str());
  }
  return 0;
}

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

int Main(int argc, char** argv) {
  CLI::App app{"Cuts an installer into a piece set FILE.1, FILE.2, ... for the launcher,\n"
               "and checks, shows and joins piece sets."};
  app.require_subcommand(1);
  app.footer("Exit status: 0 done (or a good set), 1 failure (or a damaged set), 2 bad usage,\n"
             "3 a damaged set its recovery pieces can rebuild (verify).\n"
             "Manual: man pieceset");
  app.set_version_flag("--version",
                       std::string("pieceset ") + PIECESET_VERSION + " (writes piece format " +
                           std::to_string(kFormatVersion) + ")",
                       "Print the version and the piece format it writes");

  CutCommand cut;
  CLI::App* cut_cmd = app.add_subcommand("cut", "Cut INSTALLER into a piece set in DIR");
  cut_cmd->add_option("INSTALLER", cut.options.installer, "The installer executable")->required()->type_name("FILE");
  auto* name_opt = cut_cmd->add_option("--name", cut.name,
                                       "Application name shown by the launcher (1 to 259 bytes)");
  name_opt->type_name("NAME");
  auto* name_file_opt = cut_cmd->add_option(
      "--name-file", cut.name_file, "Read the name's bytes from FILE (one trailing line break is dropped)");
  name_file_opt->type_name("FILE");
  name_opt->excludes(name_file_opt);
  cut_cmd->add_option("--media", cut.media,
                      "Disk size: bytes, or 360K 720K 1.2M 1.44M 2.88M 100M 250M 650M 700M")
      ->required()
      ->type_name("SIZE");
  cut_cmd->add_option("--first-media", cut.first_media, "Size of disk 1, when it differs")
      ->type_name("SIZE");
  cut_cmd->add_option("--fs", cut.file_system,
                      "File system of a plain SIZE, then the whole volume's size: fat12, fat16, iso9660")
      ->type_name("FS");
  cut_cmd->add_option("--launcher", cut.options.launcher, "Put FILE on disk 1 as SETUP.EXE")
      ->type_name("FILE");
  cut_cmd->add_flag("--with-launcher", cut.with_launcher,
                    "Put the launcher installed with pieceset on disk 1 as SETUP.EXE "
                    "(--launcher FILE overrides)");
  cut_cmd->add_flag("--flat", cut.options.flat, "All pieces side by side in DIR, no disk folders");
  cut_cmd->add_flag("--images", cut.options.images,
                    "Also write disk images: disk1.img, ... (FAT) or disk1.iso, ... (CDs)");
  cut_cmd->add_option("--recovery", cut.options.recovery,
                      "Also write M recovery pieces REPAIR.1 ... on disks of their own "
                      "(0 to 32; the set rebuilt with up to M disks lost)")
      ->type_name("M");
  cut_cmd->add_flag("--force", cut.options.force, "Replace an existing DIR");
  cut_cmd->add_option("-o,--out", cut.out, "Output folder DIR")->required()->type_name("DIR");

  std::vector<std::string> verify_paths;
  CLI::App* verify_cmd = app.add_subcommand(
      "verify",
      "Check a piece set as the launcher reads it (exit 0 good, 1 damaged, 3 repairable)");
  verify_cmd->add_option("PATH", verify_paths, "Disk folders, a flat folder, FAT or ISO 9660 images")
      ->required()
      ->type_name("PATH");

  std::vector<std::string> show_files;
  CLI::App* show_cmd = app.add_subcommand("show", "Print what each piece's header says, also of the pieces on an image");
  show_cmd->add_option("FILE", show_files, "Piece files, or FAT or ISO 9660 images")
      ->required()
      ->type_name("FILE");

  std::vector<std::string> join_paths;
  std::string join_out;
  bool join_force = false;
  CLI::App* join_cmd = app.add_subcommand(
      "join", "Join a checked piece set into the installer, as the launcher does");
  join_cmd->add_option("PATH", join_paths, "Disk folders, a flat folder, FAT or ISO 9660 images")
      ->required()
      ->type_name("PATH");
  join_cmd->add_option("-o,--out", join_out, "Output FILE")->required()->type_name("FILE");
  join_cmd->add_flag("--force", join_force, "Replace an existing FILE");

  std::vector<std::string> repair_paths;
  std::string repair_out;
  bool repair_force = false;
  CLI::App* repair_cmd = app.add_subcommand(
      "repair", "Rebuild the missing and damaged disks of a set from its recovery pieces into DIR");
  repair_cmd->add_option("PATH", repair_paths, "Disk folders, a flat folder, FAT or ISO 9660 images")
      ->required()
      ->type_name("PATH");
  repair_cmd->add_option("-o,--out", repair_out, "Output folder DIR")->required()->type_name("DIR");
  repair_cmd->add_flag("--force", repair_force, "Replace an existing DIR");

  WriteOptions write;
  std::vector<std::string> write_images;
  std::string write_device;
  CLI::App* write_cmd = app.add_subcommand(
      "write", "Write disk images to a floppy or Zip drive, each read back and compared");
  write_cmd->add_option("IMAGE", write_images, "Disk images, in the order of the disks")
      ->required()
      ->type_name("IMAGE");
  write_cmd->add_option("--device", write_device, "The whole drive, e.g. /dev/fd0")
      ->required()
      ->type_name("DEV");
  write_cmd->add_flag("--yes", write.yes, "Write without asking for each disk");

  std::string rescue_device, rescue_out;
  bool rescue_force = false;
  CLI::App* rescue_cmd = app.add_subcommand(
      "rescue", "Image a failing disk, unreadable sectors as zeros and listed in FILE.map");
  rescue_cmd->add_option("DEV", rescue_device, "The drive to read")->required()->type_name("DEV");
  rescue_cmd->add_option("-o,--out", rescue_out, "Output image FILE")->required()->type_name("FILE");
  rescue_cmd->add_flag("--force", rescue_force, "Replace an existing FILE and FILE.map");

  // --version answers after a command too, as it does before one.
  for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i) {
    if (std::string(argv[i]) == "--version") {
      std::printf("pieceset %s (writes piece format %u)\n", PIECESET_VERSION, kFormatVersion);
      return 0;
    }
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error);
    std::fprintf(stderr, "pieceset: %s (see --help)\n", ParseProblem(error, argc, argv).c_str());
    return 2;
  }

  CatchInterrupts();
  if (*cut_cmd) {
    if (!*name_opt && !*name_file_opt) {
      throw UsageError("cut needs --name NAME or --name-file FILE");
    }
    return RunCut(cut);
  }
  if (*verify_cmd) return RunVerify(verify_paths);
  if (*show_cmd) return RunShow(show_files);
  if (*repair_cmd) return RunRepair(repair_paths, OutputPath(repair_out), repair_force);

  if (*write_cmd) {
    write.images.assign(write_images.begin(), write_images.end());
    write.device = write_device;
    WriteImages(write);
    return 0;
  }
  if (*rescue_cmd) return RunRescue(rescue_device, rescue_out, rescue_force);
  return RunJoin(join_paths, join_out, join_force);
}

}  // namespace
}  // namespace pieceset

int main(int argc, char** argv) {
  try {
    return pieceset::Main(argc, argv);
  } catch (const pieceset::Interrupted& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "pieceset: %s\n", error.what());
    return error.exit_status();
  } catch (const pieceset::UsageError& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "pieceset: %s\n", error.what());
    return 2;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "pieceset: %s\n", error.what());
    return 1;
  }
}
