#include "level_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "number_text.h"

namespace ampdesk {
namespace {

TEST(GainScale, CodesShowTheirLevel) {
    const struct {
        int code;
        double db;
        const char* text;
    } cases[] = {{0, -20.0, "-20.0 dB"}, {120, -8.0, "-8.0 dB"}, {195, -0.5, "-0.5 dB"},
                 {200, 0.0, "0.0 dB"},   {201, 0.1, "0.1 dB"},   {250, 5.0, "5.0 dB"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(GainCodeToDb(c.code), c.db);
        EXPECT_EQ(GainText(c.code), c.text);
    }
}

TEST(GainScale, EveryCodeRoundTripsThroughItsLevel) {
    for (int code = 0; code <= kGainCodeMax; ++code) {
        EXPECT_EQ(GainDbToCode(GainCodeToDb(code)), code);
        EXPECT_EQ(GainText(code), FormatFixed(GainCodeToDb(code), 1) + " dB") << code;
    }
}

TEST(GainScale, LevelsSnapToTheNearestCodeTiesDown) {
    const struct {
        double db;
        std::optional<int> code;
    } cases[] = {{-12.04, 80}, {-12.06, 79}, {-12.05, 79},
                 {-25.0, 0},   {5.0, 250},   {5.01, std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(GainDbToCode(c.db), c.code) << c.db;
}

TEST(GainScale, CodesOutsideTheRangeAreHeldToIt) {
    EXPECT_EQ(GainText(-3), "-20.0 dB");
    EXPECT_EQ(GainText(300), "5.0 dB");
    EXPECT_EQ(GainCodeToDb(251), 5.0);
}

TEST(GainFader, PositionToLevelTruncatesTenths) {
    const struct {
        int y;
        double db;
    } cases[] = {{26, 5.0},   {27, 4.8},    {61, 0.1},   {62, 0.0},
                 {100, -5.3}, {204, -19.8}, {205, -20.0}};
    for (const auto& c : cases) EXPECT_EQ(FaderPositionToDb(c.y), c.db) << c.y;
    EXPECT_FALSE(std::signbit(FaderPositionToDb(62)));
}

TEST(GainFader, WholeTravelStaysWithinTheGainRange) {
    for (int y = kFaderTop - 10; y <= kFaderBottom + 10; ++y) {
        const double db = FaderPositionToDb(y);
        EXPECT_LE(db, 5.0) << y;
        EXPECT_GE(db, -20.0) << y;
        // Every position lands on a code: the fader never stalls on a level
        // that matches no table entry.
        EXPECT_TRUE(FaderLevelToGainCode(db).has_value()) << y;
    }
}

TEST(GainFader, LevelToPosition) {
    const struct {
        double db;
        int y;
    } cases[] = {{5.0, 26}, {0.0, 61}, {-8.0, 119}, {-12.0, 147}, {-20.0, 205}};
    for (const auto& c : cases) EXPECT_EQ(DbToFaderPosition(c.db), c.y) << c.db;
}

TEST(GainFader, LevelsFindTheirCodeByText) {
    EXPECT_EQ(FaderLevelToGainCode(4.8), 248);
    EXPECT_EQ(FaderLevelToGainCode(-5.3), 147);
    EXPECT_EQ(FaderLevelToGainCode(0.0), 200);
    EXPECT_EQ(FaderLevelToGainCode(-19.8), 2);
    EXPECT_EQ(FaderLevelToGainCode(7.0), std::nullopt);
}

TEST(MasterVolume, Texts) {
    const struct {
        int code;
        const char* text;
    } cases[] = {{0, "静音"},     {1, "-60.0 dB"}, {239, "-12.4 dB"}, {300, "-0.2 dB"},
                 {301, "0.0 dB"}, {302, "0.0 dB"}, {-1, "静音"}};
    for (const auto& c : cases) EXPECT_EQ(VolumeText(c.code), c.text) << c.code;
    EXPECT_DOUBLE_EQ(VolumeDb(1), -60.0);
}

TEST(Delay, TextsOfBothEditions) {
    const struct {
        int code;
        const char* ms;
        const char* metres;
        const char* feet;
    } cases[] = {{0, "0.000 Ms", "0.000", "0.000 Ft"},
                 {1, "0.021 Ms", "0.007", "0.024 Ft"},
                 {412, "8.652 Ms", "2.980", "9.777 Ft"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const DelayTextSet a = DelayTexts(c.code, Edition::A);
        const DelayTextSet b = DelayTexts(c.code, Edition::B);
        EXPECT_EQ(a.Ms, c.ms);
        EXPECT_EQ(a.Metres, std::string(c.metres) + " Mt");
        EXPECT_EQ(b.Metres, std::string(c.metres) + " Mm");
        EXPECT_EQ(a.Feet, c.feet);
        EXPECT_EQ(b.Ms, a.Ms);
        EXPECT_EQ(b.Feet, a.Feet);
    }
}

// The texts come from exact fractions; the doubles the editors may show
// elsewhere must round to the same three decimals for every code.
TEST(Delay, TextsAgreeWithTheUnitConversionsForEveryCode) {
    for (int code = 0; code <= kDelayCodeMax; ++code) {
        const DelayTextSet t = DelayTexts(code, Edition::A);
        EXPECT_EQ(t.Ms, FormatFixed(DelayMs(code), 3) + " Ms") << code;
        EXPECT_EQ(t.Metres, FormatFixed(DelayMetres(code), 3) + " Mt") << code;
        EXPECT_EQ(t.Feet, FormatFixed(DelayFeet(code), 3) + " Ft") << code;
    }
    EXPECT_DOUBLE_EQ(DelayMs(412), 8.652);
}

TEST(Limiter, ListsStartAndEndAsTheDeviceCountsThem) {
    EXPECT_EQ(ThresholdTexts().front(), "-19dBu");
    EXPECT_EQ(ThresholdTexts()[10], "-9dBu");
    EXPECT_EQ(ThresholdTexts().back(), "0dBu");
    for (int code = 0; code <= kThresholdCodeMax; ++code)
        EXPECT_EQ(ThresholdTexts()[static_cast<std::size_t>(code)],
                  std::to_string(ThresholdDbu(code)) + "dBu");
    EXPECT_EQ(AttackTexts().front(), "0.5 ms");
    EXPECT_EQ(AttackTexts().back(), "50 ms");
    EXPECT_EQ(ReleaseTexts().front(), "90ms");
    EXPECT_EQ(ReleaseTexts()[4], "1200ms");
    EXPECT_EQ(ReleaseTexts().back(), "5000ms");
}

TEST(Temperature, ReadingsToIndexAndText) {
    const struct {
        std::uint16_t reading;
        int index;
        const char* text;
    } cases[] = {{0, 0, ">=70 °C"},     {1123, 0, ">=70 °C"},  {1153, 0, ">=70 °C"},
                 {1154, 1, "68 °C"},    {1220, 1, "68 °C"},    {1222, 1, "68 °C"},
                 {1223, 2, "66 °C"},    {2232, 12, "46 °C"},   {4988, 29, "12 °C"},
                 {4989, 30, "<=10 °C"}, {5118, 30, "<=10 °C"}, {6000, 30, "<=10 °C"},
                 {65535, 30, "<=10 °C"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reading);
        EXPECT_EQ(SensorToTemperatureIndex(c.reading), c.index);
        EXPECT_EQ(TemperatureText(SensorToTemperatureIndex(c.reading)), c.text);
    }
}

TEST(Temperature, EveryReferenceReadingGivesItsOwnIndex) {
    for (int k = 0; k <= kTemperatureIndexMax; ++k)
        EXPECT_EQ(SensorToTemperatureIndex(static_cast<std::uint16_t>(
                      TemperatureSensorTable[static_cast<std::size_t>(k)])),
                  k);
}

TEST(Temperature, ListTextsPerEdition) {
    const auto& a = TemperatureListTexts(Edition::A);
    const auto& b = TemperatureListTexts(Edition::B);
    EXPECT_EQ(a.back(), "<=10 °C");
    EXPECT_EQ(b.back(), "10 °C");
    for (int k = 0; k < kTemperatureIndexMax; ++k) {
        EXPECT_EQ(a[static_cast<std::size_t>(k)], TemperatureText(k));
        EXPECT_EQ(b[static_cast<std::size_t>(k)], TemperatureText(k));
    }
    EXPECT_EQ(TemperatureText(30), "<=10 °C");
    EXPECT_EQ(TemperatureText(99), "<=10 °C");
}

}  // namespace
}  // namespace ampdesk
