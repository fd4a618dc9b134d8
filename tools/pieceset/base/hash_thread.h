// A SHA-256 over a stream, computed on a thread of its own: a second digest
// over bytes already being read costs no time where there is a second core.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "base/sha256.h"

namespace pieceset {

class HashThread {
 public:
  explicit HashThread(std::size_t chunk_size = std::size_t{1} << 20);
  HashThread(const HashThread&) = delete;
  HashThread& operator=(const HashThread&) = delete;
  ~HashThread();

  // A chunk of chunk_size() bytes to fill, free of the hashing; it stays the
  // caller's (to read from as well) until the next call of Chunk().
  std::uint8_t* Chunk();
  // The first `size` bytes of the chunk just given, hashed after those before.
  void Hash(std::size_t size);
  // The digest of everything hashed so far; the stream starts afresh.
  Digest Finish();

  std::size_t chunk_size() const { return chunk_size_; }

 private:
  void Work();

  // How far the caller may run ahead of the hashing.
  static constexpr std::size_t kChunks = 4;
  const std::size_t chunk_size_;
  std::vector<std::vector<std::uint8_t>> chunks_;
  std::size_t sizes_[kChunks] = {};
  std::uint64_t given_ = 0;   // chunks handed to Hash
  std::uint64_t hashed_ = 0;  // of those, hashed
  bool stop_ = false;
  Sha256 sha_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::thread worker_;
};

}  // namespace pieceset
