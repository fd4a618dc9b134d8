// The set walk over a folder of pieces and recovery pieces made from the
// input: whatever the files hold, verify's and repair's steps end with a
// verdict or an Error, never a crash, a hang or an allocation from a claim.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/errors.h"
#include "forge.h"
#include "recovery/code.h"
#include "set/check.h"
#include "set/recovery_pieces.h"
#include "set/sources.h"

using namespace pieceset;
namespace fs = std::filesystem;

namespace {

const char* const kNames[] = {"FILE.1",   "FILE.2",   "FILE.3",    "FILE.4",
                              "REPAIR.1", "REPAIR.2", "SETUP.EXE", "FILE.2"};

// Records of [name byte][length, 2 bytes][bytes]; FILE.n headers sealed,
// REPAIR.k made as the header fuzzer makes them (the name byte's high bits
// shift their length).
void WriteFiles(const std::uint8_t* data, std::size_t size, const fs::path& folder) {
  std::size_t at = 0;
  for (int files = 0; files < 8 && at + 3 <= size; ++files) {
    const std::uint8_t kind = data[at];
    std::size_t length = data[at + 1] | (data[at + 2] << 8);
    at += 3;
    length = std::min(length, size - at);
    const std::string name = kNames[kind & 7];
    std::vector<std::uint8_t> bytes(data + at, data + at + length);
    at += length;
    if (name.rfind("REPAIR.", 0) == 0) {
      const std::size_t fields = std::min(bytes.size(), fuzz::kFieldsSize);
      bytes = fuzz::RecoveryPiece(bytes.data(), fields, bytes.data() + fields,
                                  bytes.size() - fields, static_cast<std::int8_t>(kind) >> 3);
    } else if (name.rfind("FILE.", 0) == 0 && bytes.size() >= pieceset::kHeaderSize) {
      fuzz::SealPieceHeader(bytes.data());
    }
    std::ofstream(folder / name, std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
}

// A folder of this process's own, gone when it exits.
struct Scratch {
  fs::path path = fs::temp_directory_path() / ("pieceset_fuzz_set_walk_" + std::to_string(::getpid()));
  ~Scratch() { fs::remove_all(path); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Scratch scratch;
  const fs::path& folder = scratch.path;
  fs::remove_all(folder);
  fs::create_directories(folder);
  WriteFiles(data, size, folder);
  try {
    PieceSources sources;
    sources.Add(folder);
    std::optional<RecoveryCheck> check = CheckRecovery(sources);
    CheckSet(sources);
    if (check) {
      DisksToRewrite(*check);
      if (!Unrepairable(*check)) {
        // A window at a time, as repair rebuilds.
        for (std::uint32_t first = 0; first < check->code.blocks; first += 16) {
          const std::uint32_t count = std::min<std::uint32_t>(16, check->code.blocks - first);
          std::vector<recovery::DiskBytes> window = LayOut(*check, first, count);
          recovery::Rebuild(check->code, check->damage, first, count, window);
        }
      }
    }
  } catch (const Error&) {
  }
  return 0;
}
