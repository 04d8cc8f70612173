// The reader against stb_image on a generated corpus: every pixel the same, alpha aside.
#include "image/tga_decoder.h"
#include "image/tga_reader.h"
#include "tga_corpus.h"

#include <gtest/gtest.h>
#include <memory>
#include <stb_image.h>

namespace wed {
namespace {

using test::CorpusFile;

// stb_image's decoding as opaque 0xffRRGGBB pixels, or a null image when it refuses the file.
QImage oracleDecode(const QByteArray& bytes) {
    int w = 0, h = 0, comp = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> data(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.constData()),
                              int(bytes.size()), &w, &h, &comp, 3),
        stbi_image_free);
    if (!data)
        return {};
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const stbi_uc* p = data.get() + (y * w + x) * 3;
            image.setPixel(x, y, qRgb(p[0], p[1], p[2]));
        }
    return image;
}

// Position and values of the first differing pixel, for a readable failure.
::testing::AssertionResult samePixels(const QImage& ours, const QImage& oracle) {
    if (ours.size() != oracle.size())
        return ::testing::AssertionFailure() << "size " << ours.width() << "x" << ours.height()
                                             << " vs " << oracle.width() << "x" << oracle.height();
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            if (ours.pixel(x, y) != oracle.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << ": " << std::hex << ours.pixel(x, y)
                       << " vs " << oracle.pixel(x, y);
    return ::testing::AssertionSuccess();
}

class OracleCorpus : public ::testing::TestWithParam<CorpusFile> {};

// Every pixel as the oracle's, and the reader accepts the file and reports its properties.
TEST_P(OracleCorpus, DecodesLikeTheOracle) {
    const CorpusFile& file = GetParam();
    const QImage oracle = oracleDecode(file.bytes);
    ASSERT_FALSE(oracle.isNull()) << "the oracle refused a well-formed file";
    const TgaImage ours = decodeTga(file.bytes);
    ASSERT_FALSE(ours.image.isNull());
    EXPECT_TRUE(samePixels(ours.image, oracle));

    LoadTGA reader;
    reader.setScaleMode(0);
    reader.LoadFromBytes(file.bytes);
    EXPECT_EQ(reader.IsTGA(), -1);
    EXPECT_EQ(QSize(reader.TGAWidth(), reader.TGAHeight()), oracle.size());
    EXPECT_EQ(reader.Bpp(), file.parts.pixelDepth);
    EXPECT_EQ(reader.Compressed(),
              file.parts.imageType == 9 || file.parts.imageType == 10 ? -1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Generated, OracleCorpus, ::testing::ValuesIn(test::oracleCorpus()),
                         [](const auto& info) { return info.param.name; });

// Where the oracle departs from the format (it ignores the right-to-left bit, takes the
// colour-map start as a byte offset and refuses colour maps in true-colour files), the reader
// must equal the oracle's decoding of the same picture stored the way the oracle reads right.
QByteArray mirroredRows(const test::TgaParts& p) {
    const int n = (p.pixelDepth + 7) / 8;
    QByteArray out;
    for (int r = 0; r < p.height; ++r)
        for (int x = p.width - 1; x >= 0; --x)
            out += p.pixels.mid((qsizetype(r) * p.width + x) * n, n);
    return out;
}

template <class Keep> std::vector<CorpusFile> someOf(Keep keep) {
    std::vector<CorpusFile> cases;
    for (const CorpusFile& f : test::oracleCorpus())
        if (f.parts.width == 7 && keep(f.parts)) // one size per kind keeps the run short
            cases.push_back(f);
    return cases;
}

class RightToLeft : public ::testing::TestWithParam<CorpusFile> {};

TEST_P(RightToLeft, EqualsTheMirroredLeftToRightFile) {
    test::TgaParts p = GetParam().parts;
    const QByteArray plain = buildTga(p);
    p.descriptor |= 0x10;
    p.pixels = mirroredRows(p);
    EXPECT_TRUE(samePixels(decodeTga(buildTga(p)).image, oracleDecode(plain)));
}

INSTANTIATE_TEST_SUITE_P(Generated, RightToLeft,
                         ::testing::ValuesIn(someOf([](const auto&) { return true; })),
                         [](const auto& info) { return info.param.name; });

class ColourMapInTrueColour : public ::testing::TestWithParam<CorpusFile> {};

TEST_P(ColourMapInTrueColour, IsSkipped) {
    test::TgaParts p = GetParam().parts;
    const QByteArray plain = buildTga(p);
    p.colorMapType = 1;
    p.colorMapDepth = 24;
    p.colorMapStart = 3;
    p.colorMap = QByteArray(3 * 5, '\x7f');
    EXPECT_TRUE(samePixels(decodeTga(buildTga(p)).image, oracleDecode(plain)));
}

INSTANTIATE_TEST_SUITE_P(Generated, ColourMapInTrueColour,
                         ::testing::ValuesIn(someOf([](const auto& p) {
                             return p.colorMapType == 0;
                         })),
                         [](const auto& info) { return info.param.name; });

class ColourMapStart : public ::testing::TestWithParam<CorpusFile> {};

// Entry k of a map that starts at index 10 is the colour of index 10 + k: the file whose map
// holds entries 0-245 at indices 10-255 and whose pixels are raised by 10 looks the same as the
// original with its indices capped at 245.
TEST_P(ColourMapStart, ShiftsTheIndices) {
    const test::TgaParts original = GetParam().parts;
    const int entryBytes = (original.colorMapDepth + 7) / 8;
    test::TgaParts shifted = original;
    shifted.colorMapStart = 10;
    shifted.colorMap = original.colorMap.left(246 * entryBytes);
    shifted.pixels.clear();
    test::TgaParts capped = original;
    capped.pixels.clear();
    for (char c : original.pixels) {
        const int index = static_cast<uint8_t>(c);
        shifted.pixels.append(char(std::min(255, index + 10)));
        capped.pixels.append(char(std::min(245, index)));
    }
    EXPECT_TRUE(samePixels(decodeTga(buildTga(shifted)).image, oracleDecode(buildTga(capped))));
}

INSTANTIATE_TEST_SUITE_P(Generated, ColourMapStart, ::testing::ValuesIn(someOf([](const auto& p) {
                             return p.colorMapType == 1 && p.pixelDepth == 8;
                         })),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace wed
