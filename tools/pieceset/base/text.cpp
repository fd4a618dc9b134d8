#include "base/text.h"

#include <limits>

namespace pieceset {

namespace {

// The one escape of messages: "\xNN".
void AppendEscape(std::string& shown, unsigned char c) {
  constexpr char kDigits[] = "0123456789abcdef";
  shown += "\\x";
  shown += kDigits[c >> 4];
  shown += kDigits[c & 15];
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string shown;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7f && c != '\\' && c != '"') {
      shown += static_cast<char>(c);
    } else {
      AppendEscape(shown, c);
    }
  }
  return shown;
}

std::string ShownPath(const fs::path& path) {
  const std::string text = path.string();
  std::string shown;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      shown += static_cast<char>(c);
      ++i;
      continue;
    }
    // Well-formed UTF-8 stays readable; C1 controls (U+0080..U+009F) are
    // escapes to a terminal, so they are escaped like the C0 ones.
    const std::size_t length = c >= 0xf0 && c < 0xf5 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 ? 2 : 0;
    bool valid = length != 0 && c < 0xf5 && i + length <= text.size();
    std::uint32_t code = valid ? c & (0x7f >> length) : 0;
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xc0) == 0x80;
      code = (code << 6) | (next & 0x3f);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= least[length] && code >= 0xa0 && code <= 0x10ffff &&
            (code < 0xd800 || code > 0xdfff);
    if (valid) {
      shown.append(text, i, length);
      i += length;
    } else {
      AppendEscape(shown, c);
      ++i;
    }
  }
  return shown;
}

std::string Hex(const std::uint8_t* bytes, std::size_t count) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

std::string Plural(std::uint64_t count, std::string_view word) {
  return std::to_string(count) + " " + std::string(word) + (count == 1 ? "" : "s");
}

std::string Bytes(std::uint64_t count) { return Plural(count, "byte"); }

std::string NumberList(const std::vector<std::uint32_t>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size();) {
    std::size_t j = i;
    while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
    text += (text.empty() ? "" : ", ") + std::to_string(numbers[i]);
    if (j > i) text += "-" + std::to_string(numbers[j]);
    i = j + 1;
  }
  return text;
}

std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += separator;
    text += item;
  }
  return text;
}

std::string UpperCase(std::string_view text) {
  std::string upper;
  for (char c : text) upper += AsciiUpper(c);
  return upper;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::optional<std::uint64_t> DecimalNumber(std::string_view text, std::uint64_t largest) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
    if (value > (largest - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace pieceset
