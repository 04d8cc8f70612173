// The sample generator's pieces that the committed folder alone does not show: the large
// files benchmarks ask for, and the TGA encoder in every layout, read back by the editor's
// own decoder.
#include "base/category.h"
#include "base/line_buffer.h"
#include "data/item_list.h"
#include "image/tga_decoder.h"
#include "indexed_picture.h"
#include "sample_game.h"
#include "tga_writer.h"

#include <QSet>
#include <gtest/gtest.h>

namespace wed {
namespace {

using sample::TgaFormat;
using sample::TgaLayout;

TEST(SampleText, GrowsToTheLinesAskedForWithNewIds) {
    const sample::SampleText base = sample::makeSampleText();
    EXPECT_EQ(sample::makeSampleText(10).itemFile, base.itemFile); // small requests: the sample
    for (const qsizetype wanted : {qsizetype(30000), qsizetype(100000)}) {
        const sample::SampleText big = sample::makeSampleText(wanted);
        const LineBuffer items(big.itemFile);
        EXPECT_EQ(items.lineCount(), big.itemLines);
        EXPECT_GE(big.itemLines, wanted);
        EXPECT_LT(big.itemLines, wanted + 40); // stops after the record that reaches the size
        EXPECT_TRUE(big.itemFile.startsWith(base.itemFile.chopped(2)));

        const LineBuffer names(big.nameFile);
        QSet<QString> nameHeaders;
        for (qsizetype i = 0; i < names.lineCount(); ++i)
            nameHeaders.insert(names.line(i));
        for (const Category& c : categories()) {
            const QStringList ids = listItemIds(items, c);
            EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()).size(), ids.size()) << c.panel;
            for (const QString& id : ids)
                ASSERT_TRUE(nameHeaders.contains('<' + id + '>')) << id.toStdString();
        }
    }
}

// A picture with long runs (more than one packet's 128 pixels), lone pixels and a row that
// differs from its neighbours, in five colours.
sample::IndexedPicture testPicture() {
    sample::IndexedPicture p(300, 5);
    p.palette[0] = {200, 16, 40};
    p.palette[1] = {8, 248, 96};
    p.palette[2] = {0, 0, 0};
    p.palette[3] = {255, 255, 255};
    p.palette[4] = {120, 64, 232};
    p.paletteSize = 5;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.at(x, y) = std::uint8_t(y == 2 ? (x * 7 + x / 3) % 5 : (x < 200 ? y % 5 : x % 2 + 3));
    return p;
}

// The colour the file should give back for a palette colour: 16-bit keeps five bits of each
// component, greyscale keeps the luminance.
QRgb expected(sample::Rgb c, TgaLayout layout) {
    if (layout == TgaLayout::Grey8) {
        const int grey = (299 * c.red + 587 * c.green + 114 * c.blue + 500) / 1000;
        return qRgb(grey, grey, grey);
    }
    if (layout == TgaLayout::True16) {
        auto five = [](int v) { return (v >> 3) * 255 / 31; };
        return qRgb(five(c.red), five(c.green), five(c.blue));
    }
    return qRgb(c.red, c.green, c.blue);
}

TEST(SampleTga, EveryLayoutReadsBackAsDrawn) {
    const sample::IndexedPicture picture = testPicture();
    for (const TgaLayout layout : {TgaLayout::ColourMapped8, TgaLayout::Grey8, TgaLayout::True16,
                                   TgaLayout::True24, TgaLayout::True32})
        for (const bool runLength : {false, true})
            for (const bool topDown : {false, true}) {
                const TgaFormat format{layout, runLength, topDown};
                const QByteArray file = sample::encodeTga(picture, format);
                const TgaImage tga = decodeTga(file);
                const std::string where = std::to_string(int(layout)) + (runLength ? " rle" : "") +
                                          (topDown ? " top-down" : "");
                ASSERT_TRUE(tga.header.has_value()) << where;
                EXPECT_EQ(tga.header->ImageType, sample::tgaImageType(format)) << where;
                EXPECT_EQ(tga.header->IDLength, 0) << where;
                ASSERT_EQ(tga.image.size(), QSize(picture.width, picture.height)) << where;
                int wrong = 0;
                for (int y = 0; y < picture.height; ++y)
                    for (int x = 0; x < picture.width; ++x)
                        wrong += (tga.image.pixel(x, y) & 0xFFFFFF) !=
                                 (expected(picture.colour(x, y), layout) & 0xFFFFFF);
                EXPECT_EQ(wrong, 0) << where;
                if (runLength) {
                    EXPECT_LT(file.size(),
                              sample::encodeTga(picture, {layout, false, topDown}).size())
                        << where;
                }
            }
}

} // namespace
} // namespace wed
