// The decoder against stb_image on a generated corpus: every pixel the same, alpha aside.
#include "tga_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <stb_image.h>
#include <string>
#include <vector>

namespace wed {
namespace {

using test::TgaParts;

struct CorpusFile {
    std::string name;
    TgaParts parts;
    QByteArray bytes;
};

void add(std::vector<CorpusFile>& corpus, const TgaParts& p) {
    const std::string name = "type" + std::to_string(p.imageType) + "_depth" +
                             std::to_string(p.pixelDepth) + "_" + std::to_string(p.width) + "x" +
                             std::to_string(p.height) + "_" + std::to_string(corpus.size());
    corpus.push_back({name, p, buildTga(p)});
}

// Files that follow the format in every way the oracle also reads by its rules: every image type
// and depth, both row orders, ID fields, colour maps starting at 0, runs across row ends, footers.
std::vector<CorpusFile> oracleCorpus() {
    struct Shape {
        uint16_t width, height;
    };
    const Shape shapes[] = {{1, 1}, {7, 5}, {33, 17}};
    std::vector<CorpusFile> corpus;
    // True colour and grey, plain and run-length, every depth.
    const std::pair<uint8_t, uint8_t> kinds[] = {
        {2, 15},  {2, 16}, {2, 24}, {2, 32}, {2, 8},  {10, 15}, {10, 16}, {10, 24},
        {10, 32}, {3, 8},  {3, 16}, {3, 24}, {11, 8}, {11, 16}, {11, 32}, {10, 8}};
    uint32_t seed = 1;
    for (const auto& [type, depth] : kinds)
        for (const Shape& s : shapes)
            for (uint8_t descriptor : {0x00, 0x20, 0x28}) {
                TgaParts p(type, depth, s.width, s.height, descriptor);
                if (seed % 2 == 0)
                    p.id = QByteArray("picture id", int(seed % 11));
                if (seed % 3 == 0)
                    p.footer = QByteArray(26, 'F');
                p.pixels = test::patternPixels(s.width * s.height, (depth + 7) / 8, seed++);
                add(corpus, p);
            }
    // Colour-mapped, plain and run-length, every map entry depth, 8- and 16-bit indices.
    for (uint8_t type : {1, 9})
        for (uint8_t mapDepth : {8, 15, 16, 24, 32})
            for (uint8_t indexDepth : {8, 16})
                for (const Shape& s : shapes) {
                    TgaParts p(type, indexDepth, s.width, s.height, uint8_t(seed % 2 ? 0x20 : 0));
                    p.colorMapType = 1;
                    p.colorMapDepth = mapDepth;
                    p.colorMap =
                        test::patternPixels(indexDepth == 8 ? 256 : 300, (mapDepth + 7) / 8, seed);
                    if (seed % 3 == 0)
                        p.id = QByteArray(7, 'i');
                    const QByteArray low = test::patternPixels(s.width * s.height, 1, seed + 1);
                    if (indexDepth == 8)
                        p.pixels = low;
                    else // little-endian indices below the map's length
                        for (char c : low) {
                            const int index = static_cast<uint8_t>(c) + (c & 1 ? 44 : 0);
                            p.pixels.append(char(index & 0xff)).append(char(index >> 8));
                        }
                    ++seed;
                    add(corpus, p);
                }
    // Long runs: a run of one colour over several rows, then a raw stretch across a row end.
    for (uint8_t type : {10, 11}) {
        const int n = type == 10 ? 3 : 1;
        TgaParts p(type, uint8_t(8 * n), 3, 200);
        p.pixels = QByteArray(300 * n, '\x40') + test::patternPixels(300, n, 7);
        add(corpus, p);
    }
    return corpus;
}

// A picture as opaque 0xffRRGGBB pixels, top row first; no pixels when it was refused.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

Picture oracleDecode(const QByteArray& bytes) {
    int w = 0, h = 0, comp = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> data(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.constData()),
                              int(bytes.size()), &w, &h, &comp, 3),
        stbi_image_free);
    if (!data)
        return {};
    Picture picture{w, h, {}};
    for (const stbi_uc* p = data.get(); p != data.get() + w * h * 3; p += 3)
        picture.pixels.push_back(test::rgb(p[0], p[1], p[2]));
    return picture;
}

