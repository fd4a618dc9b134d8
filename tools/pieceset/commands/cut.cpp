// pieceset cut: an installer into a piece set for the media given.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>

#include "base/errors.h"
#include "base/file.h"
#include "base/text.h"
#include "commands/commands.h"
#include "format/media.h"
#include "format/piece_header.h"
#include "format/recovery_header.h"
#include "set/cut.h"

namespace pieceset {

namespace {

// A program installed with this tool, `name` in share/kqlauncher beside
// the bin folder the running pieceset lies in; `option` asks for it, `noun`
// names it, and `instead` is what the user may give in its place.
fs::path InstalledProgram(const std::string& name, const char* option, const char* noun,
                          const char* instead) {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) {
    throw Error(std::string(option) + ": cannot tell where pieceset is installed: " +
                error.message());
  }
  const fs::path installed =
      (self.parent_path() / PIECESET_LAUNCHER_FROM_BIN).parent_path() / name;
  if (fs::is_regular_file(installed.lexically_normal(), error)) return installed.lexically_normal();
  // Run from its build tree, the tool takes the program of the cross build
  // that tree's cache names; no path of the build is compiled in.
  std::ifstream cache(self.parent_path() / "CMakeCache.txt");
  constexpr std::string_view kKey = "LAUNCHER_WIN32_DIR:PATH=";
  for (std::string line; std::getline(cache, line);) {
    if (line.rfind(kKey, 0) != 0) continue;
    const fs::path built = fs::path(line.substr(kKey.size())) / name;
    if (fs::is_regular_file(built, error)) return built;
  }
  throw UsageError(std::string(option) + ": no " + noun + " installed at " +
                   ShownPath(installed.lexically_normal()) + "; give " + instead);
}

std::string ReadNameFile(const fs::path& path) {
  File file = File::OpenRead(path);
  // Far past any name; its own size is what the user should hear.
  constexpr std::uint64_t kLongest = 4096;
  if (file.Size() > kLongest) {
    throw UsageError("--name-file " + ShownPath(path) + " holds " + std::to_string(file.Size()) +
                     " bytes; a name is 1 to 259 bytes");
  }
  std::string name = ReadRest(file);
  // A file written by an editor ends with a line break that is no part of it.
  if (!name.empty() && name.back() == '\n') name.pop_back();
  if (!name.empty() && name.back() == '\r') name.pop_back();
  return name;
}

// "1.44M disks", "disks of 5000 bytes".
std::string DisksOf(const Medium& medium, const std::string& disks) {
  if (medium.file_system == FileSystem::kBytes) return disks + " of " + MediaName(medium);
  return MediaName(medium) + " " + disks;
}

// An input that is not there is a command line that cannot be carried out.
void RequireInput(const fs::path& path, const char* what) {
  if (KindOf(path).empty()) throw UsageError("no such file: " + ShownPath(path) + " (" + what + ")");
}

struct CutCommand {
  CutOptions options;
  std::string name;
  std::string name_file;
  std::string media;
  std::string first_media;
  std::string file_system;
  std::string out;
  bool with_launcher = false;
  std::string repair_program;
  bool no_repair_program = false;
  std::string recovery;  // decimal, whatever leading zeros it has
  CLI::Option* name_option = nullptr;
  CLI::Option* name_file_option = nullptr;

