#include "app/price_estimate.h"

#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for texts; static so that no other test file's printer clashes.
[[maybe_unused]] static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace wed {
namespace {

const SkillCosts kShuffledCosts = {"30", "50", "10", "40", "20"};
const QString kNoEstimate = QStringLiteral("？ ～ ？");

TEST(PriceEstimate, TakesTheCheapestKindsAtTheLowestValueAndTheDearestAtTheHighest) {
    EXPECT_EQ(estimatePrice(u"100", u"2", u"1 3", kShuffledCosts), QStringLiteral("'130 ～ '370"));
    EXPECT_EQ(estimatePrice(u"100", u"1", u"1 3", kShuffledCosts), QStringLiteral("'110 ～ '250"));
    // With all five kinds both ends sum every cost: 150.
    EXPECT_EQ(estimatePrice(u"100", u"5", u"1 3", kShuffledCosts), QStringLiteral("'250 ～ '550"));
}

TEST(PriceEstimate, CountsAWholeNumberWrittenWithDecimalsAndRefusesAnyOtherCount) {
    EXPECT_EQ(estimatePrice(u"100", u"2.0", u"1 3", kShuffledCosts),
              QStringLiteral("'130 ～ '370"));
    EXPECT_EQ(estimatePrice(u"100", u" 2 ", u"1 3", kShuffledCosts),
              QStringLiteral("'130 ～ '370"));
    for (const char16_t* count : {u"2.5", u"0", u"6", u"-1", u"无", u""})
        EXPECT_EQ(estimatePrice(u"100", count, u"1 3", kShuffledCosts), kNoEstimate)
            << QString::fromUtf16(count).toStdString();
}

TEST(PriceEstimate, CostsNeverLoadedCountAsZeroSoBothEndsAreTheBasePrice) {
    EXPECT_EQ(estimatePrice(u"1500", u"3", u"2 8", SkillCosts{}), QStringLiteral("'1500 ～ '1500"));
}

TEST(PriceEstimate, SplitsTheRangeAtItsFirstBlankWithinTwentyCharacters) {
    // A leading blank leaves nothing for the minimum.
    EXPECT_EQ(estimatePrice(u"100", u"2", u" 3", kShuffledCosts), QStringLiteral("'100 ～ '370"));
    // Blanks among the ten characters after the blank are skipped by the numeric rule.
    EXPECT_EQ(estimatePrice(u"0", u"1", u"5 1 0", kShuffledCosts), QStringLiteral("'50 ～ '500"));
    // Only ten characters are read for the maximum.
    EXPECT_EQ(estimatePrice(u"0", u"1", u"0 123456789012", SkillCosts{"1"}),
              QStringLiteral("' ～ 123456'7890"));
    // A blank as the 20th character still splits; as the 21st it is not found.
    const QString at20 = QString(19, u'0') + QStringLiteral(" 2");
    EXPECT_EQ(estimatePrice(u"0", u"1", at20, SkillCosts{"1"}), QStringLiteral("' ～ '2"));
    const QString at21 = QString(20, u'0') + QStringLiteral(" 2");
    EXPECT_EQ(estimatePrice(u"0", u"1", at21, SkillCosts{"1"}), kNoEstimate);
    EXPECT_EQ(estimatePrice(u"100", u"2", u"13", kShuffledCosts), kNoEstimate);
}

TEST(PriceEstimate, LeavesTheFiguresUnorderedForNegativeOrReversedRanges) {
    EXPECT_EQ(estimatePrice(u"100", u"1", u"3 1", kShuffledCosts), QStringLiteral("'130 ～ '150"));
    EXPECT_EQ(estimatePrice(u"0", u"1", u"-20 -1", kShuffledCosts),
              QStringLiteral("-'200 ～ -'50"));
}

TEST(PriceEstimate, ShowsAFigureThatIsNotFiniteAsUnknown) {
    EXPECT_EQ(estimatePrice(u"1e999", u"1", u"1 3", kShuffledCosts), QStringLiteral("？ ～ ？"));
    EXPECT_EQ(estimatePrice(u"100", u"1", u"1 1e999", kShuffledCosts),
              QStringLiteral("'110 ～ ？"));
}

TEST(PriceMask, FillsEightPlacesFromTheRightAroundTheApostrophe) {
    EXPECT_EQ(priceMask(0), QStringLiteral("'"));
    EXPECT_EQ(priceMask(7), QStringLiteral("'7"));
    EXPECT_EQ(priceMask(800), QStringLiteral("'800"));
    EXPECT_EQ(priceMask(1000), QStringLiteral("'1000"));
    EXPECT_EQ(priceMask(12345), QStringLiteral("1'2345"));
    EXPECT_EQ(priceMask(10000000), QStringLiteral("1000'0000"));
    EXPECT_EQ(priceMask(99999999), QStringLiteral("9999'9999"));
}

TEST(PriceMask, PutsDigitsBeyondTheEighthInFront) {
    EXPECT_EQ(priceMask(100000000), QStringLiteral("10000'0000"));
    EXPECT_EQ(priceMask(123456789), QStringLiteral("12345'6789"));
    EXPECT_EQ(priceMask(1e20), QStringLiteral("10000000000000000'0000"));
}

TEST(PriceMask, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(priceMask(2.5), QStringLiteral("'3"));
    EXPECT_EQ(priceMask(3.5), QStringLiteral("'4"));
    EXPECT_EQ(priceMask(2.4999), QStringLiteral("'2"));
    EXPECT_EQ(priceMask(-2.5), QStringLiteral("-'3"));
    EXPECT_EQ(priceMask(9999.5), QStringLiteral("1'0000"));
    // Anything that rounds to zero is a lone apostrophe, without a sign.
    EXPECT_EQ(priceMask(-0.4), QStringLiteral("'"));
}

} // namespace
} // namespace wed
