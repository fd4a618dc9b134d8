// The chunks of a stream read once and handed to threads of their own, each
// doing its work on every chunk in order (a digest, block checksums): more
// work over the same bytes costs no time where there are cores for it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace pieceset {

class ChunkPipe {
 public:
  // What one thread does with a chunk: `size` bytes at `data`, or with no
  // bytes a mark; `tag` is the one given with it.
  using Work = std::function<void(const std::uint8_t* data, std::size_t size, int tag)>;

  explicit ChunkPipe(std::size_t chunk_size = std::size_t{1} << 20);
  ChunkPipe(const ChunkPipe&) = delete;
  ChunkPipe& operator=(const ChunkPipe&) = delete;
  ~ChunkPipe();  // the threads stop, with or without the chunks left

  // A thread that does `work` on every chunk given from now on (or the
  // caller, within Give, where the system gives no thread).
  void AddWorker(Work work);

  // A chunk of chunk_size() bytes to fill, free of the workers; it stays the
  // caller's (to read from as well) until the next call of Chunk().
  std::uint8_t* Chunk();
  // The first `size` bytes of the chunk just given to every worker (a mark
  // where `size` is 0).
  void Give(std::size_t size, int tag);
  // Waits until every worker has done every chunk given.
  void Drain();

  std::size_t chunk_size() const { return chunk_size_; }

 private:
  struct Worker {
    Work work;
    std::uint64_t done = 0;
    std::thread thread;  // none where no thread could be had: Give does the work
  };
  void Run(Worker& worker);
  std::uint64_t Slowest() const;

  // How far the caller may run ahead of the slowest worker.
  static constexpr std::size_t kChunks = 4;
  const std::size_t chunk_size_;
  std::vector<std::vector<std::uint8_t>> chunks_;
  std::size_t sizes_[kChunks] = {};
  int tags_[kChunks] = {};
  std::uint64_t given_ = 0;
  bool stop_ = false;
  std::vector<std::unique_ptr<Worker>> workers_;
  std::mutex mutex_;
  std::condition_variable changed_;
};

}  // namespace pieceset
