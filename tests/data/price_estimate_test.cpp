#include "data/price_estimate.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace wed {
namespace {

const SkillCosts kShuffledCosts = {"30", "50", "10", "40", "20"};
const QString kNoEstimate = QStringLiteral("？ ～ ？");

TEST(PriceEstimate, FromBasePriceSkillCountRangeAndCosts) {
    const struct {
        QString price, count, range;
        SkillCosts costs;
        QString estimate;
    } cases[] = {
        // The cheapest kinds at the lowest value, the dearest at the highest.
        {"100", "2", "1 3", kShuffledCosts, "'130 ～ '370"},
        {"100", "1", "1 3", kShuffledCosts, "'110 ～ '250"},
        // A whole number written with decimals or blanks counts; any other count does not.
        {"100", "2.0", "1 3", kShuffledCosts, "'130 ～ '370"},
        {"100", " 2 ", "1 3", kShuffledCosts, "'130 ～ '370"},
        {"100", "2.5", "1 3", kShuffledCosts, kNoEstimate},
        {"100", "6", "1 3", kShuffledCosts, kNoEstimate},
        // Costs never loaded count as zero.
        {"1500", "3", "2 8", SkillCosts{}, "'1500 ～ '1500"},
        // A leading blank leaves nothing for the minimum; blanks after it are skipped.
        {"100", "2", " 3", kShuffledCosts, "'100 ～ '370"},
        {"0", "1", "5 1 0", kShuffledCosts, "'50 ～ '500"},
        // Only ten characters are read for the maximum.
        {"0", "1", "0 123456789012", SkillCosts{"1"}, "' ～ 123456'7890"},
        // A blank as the 20th character still splits; as the 21st it is not found.
        {"0", "1", QString(19, u'0') + " 2", SkillCosts{"1"}, "' ～ '2"},
        {"0", "1", QString(20, u'0') + " 2", SkillCosts{"1"}, kNoEstimate},
        {"100", "2", "13", kShuffledCosts, kNoEstimate},
        // Reversed and negative ranges keep their order.
        {"100", "1", "3 1", kShuffledCosts, "'130 ～ '150"},
        {"0", "1", "-20 -1", kShuffledCosts, "-'200 ～ -'50"},
        // A figure that is not finite is unknown.
        {"1e999", "1", "1 3", kShuffledCosts, kNoEstimate},
        {"100", "1", "1 1e999", kShuffledCosts, "'110 ～ ？"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(estimatePrice(c.price, c.count, c.range, c.costs), c.estimate)
            << c.price.toStdString() << " / " << c.count.toStdString() << " / "
            << c.range.toStdString();
}

// Eight places filled from the right around the apostrophe, more digits in front, halves
// rounded away from zero, and anything that rounds to zero a lone apostrophe.
TEST(PriceMask, FillsEightPlacesFromTheRightAroundTheApostrophe) {
    const std::pair<double, const char*> cases[] = {
        {12345, "1'2345"}, {1e20, "10000000000000000'0000"},
        {2.5, "'3"},       {2.4999, "'2"},
        {-2.5, "-'3"},     {9999.5, "1'0000"},
        {-0.4, "'"},
    };
    for (const auto& [value, mask] : cases)
        EXPECT_EQ(priceMask(value), QString::fromLatin1(mask)) << value;
}

} // namespace
} // namespace wed
