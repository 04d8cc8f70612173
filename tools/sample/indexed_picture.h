#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace wed::sample {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
};

// A drawing of at most 256 colours: one palette index per pixel, rows from the top down. Every
// file format of the sample pictures can be made from it without loss of the drawing's shapes.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height indexes, top row first
    std::array<Rgb, 256> palette{};
    int paletteSize = 0; // entries in use, 1 to 256

    IndexedPicture(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h, 0) {}

    std::uint8_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    Rgb colour(int x, int y) const { return palette[at(x, y)]; }
};

} // namespace wed::sample
