// Text for messages: escapes, counts, case and numbers as the user gives them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pieceset {

namespace fs = std::filesystem;

// The path for a message: control bytes, bytes that are no UTF-8 and the
// backslash as \xNN, so that a name can neither split the one line of a
// message nor reach the terminal as an escape sequence.
std::string ShownPath(const fs::path& path);

// A name from a header with every byte outside printable ASCII (and the
// quote) written as \xNN, as the launcher's ANSI box would not show it.
std::string Printable(std::string_view text);

// Lower-case hexadecimal digits of `count` bytes.
std::string Hex(const std::uint8_t* bytes, std::size_t count);

// "1 block", "3 blocks".
std::string Plural(std::uint64_t count, std::string_view word);

// "1 byte", "512 bytes".
std::string Bytes(std::uint64_t count);

// "3-10, 17" for sorted numbers.
std::string NumberList(const std::vector<std::uint32_t>& numbers);

// The items, each after the separator but the first.
std::string Joined(const std::vector<std::string>& items, std::string_view separator = ", ");

// ASCII case folding, as FAT names and the tool's words compare.
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
std::string UpperCase(std::string_view text);
constexpr bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

// A decimal number of digits alone, leading zeros allowed, at most `largest`;
// nothing for anything else.
std::optional<std::uint64_t> DecimalNumber(std::string_view text, std::uint64_t largest);

}  // namespace pieceset