  CLI::App* Add(CLI::App& parent);
  ExitStatus Run();
};

CLI::App* CutCommand::Add(CLI::App& parent) {
  CLI::App* app = parent.add_subcommand("cut", "Cut INSTALLER into a piece set in DIR");
  app->add_option("INSTALLER", options.installer, "The installer executable")->required()->type_name("FILE");
  name_option = app->add_option("--name", name,
                                       "Application name shown by the launcher (1 to 259 bytes)");
  name_option->type_name("NAME");
  name_file_option = app->add_option(
      "--name-file", name_file, "Read the name's bytes from FILE (one trailing line break is dropped)");
  name_file_option->type_name("FILE");
  name_option->excludes(name_file_option);
  app->add_option("--media", media,
                      "Disk size: bytes, or 360K 720K 1.2M 1.44M 2.88M 100M 250M 650M 700M")
      ->required()
      ->type_name("SIZE");
  app->add_option("--first-media", first_media, "Size of disk 1, when it differs")
      ->type_name("SIZE");
  app->add_option("--fs", file_system,
                      "File system of a plain SIZE, then the whole volume's size: fat12, fat16, iso9660")
      ->type_name("FS");
  app->add_option("--launcher", options.launcher, "Put FILE on disk 1 as SETUP.EXE")
      ->type_name("FILE");
  app->add_flag("--with-launcher", with_launcher,
                    "Put the launcher installed with pieceset on disk 1 as SETUP.EXE "
                    "(--launcher FILE overrides)");
  app->add_option("--repair-exe", repair_program,
                  "Put FILE on each recovery disk as REPAIR.EXE (default: the one installed "
                  "with pieceset, when there is a launcher)")
      ->type_name("FILE")
      ->excludes(app->add_flag("--no-repair-exe", no_repair_program,
                               "Put no REPAIR.EXE on the recovery disks"));
  app->add_flag("--flat", options.flat, "All pieces side by side in DIR, no disk folders");
  app->add_flag("--images", options.images,
                    "Also write disk images: disk1.img, ... (FAT) or disk1.iso, ... (CDs)");
  app->add_option("--recovery", recovery,
                      "Also write M recovery pieces REPAIR.1 ... on disks of their own "
                      "(0 to 32; the set rebuilt with up to M disks lost)")
      ->type_name("M");
  app->add_flag("--force", options.force, "Replace an existing DIR");
  app->add_option("-o,--out", out, "Output folder DIR")->required()->type_name("DIR");
  return app;
}

ExitStatus CutCommand::Run() {
  if (!*name_option && !*name_file_option) {
    throw UsageError("cut needs --name NAME or --name-file FILE");
  }
  options.out = OutputPath(out);
  if (!recovery.empty()) {
    const auto count = DecimalNumber(recovery, 0xffffffff);
    if (!count) {
      throw UsageError("--recovery '" + ShownPath(recovery) +
                       "': give the number of recovery pieces, 0 to " + std::to_string(kMaxRecovery));
    }
    options.recovery = static_cast<std::uint32_t>(*count);
  }
  RequireInput(options.installer, "INSTALLER");
  if (options.launcher) RequireInput(*options.launcher, "--launcher");
  if (!name_file.empty()) RequireInput(name_file, "--name-file");
  const std::optional<FileSystem> fs_option =
      file_system.empty() ? std::nullopt
                                  : std::optional(ParseFileSystem(file_system));
  options.media = ParseMedia(media, fs_option);
  options.first_media = first_media.empty()
                            ? options.media
                            : ParseMedia(first_media, fs_option);
  if (fs_option && FindPreset(media) &&
      (first_media.empty() || FindPreset(first_media))) {
    throw UsageError("--fs is for a plain SIZE; " + MediaName(options.media) +
                     " has its own file system");
  }
  if (with_launcher && !options.launcher) {
    options.launcher = InstalledProgram("launcher.exe", "--with-launcher", "launcher", "--launcher FILE");
  }
  // REPAIR.EXE starts the healed set's SETUP.EXE, so it goes only with one.
  if (!repair_program.empty() && (options.recovery == 0 || !options.launcher)) {
    throw UsageError("--repair-exe goes with --recovery and a launcher (--launcher or --with-launcher)");
  }
  if (!repair_program.empty()) {
    RequireInput(repair_program, "--repair-exe");
    options.repair_program = repair_program;
  } else if (options.recovery > 0 && options.launcher && !no_repair_program) {
    options.repair_program =
        InstalledProgram("repair.exe", "--recovery with a launcher", "REPAIR.EXE", "--repair-exe FILE");
  }
  if (!name_file.empty()) {
    // Checked before it is read: an output holding it would be replaced.
    RefuseToReplaceInput(options.out, name_file);
    options.other_inputs.push_back(name_file);
  }
  options.name = name_file.empty() ? name : ReadNameFile(name_file);
  const SetInfo info = Cut(options);
  if (info.layout.installer_size == 0) {
    std::fprintf(stderr, "pieceset: warning: %s is empty; the set carries an empty installer\n",
                 ShownPath(options.installer).c_str());
  }
  const std::string media_text =
      first_media.empty() || MediaName(options.first_media) == MediaName(options.media)
          ? DisksOf(options.media, "disks")
          : DisksOf(options.first_media, "disk 1") + " and " + DisksOf(options.media, "disks");
  const std::string recovery_text =
      options.recovery == 0 ? "" : ", and " + Plural(options.recovery, "recovery piece");
  std::printf("%s: %s of \"%s\" (set %s) for %s%s\n", ShownPath(options.out).c_str(),
              Plural(info.layout.piece_count, "piece").c_str(), Printable(info.name).c_str(),
              ShortId(info.set_id).c_str(), media_text.c_str(), recovery_text.c_str());
  return ExitStatus::kDone;
}

}  // namespace

void AddCut(CLI::App& parent, CommandRun& run) { AddCommand<CutCommand>(parent, run); }

}  // namespace pieceset
