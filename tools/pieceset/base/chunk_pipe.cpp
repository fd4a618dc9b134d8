#include "base/chunk_pipe.h"

#include <algorithm>
#include <system_error>

namespace pieceset {

ChunkPipe::ChunkPipe(std::size_t chunk_size)
    : chunk_size_(chunk_size), chunks_(kChunks, std::vector<std::uint8_t>(chunk_size)) {}

ChunkPipe::~ChunkPipe() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  for (const std::unique_ptr<Worker>& worker : workers_) {
    if (worker->thread.joinable()) worker->thread.join();
  }
}

void ChunkPipe::AddWorker(Work work) {
  std::lock_guard lock(mutex_);
  workers_.push_back(std::make_unique<Worker>());
  Worker& worker = *workers_.back();
  worker.work = std::move(work);
  worker.done = given_;
  try {
    worker.thread = std::thread(&ChunkPipe::Run, this, std::ref(worker));
  } catch (const std::system_error&) {
    // No thread under a tight memory limit: slower, not wrong.
  }
}

std::uint64_t ChunkPipe::Slowest() const {
  std::uint64_t slowest = given_;
  for (const std::unique_ptr<Worker>& worker : workers_) slowest = std::min(slowest, worker->done);
  return slowest;
}

std::uint8_t* ChunkPipe::Chunk() {
  std::unique_lock lock(mutex_);
  // The next chunk may still be in work from a round before.
  changed_.wait(lock, [this] { return given_ - Slowest() < kChunks; });
  return chunks_[given_ % kChunks].data();
}

void ChunkPipe::Give(std::size_t size, int tag) {
  std::uint8_t* data = nullptr;
  {
    std::lock_guard lock(mutex_);
    data = size != 0 ? chunks_[given_ % kChunks].data() : nullptr;
    sizes_[given_ % kChunks] = size;
    tags_[given_ % kChunks] = tag;
    ++given_;
  }
  changed_.notify_all();
  for (const std::unique_ptr<Worker>& worker : workers_) {
    if (worker->thread.joinable()) continue;
    worker->work(data, size, tag);
    std::lock_guard lock(mutex_);
    ++worker->done;
  }
}

void ChunkPipe::Drain() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return Slowest() == given_; });
}

void ChunkPipe::Run(Worker& worker) {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this, &worker] { return stop_ || worker.done < given_; });
    if (stop_) return;
    const std::size_t slot = worker.done % kChunks;
    const std::size_t size = sizes_[slot];
    const int tag = tags_[slot];
    lock.unlock();
    worker.work(size != 0 ? chunks_[slot].data() : nullptr, size, tag);
    lock.lock();
    ++worker.done;
    changed_.notify_all();
  }
}

}  // namespace pieceset
