// pieceset rescue: an image of a failing disk, with what could not be read
// listed in a GNU ddrescue mapfile, so that ddrescue can carry on from it.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>

#include "base/errors.h"
#include "base/file.h"
#include "base/pending_output.h"
#include "base/progress.h"
#include "base/text.h"
#include "commands/commands.h"
#include "disk/device.h"
#include "format/ddrescue_map.h"

namespace pieceset {

namespace {

// Whole tracks of a floppy at a time while the disk reads well; a block
// that fails is read again sector by sector.
constexpr std::size_t kRescueBlockSize = 64 * 1024;

struct RescueCommand {
  std::string device;
  std::string out;
  bool force = false;

  CLI::App* Add(CLI::App& parent);
  ExitStatus Run() const;
};

CLI::App* RescueCommand::Add(CLI::App& parent) {
  CLI::App* app = parent.add_subcommand(
      "rescue", "Image a failing disk, unreadable sectors as zeros and listed in FILE.map");
  app->add_option("DEV", device, "The drive to read")->required()->type_name("DEV");
  AddOutput(*app, out, force, "FILE", "Output image FILE", "Replace an existing FILE and FILE.map");
  return app;
}

ExitStatus RescueCommand::Run() const {
  const fs::path target = OutputFilePath(out, "rescue");
  Device drive = Device::Open(device, Device::Mode::kRead);
  const fs::path map_path = target.string() + ".map";
  PendingOutput image(target, PendingOutput::Kind::kFile, force);
  PendingOutput map(map_path, PendingOutput::Kind::kFile, force);

  std::vector<ByteRange> bad;
  {
    File file = File::Create(image.path());
    AlignedBuffer buffer(kRescueBlockSize);
    Progress progress("reading " + ShownPath(device), drive.size());
    progress.ShowRate();
    for (std::uint64_t offset = 0; offset < drive.size(); offset += kRescueBlockSize) {
      ThrowIfInterrupted();
      const std::size_t size = std::min<std::uint64_t>(kRescueBlockSize, drive.size() - offset);
      drive.ReadSalvaging(offset, buffer.data(), size, bad);
      file.Write(buffer.data(), size);
      progress.Advance(size);
    }
    file.Finish();
  }
  File map_file = File::Create(map.path());
  const std::string text = MapText(
      drive.size(), "pieceset rescue " + ShownPath(device) + " -o " + ShownPath(target), bad);
  map_file.Write(text.data(), text.size());
  map_file.Finish();
  // The image first: a map without its image would mislead ddrescue.
  image.Commit();
  map.Commit();

  std::uint64_t lost = 0;
  for (const ByteRange& range : bad) lost += range.size();
  const std::string shown = ShownPath(target);
  if (lost == 0) {
    std::printf("%s: every sector of %s read\n", shown.c_str(), ShownPath(device).c_str());
  } else {
    std::printf("%s: %llu bytes of %s unreadable, zeros in the image, listed in %s.map\n",
                shown.c_str(), static_cast<unsigned long long>(lost), ShownPath(device).c_str(),
                shown.c_str());
  }
  return ExitStatus::kDone;
}

}  // namespace

void AddRescue(CLI::App& parent, CommandRun& run) { AddCommand<RescueCommand>(parent, run); }

}  // namespace pieceset
