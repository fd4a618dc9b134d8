#include "base/hash_thread.h"

namespace pieceset {

HashThread::HashThread(std::size_t chunk_size)
    : chunk_size_(chunk_size), chunks_(kChunks, std::vector<std::uint8_t>(chunk_size)) {}

HashThread::~HashThread() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
}

std::uint8_t* HashThread::Chunk() {
  std::unique_lock lock(mutex_);
  // The next chunk may still be queued from a round before.
  changed_.wait(lock, [this] { return given_ - hashed_ < kChunks; });
  return chunks_[given_ % kChunks].data();
}

void HashThread::Hash(std::size_t size) {
  {
    std::lock_guard lock(mutex_);
    sizes_[given_ % kChunks] = size;
    ++given_;
  }
  // Started on first use: a stream never hashed costs no thread.
  if (!worker_.joinable()) worker_ = std::thread(&HashThread::Work, this);
  changed_.notify_all();
}

Digest HashThread::Finish() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return hashed_ == given_; });
  return sha_.Finish();
}

void HashThread::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || hashed_ < given_; });
    if (stop_) return;
    const std::size_t slot = hashed_ % kChunks;
    lock.unlock();
    sha_.Update(chunks_[slot].data(), sizes_[slot]);
    lock.lock();
    ++hashed_;
    changed_.notify_all();
  }
}

}  // namespace pieceset
