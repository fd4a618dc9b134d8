// What the tool's unit tests share: data from a fixed seed, so that a
// failure repeats, and a scratch folder of each test's own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace pieceset {

namespace fs = std::filesystem;

// `size` bytes from the seed; the same seed gives the same bytes.
inline std::vector<char> SeededBytes(std::size_t size, unsigned seed) {
  std::vector<char> bytes(size);
  std::mt19937 random(seed);
  for (char& b : bytes) b = static_cast<char>(random());
  return bytes;
}

inline std::vector<std::uint8_t> SeededData(std::size_t size, std::mt19937& random) {
  std::vector<std::uint8_t> bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

// A folder under the temp directory, removed after the test.
class ScratchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("pieceset_test_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  void Write(const std::string& name, const std::vector<char>& bytes) {
    std::ofstream(root_ / name, std::ios::binary).write(bytes.data(), bytes.size());
  }

  fs::path root_;
};

}  // namespace pieceset
