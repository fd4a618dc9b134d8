// Little-endian fields, as every on-disk record of the tool stores them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pieceset {

template <typename T>
constexpr void StoreLE(std::uint8_t* at, T value) {
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    at[i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

template <typename T>
constexpr T LoadLE(const std::uint8_t* at) {
  T value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    value = static_cast<T>(value | (static_cast<T>(at[i]) << (8 * i)));
  }
  return value;
}

}  // namespace pieceset
