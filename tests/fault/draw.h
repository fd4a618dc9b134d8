// Choices for generated cases, drawn either from a seeded generator (the
// fault suite) or from the bytes of a fuzzer's input, so that one case
// builder serves both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fault {

class Draw {
public:
    explicit Draw(uint64_t seed) : state_(seed) {}
    Draw(const uint8_t* data, size_t size) : data_(data), size_(size), fromBytes_(true) {}

    // A number in [0, bound); 0 when bound is 0 or 1.
    uint32_t Below(uint32_t bound) {
        if (bound <= 1) return 0;
        int bytes = bound <= 0x100 ? 1 : bound <= 0x10000 ? 2 : 4;
        return Next(bytes) % bound;
    }
    uint32_t Between(uint32_t low, uint32_t high) { return low + Below(high - low + 1); }
    bool Percent(unsigned percent) { return Below(100) < percent; }
    unsigned char Byte() { return static_cast<unsigned char>(Next(1)); }

    // Raw bytes: straight from the fuzzer's input when there is one.
    std::vector<unsigned char> Bytes(size_t count) {
        std::vector<unsigned char> out;
        out.reserve(count);
        for (size_t i = 0; i < count; ++i) out.push_back(Byte());
        return out;
    }

    // Whether a fuzzer's input is used up (a seeded draw never is).
    bool Exhausted() const { return fromBytes_ && position_ >= size_; }

private:
    uint32_t Next(int bytes) {
        if (fromBytes_) {
            uint32_t value = 0;
            for (int i = 0; i < bytes; ++i) value = (value << 8) | (position_ < size_ ? data_[position_++] : 0);
            return value;
        }
        // splitmix64
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<uint32_t>((z ^ (z >> 31)) >> 16);
    }

    uint64_t state_ = 0;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t position_ = 0;
    bool fromBytes_ = false;
};

// How many cases a suite runs: fewer under the sanitizers, whose build is
// many times slower.
inline int Cases(int full) {
#ifdef LAUNCHER_FAULT_SANITIZED
    return full / 4 > 0 ? full / 4 : 1;
#else
    return full;
#endif
}

}  // namespace fault
