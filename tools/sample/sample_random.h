#pragma once

#include <cstddef>
#include <cstdint>

namespace wed::sample {

// A small generator with a fixed, documented sequence (splitmix64), so that the sample folder
// comes out byte for byte the same with every compiler and standard library; the standard
// distributions give different numbers from one library to the next.
class SampleRandom {
  public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number from low to high, both included.
    int between(int low, int high) {
        const auto span = std::uint64_t(high - low) + 1;
        return low + int(next() % span);
    }

    // One of the given choices.
    template <typename T, std::size_t N> const T& pick(const T (&choices)[N]) {
        return choices[next() % N];
    }

    bool chance(int percent) { return between(1, 100) <= percent; }

  private:
    std::uint64_t state_;
};

// A seed for one item, independent of how many items come before it.
inline std::uint64_t itemSeed(std::uint64_t base, std::uint64_t serial) {
    return base ^ (serial * 0xD1B54A32D192ED03ull);
}

} // namespace wed::sample
