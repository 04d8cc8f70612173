#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

// Conversions of one stored TGA pixel to an opaque 0xffRRGGBB value.
namespace wed::tga_colours {

constexpr uint32_t kOpaque = 0xff000000u;
constexpr uint32_t kBlack = kOpaque;

// A 5-bit channel expanded to 8 bits as v x 255 / 31 (rounded down): 31 gives full intensity.
constexpr std::array<uint8_t, 32> kFiveToEight = [] {
    std::array<uint8_t, 32> table{};
    for (int v = 0; v < 32; ++v)
        table[v] = static_cast<uint8_t>(v * 255 / 31);
    return table;
}();

inline uint32_t grey(uint8_t g) {
    return kOpaque | (uint32_t{g} * 0x010101u);
}

// A little-endian word, blue in bits 0-4, green in 5-9, red in 10-14; bit 15 is not colour.
inline uint32_t rgb555(const uint8_t* s) {
    const uint32_t w = s[0] | (uint32_t{s[1]} << 8);
    return kOpaque | (uint32_t{kFiveToEight[(w >> 10) & 31]} << 16) |
           (uint32_t{kFiveToEight[(w >> 5) & 31]} << 8) | kFiveToEight[w & 31];
}

inline uint32_t bgr(const uint8_t* s) {
    return kOpaque | (uint32_t{s[2]} << 16) | (uint32_t{s[1]} << 8) | s[0];
}

inline uint32_t bgrx(const uint8_t* s) {
    uint32_t v;
    std::memcpy(&v, s, 4);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap32(v);
    return v | kOpaque;
}

} // namespace wed::tga_colours
