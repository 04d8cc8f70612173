#include "edit/decimal_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wed {
namespace {

// Plain notation, never an exponent, fifteen significant digits, no superfluous zeros.
TEST(DecimalForm, ShortestPlainFormToFifteenSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {7, "7"},
        {1.5, "1.5"},
        {-34.25, "-34.25"},
        {100, "100"},
        {-0.0, "0"},
        {1e20, "100000000000000000000"},
        {-2.5e-5, "-0.000025"},
        {0.1 + 0.2, "0.3"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456789012345678.0, "123456789012346000"},
        {9.9999999999999999, "10"},
    };
    for (const auto& [value, form] : cases)
        EXPECT_EQ(decimalForm(value), QString::fromLatin1(form)) << value;
    EXPECT_TRUE(decimalForm(std::numeric_limits<double>::infinity()).isEmpty());
    EXPECT_TRUE(decimalForm(std::nan("")).isEmpty());
}

} // namespace
} // namespace wed
