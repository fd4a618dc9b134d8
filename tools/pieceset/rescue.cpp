// pieceset rescue: an image of a failing disk, with what could not be read
// listed in a GNU ddrescue mapfile, so that ddrescue can carry on from it.
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "device.h"

namespace pieceset {
namespace {

// Whole tracks of a floppy at a time while the disk reads well; a block
// that fails is read again sector by sector.
constexpr std::size_t kBlockSize = 64 * 1024;
// A weak sector often reads on a later try.
constexpr int kSectorAttempts = 4;

std::string Hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
  return text;
}

std::string UtcNow() {
  const time_t now = time(nullptr);
  struct tm parts;
  gmtime_r(&now, &parts);
  char text[32];
  strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return text;
}

// The mapfile of a finished run: every byte tried, the bad ranges '-', the
// rest '+'.
std::string MapText(const Device& device, const fs::path& out,
                    const std::vector<ByteRange>& bad) {
  const std::string now = UtcNow();
  std::string text = "# Mapfile. Created by pieceset rescue\n# Command line: pieceset rescue " +
                     ShownPath(device.path()) + " -o " + ShownPath(out) +
                     "\n# Start time:   " + now + "\n# Current time: " + now +
                     "\n# Finished\n# current_pos  current_status  current_pass\n" +
                     Hex(bad.empty() ? 0 : bad.back().offset) +
                     "     +               1\n#      pos        size  status\n";
  std::uint64_t at = 0;
  auto block = [&text, &at](std::uint64_t size, char status) {
    if (size == 0) return;
    text += Hex(at) + "  " + Hex(size) + "  " + status + "\n";
    at += size;
  };
  for (const ByteRange& range : bad) {
    block(range.offset - at, '+');
    block(range.size, '-');
  }
  block(device.size() - at, '+');
  return text;
}

// Reads one block, sector by sector where it fails as a whole; sectors that
// stay unreadable become zeros and join `bad`.
void ReadBlock(Device& device, std::uint64_t offset, std::size_t size, std::uint8_t* buffer,
               std::vector<ByteRange>& bad) {
  if (device.ReadAt(offset, buffer, size)) return;
  const std::uint32_t sector = device.sector_size();
  for (std::size_t at = 0; at < size; at += sector) {
    bool read = false;
    for (int attempt = 0; attempt < kSectorAttempts && !read; ++attempt) {
      ThrowIfInterrupted();
      read = device.ReadAt(offset + at, buffer + at, sector);
    }
    if (read) continue;
    std::memset(buffer + at, 0, sector);
    if (!bad.empty() && bad.back().offset + bad.back().size == offset + at) {
      bad.back().size += sector;
    } else {
      bad.push_back({offset + at, sector});
    }
  }
}

}  // namespace

std::uint64_t Rescue(const fs::path& device_path, const fs::path& out, bool force) {
  Device device = Device::Open(device_path, Device::Mode::kRead);
  const fs::path map_path = out.string() + ".map";
  PendingOutput image(out, PendingOutput::Kind::kFile, force);
  PendingOutput map(map_path, PendingOutput::Kind::kFile, force);

  std::vector<ByteRange> bad;
  {
    File file = File::Create(image.path());
    AlignedBuffer buffer(kBlockSize);
    Progress progress("reading " + ShownPath(device_path), device.size());
    progress.ShowRate();
    for (std::uint64_t offset = 0; offset < device.size(); offset += kBlockSize) {
      ThrowIfInterrupted();
      const std::size_t size = std::min<std::uint64_t>(kBlockSize, device.size() - offset);
      ReadBlock(device, offset, size, buffer.data(), bad);
      file.Write(buffer.data(), size);
      progress.Advance(size);
    }
    file.Finish();
  }
  File map_file = File::Create(map.path());
  const std::string text = MapText(device, out, bad);
  map_file.Write(text.data(), text.size());
  map_file.Finish();
  // The image first: a map without its image would mislead ddrescue.
  image.Commit();
  map.Commit();

  std::uint64_t lost = 0;
  for (const ByteRange& range : bad) lost += range.size;
  return lost;
}

}  // namespace pieceset