Picture ours(const QByteArray& bytes) {
    const TgaPixels decoded = decodeTga(bytes);
    if (!decoded.decoded())
        return {};
    const uint32_t* p = decoded.pixels;
    return {decoded.width, decoded.height, {p, p + decoded.width * decoded.height}};
}

// Position and values of the first differing pixel, for a readable failure.
::testing::AssertionResult samePixels(const Picture& ours, const Picture& oracle) {
    if (ours.width != oracle.width || ours.height != oracle.height)
        return ::testing::AssertionFailure() << "size " << ours.width << "x" << ours.height
                                             << " vs " << oracle.width << "x" << oracle.height;
    const auto [a, b] =
        std::mismatch(ours.pixels.begin(), ours.pixels.end(), oracle.pixels.begin());
    if (a == ours.pixels.end())
        return ::testing::AssertionSuccess();
    const auto at = a - ours.pixels.begin();
    return ::testing::AssertionFailure() << "pixel " << at % ours.width << "," << at / ours.width
                                         << ": " << std::hex << *a << " vs " << *b;
}

const auto kName = [](const auto& info) { return info.param.name; };

class OracleCorpus : public ::testing::TestWithParam<CorpusFile> {};

// Every pixel as the oracle's, and a whole file is not truncated.
TEST_P(OracleCorpus, DecodesLikeTheOracle) {
    const CorpusFile& file = GetParam();
    const Picture oracle = oracleDecode(file.bytes);
    ASSERT_FALSE(oracle.pixels.empty()) << "the oracle refused a well-formed file";
    EXPECT_TRUE(samePixels(ours(file.bytes), oracle));
    EXPECT_FALSE(decodeTga(file.bytes).truncated);
}

INSTANTIATE_TEST_SUITE_P(Generated, OracleCorpus, ::testing::ValuesIn(oracleCorpus()), kName);

// Where the oracle departs from the format (it ignores the right-to-left bit, refuses colour
// maps in true-colour files and takes the colour-map start as a byte offset), the reader must
// equal the oracle's decoding of the same picture stored the way the oracle reads right.
class OracleDepartures : public ::testing::TestWithParam<CorpusFile> {};

TEST_P(OracleDepartures, EqualsThePictureStoredTheOraclesWay) {
    const TgaParts original = GetParam().parts;
    const Picture plain = oracleDecode(buildTga(original));
    TgaParts p = original;
    p.descriptor |= 0x10;
    p.pixels.clear();
    const int n = (p.pixelDepth + 7) / 8;
    for (int r = 0; r < p.height; ++r)
        for (int x = p.width - 1; x >= 0; --x)
            p.pixels += original.pixels.mid((qsizetype(r) * p.width + x) * n, n);
    EXPECT_TRUE(samePixels(ours(buildTga(p)), plain)) << "right to left";

    if (original.colorMapType == 0) {
        p = original;
        p.colorMapType = 1;
        p.colorMapDepth = 24;
        p.colorMapStart = 3;
        p.colorMap = QByteArray(3 * 5, '\x7f');
        EXPECT_TRUE(samePixels(ours(buildTga(p)), plain)) << "skipped colour map";
    } else if (original.pixelDepth == 8) {
        // Entry k of a map that starts at index 10 is the colour of index 10 + k: the file whose
        // map holds entries 0-245 at indices 10-255 and whose pixels are raised by 10 looks the
        // same as the original with its indices capped at 245.
        TgaParts capped = original;
        p = original;
        p.colorMapStart = 10;
        p.colorMap = original.colorMap.left(246 * ((original.colorMapDepth + 7) / 8));
        p.pixels.clear();
        capped.pixels.clear();
        for (char c : original.pixels) {
            p.pixels.append(char(std::min(255, static_cast<uint8_t>(c) + 10)));
            capped.pixels.append(char(std::min(245, int(static_cast<uint8_t>(c)))));
        }
        EXPECT_TRUE(samePixels(ours(buildTga(p)), oracleDecode(buildTga(capped))))
            << "colour map start";
    }
}

std::vector<CorpusFile> oneSizePerKind() { // keeps the run short
    std::vector<CorpusFile> cases;
    for (const CorpusFile& f : oracleCorpus())
        if (f.parts.width == 7)
            cases.push_back(f);
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Generated, OracleDepartures, ::testing::ValuesIn(oneSizePerKind()), kName);

} // namespace
} // namespace wed
