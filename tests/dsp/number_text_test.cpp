#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace ampdesk {
namespace {

TEST(FormatTableValue, PlainDecimalWithoutTrailingZeros) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{19.7, "19.7"},
                 {1000, "1000"},
                 {1.0, "1"},
                 {0.2, "0.2"},
                 {-3.2, "-3.2"},
                 {0.0, "0"},
                 {-0.0, "0"},
                 {21900, "21900"},
                 {0.6, "0.6"},
                 {36, "36"},
                 {-24, "-24"},
                 {0.1 + 0.2, "0.3"},
                 {1e-5, "0.00001"},
                 {1.5e17, "150000000000000000"},
                 {123456.789, "123456.789"}};
    for (const auto& c : cases) EXPECT_EQ(FormatTableValue(c.value), c.text) << c.text;
}

TEST(FormatFixed, RoundsTheDecimalHalfAwayFromZero) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{-8.0, 1, "-8.0"},     {5.0, 1, "5.0"},      {0.0, 1, "0.0"},
                 {-0.0, 1, "0.0"},      {-0.04, 1, "0.0"},    {-0.05, 1, "-0.1"},
                 {0.05, 1, "0.1"},      {2.0125, 3, "2.013"}, {1.0005, 3, "1.001"},
                 {2.675, 2, "2.68"},    {-2.675, 2, "-2.68"}, {9.9996, 3, "10.000"},
                 {0.00049, 3, "0.000"}, {0.0005, 3, "0.001"}, {8.652, 3, "8.652"},
                 {123.456, 0, "123"},   {0.5, 0, "1"},        {0.4, 0, "0"}};
    for (const auto& c : cases) EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.text;
}

TEST(ParseUserValue, AcceptsOnlySignDigitsAndOnePoint) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"50", 50.0},          {"-3.1", -3.1},        {"0.1", 0.1},         {".5", 0.5},
        {"5.", 5.0},           {"-0", 0.0},           {"007", 7.0},         {"", std::nullopt},
        {"-", std::nullopt},   {".", std::nullopt},   {"-.", std::nullopt}, {"1.2.3", std::nullopt},
        {"+5", std::nullopt},  {" 5", std::nullopt},  {"5 ", std::nullopt}, {"1e3", std::nullopt},
        {"1,5", std::nullopt}, {"--5", std::nullopt}, {"5-", std::nullopt}, {"0x10", std::nullopt},
        {"inf", std::nullopt}, {"nan", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(ParseUserValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseUserValue, HugeNumbersBecomeInfinitiesForClamping) {
    const std::string huge(400, '9');
    EXPECT_EQ(ParseUserValue(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseUserValue("-" + huge), -std::numeric_limits<double>::infinity());
    const std::optional<double> tiny = ParseUserValue("0." + std::string(400, '0') + "1");
    ASSERT_TRUE(tiny.has_value());
    EXPECT_EQ(*tiny, 0.0);
}

TEST(ParseUserValue, ReadsBackWhatFormatTableValueWrites) {
    for (double v : {19.7, 0.2, -3.2, 1000.0, 35.8, -23.8, 2.0059}) {
        EXPECT_EQ(ParseUserValue(FormatTableValue(v)), v);
    }
}

}  // namespace
}  // namespace ampdesk
