// Decoding 256 x 256 pictures from memory: the editor's reader against stb_image on the same
// bytes, in the same run.
#include "window/tga_reader.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <stb_image.h>

namespace {

constexpr int kSide = 256;

// A picture like the item pictures: flat areas (long runs) around a detailed middle.
QByteArray pixelsOf(int bytesPerPixel, int modulo) {
    QByteArray out;
    uint32_t state = 12345;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const bool detailed = x > 64 && x < 192 && y > 48 && y < 208;
            for (int b = 0; b < bytesPerPixel; ++b) {
                state = state * 1664525u + 1013904223u;
                const int flat = (x / 32 + y / 32 + b) * 23;
                out.append(static_cast<char>((detailed ? int(state >> 24) : flat) % modulo));
            }
        }
    return out;
}

QByteArray runLength(const QByteArray& pixels, int n) {
    QByteArray out;
    const qsizetype count = pixels.size() / n;
    auto same = [&](qsizetype a, qsizetype b) {
        return std::memcmp(pixels.constData() + a * n, pixels.constData() + b * n, n) == 0;
    };
    for (qsizetype i = 0; i < count;) {
        qsizetype run = 1;
        while (i + run < count && run < 128 && same(i, i + run))
            ++run;
        if (run > 1) {
            out.append(static_cast<char>(0x80 | (run - 1)));
            out.append(pixels.constData() + i * n, n);
            i += run;
            continue;
        }
        qsizetype raw = 1;
        while (i + raw < count && raw < 128 && !(i + raw + 1 < count && same(i + raw, i + raw + 1)))
            ++raw;
        out.append(static_cast<char>(raw - 1));
        out.append(pixels.constData() + i * n, raw * n);
        i += raw;
    }
    return out;
}

QByteArray header(int type, int depth, int mapEntries, int mapDepth) {
    QByteArray h(18, '\0');
    h[1] = mapEntries ? 1 : 0;
    h[2] = static_cast<char>(type);
    h[5] = static_cast<char>(mapEntries & 0xff);
    h[6] = static_cast<char>(mapEntries >> 8);
    h[7] = static_cast<char>(mapDepth);
    h[12] = static_cast<char>(kSide & 0xff);
    h[13] = static_cast<char>(kSide >> 8);
    h[14] = static_cast<char>(kSide & 0xff);
    h[15] = static_cast<char>(kSide >> 8);
    h[16] = static_cast<char>(depth);
    return h;
}

enum Picture { Raw24, Rle24, Mapped8, Rle32 };

QByteArray file(Picture picture) {
    switch (picture) {
    case Raw24:
        return header(2, 24, 0, 0) + pixelsOf(3, 256);
    case Rle24:
        return header(10, 24, 0, 0) + runLength(pixelsOf(3, 256), 3);
    case Mapped8:
        return header(1, 8, 256, 24) + pixelsOf(3 * 256 / kSide, 256).left(768) + pixelsOf(1, 256);
    case Rle32:
        return header(10, 32, 0, 0) + runLength(pixelsOf(4, 256), 4);
    }
    return {};
}

void ours(benchmark::State& state, Picture picture) {
    const QByteArray bytes = file(picture);
    for (auto _ : state) {
        wed::LoadTGA reader;
        reader.LoadFromBytes(bytes);
        benchmark::DoNotOptimize(reader.IsTGA());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void stb(benchmark::State& state, Picture picture) {
    const QByteArray bytes = file(picture);
    for (auto _ : state) {
        int w, h, comp;
        stbi_uc* data = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.constData()),
                                              int(bytes.size()), &w, &h, &comp, 0);
        benchmark::DoNotOptimize(data);
        stbi_image_free(data);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

BENCHMARK_CAPTURE(ours, tga_24bit_raw, Raw24);
BENCHMARK_CAPTURE(stb, tga_24bit_raw, Raw24);
BENCHMARK_CAPTURE(ours, tga_24bit_rle, Rle24);
BENCHMARK_CAPTURE(stb, tga_24bit_rle, Rle24);
BENCHMARK_CAPTURE(ours, tga_8bit_mapped, Mapped8);
BENCHMARK_CAPTURE(stb, tga_8bit_mapped, Mapped8);
BENCHMARK_CAPTURE(ours, tga_32bit_rle, Rle32);
BENCHMARK_CAPTURE(stb, tga_32bit_rle, Rle32);

} // namespace
