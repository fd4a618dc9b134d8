// The names of a set's files and disks: FILE.n, SETUP.EXE, REPAIR.n, the
// disk folders diskN and the images diskN.img and diskN.iso.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pieceset {

// The launcher as it lies on disk 1.
constexpr std::string_view kLauncherName = "SETUP.EXE";
// The program that heals a set on Windows, on every recovery disk.
constexpr std::string_view kRepairProgramName = "REPAIR.EXE";

// The piece number of a file name as the launcher forms it: "FILE." and the
// number in decimal without leading zeros ("FILE.10", never "FILE.010").
// Letter case does not matter, as on the FAT disks the launcher reads.
std::optional<std::uint32_t> PieceNumber(std::string_view file_name);

// "FILE.<n>"
std::string PieceName(std::uint32_t number);

// "FILE.010": digits the launcher would never ask for.
bool LooksLikePiece(std::string_view file_name);

// "REPAIR.<n>", the n-th recovery piece of a set.
std::string RecoveryName(std::uint32_t index);
std::optional<std::uint32_t> RecoveryNumber(std::string_view file_name);

// The other files of a set's disks, in upper case: SETUP.EXE, REPAIR.<n>
// and REPAIR.EXE; empty for any other name.
std::string CompanionName(std::string_view file_name);

// "disk3", the folder of disk 3; and the number of such a folder's name.
std::string DiskName(std::uint32_t number);
std::optional<std::uint32_t> DiskFolderNumber(std::string_view folder_name);

// "disk3.img" or, for a CD, "disk3.iso"; and the number of such a name.
std::string ImageName(std::uint32_t number, bool cd);
std::optional<std::uint32_t> ImageNumber(std::string_view file_name);

}  // namespace pieceset
