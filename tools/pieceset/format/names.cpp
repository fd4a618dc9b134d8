#include "format/names.h"

#include "base/text.h"

namespace pieceset {

namespace {

// The number after `prefix` and before `suffix` in "disk2", "FILE.10",
// "disk3.img": decimal, no leading zero, at most the launcher's 2^31-1.
std::optional<std::uint32_t> NumberAfter(std::string_view name, std::string_view prefix,
                                         std::string_view suffix = "") {
  if (!StartsWithNoCase(name, prefix) || !EndsWithNoCase(name, suffix) ||
      name.size() <= prefix.size() + suffix.size()) {
    return std::nullopt;
  }
  const std::string_view digits =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits[0] == '0') return std::nullopt;
  const auto value = DecimalNumber(digits, 0x7fffffff);
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

}  // namespace

std::optional<std::uint32_t> PieceNumber(std::string_view file_name) {
  return NumberAfter(file_name, "FILE.");
}

std::string PieceName(std::uint32_t number) { return "FILE." + std::to_string(number); }

bool LooksLikePiece(std::string_view file_name) {
  return StartsWithNoCase(file_name, "FILE.") && file_name.size() > 5 &&
         file_name.find_first_not_of("0123456789", 5) == std::string_view::npos &&
         !PieceNumber(file_name);
}

std::string RecoveryName(std::uint32_t index) { return "REPAIR." + std::to_string(index); }

std::optional<std::uint32_t> RecoveryNumber(std::string_view file_name) {
  return NumberAfter(file_name, "REPAIR.");
}

std::string CompanionName(std::string_view file_name) {
  if (EqualsNoCase(file_name, kLauncherName) || EqualsNoCase(file_name, kRepairProgramName) ||
      RecoveryNumber(file_name)) {
    return UpperCase(file_name);
  }
  return "";
}

std::string DiskName(std::uint32_t number) { return "disk" + std::to_string(number); }

std::optional<std::uint32_t> DiskFolderNumber(std::string_view folder_name) {
  return NumberAfter(folder_name, "disk");
}

std::string ImageName(std::uint32_t number, bool cd) {
  return DiskName(number) + (cd ? ".iso" : ".img");
}

std::optional<std::uint32_t> ImageNumber(std::string_view file_name) {
  if (auto number = NumberAfter(file_name, "disk", ".img")) return number;
  return NumberAfter(file_name, "disk", ".iso");
}

}  // namespace pieceset
