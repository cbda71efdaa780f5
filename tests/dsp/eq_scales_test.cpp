#include "eq_scales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "nearest_index.h"
#include "number_text.h"

namespace ampdesk {
namespace {

TEST(EqTables, SizesEndsAndTellingEntries) {
    EXPECT_EQ(FrequencyTable.size(), 244u);
    EXPECT_EQ(FrequencyTable.front(), 19.7);
    EXPECT_EQ(FrequencyTable[76], 179.0);
    EXPECT_EQ(FrequencyTable[136], 1000.0);
    EXPECT_EQ(FrequencyTable.back(), 21900.0);

    EXPECT_EQ(QTable.size(), 180u);
    EXPECT_EQ(QTable[0], 0.2);
    EXPECT_EQ(QTable[2], 0.6);  // not 3 * 0.2 = 0.6000000000000001
    EXPECT_EQ(QTable[4], 1.0);
    EXPECT_EQ(QTable[179], 36.0);

    EXPECT_EQ(EqGainTable.size(), 181u);
    EXPECT_EQ(EqGainTable[0], -24.0);
    EXPECT_EQ(EqGainTable[104], -3.2);
    EXPECT_EQ(EqGainTable[120], 0.0);
    EXPECT_EQ(EqGainTable[135], 3.0);
    EXPECT_EQ(EqGainTable[180], 12.0);
}

TEST(EqTables, EveryEntryIsTheDoubleOfItsDecimal) {
    for (std::size_t i = 0; i < QTable.size(); ++i)
        EXPECT_EQ(QTable[i], std::stod(FormatFixed(0.2 * static_cast<double>(i + 1), 1))) << i;
    for (std::size_t i = 0; i < EqGainTable.size(); ++i)
        EXPECT_EQ(EqGainTable[i], std::stod(FormatFixed(-24.0 + 0.2 * static_cast<double>(i), 1)))
            << i;
}

TEST(EqTables, StrictlyIncreasing) {
    auto increasing = [](const auto& t) {
        return std::adjacent_find(t.begin(), t.end(), std::greater_equal<double>()) == t.end();
    };
    EXPECT_TRUE(increasing(FrequencyTable));
    EXPECT_TRUE(increasing(QTable));
    EXPECT_TRUE(increasing(EqGainTable));
}

TEST(NearestIndex, EndsTiesAndEmptyTables) {
    const double t[] = {1.0, 2.0, 4.0};
    const struct {
        double value;
        int index;
        std::optional<int> inRange;
    } cases[] = {{-100, 0, 0},          {1.0, 0, 0}, {1.5, 0, 0}, {1.5000001, 1, 1},
                 {3.0, 1, 1},           {3.1, 2, 2}, {4.0, 2, 2}, {4.5, 2, std::nullopt},
                 {NAN, 2, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(NearestIndex(t, c.value), c.index) << c.value;
        EXPECT_EQ(NearestIndexInRange(t, c.value), c.inRange) << c.value;
    }
    EXPECT_EQ(NearestIndex({}, 1.0), 0);
    EXPECT_EQ(NearestIndexInRange({}, 1.0), std::nullopt);
    const double one[] = {5.0};
    EXPECT_EQ(NearestIndex(one, 9.0), 0);
    EXPECT_EQ(NearestIndexInRange(one, 9.0), std::nullopt);
    EXPECT_EQ(NearestIndexInRange(one, 1.0), 0);
}

// What a band field does with typed text: parse, clamp to the field's bounds,
// snap, then show the table value.
struct TypedCase {
    const char* typed;
    int index;
    const char* shown;
};

template <std::size_t N>
void expectTyped(const std::array<double, N>& table, double lo, double hi,
                 std::initializer_list<TypedCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::optional<double> v = ParseUserValue(c.typed);
        ASSERT_TRUE(v.has_value());
        const int index = NearestIndex(table, std::clamp(*v, lo, hi));
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(FormatTableValue(table[static_cast<std::size_t>(index)]), c.shown);
    }
}

TEST(TypedBandValues, FrequencySnapsToTheTable) {
    expectTyped(FrequencyTable, kBandFreqMin, kBandFreqMax,
                {{"50", 32, "49.6"},
                 {"100", 56, "99.2"},
                 {"1015", 136, "1000"},  // exactly halfway: the lower entry
                 {"1016", 137, "1030"},
                 {"19801", 240, "20100"},
                 {"19799", 239, "19500"},
                 {"1", 0, "19.7"},
                 {"99999", 243, "21900"},
                 {"21900", 243, "21900"},
                 {"179", 76, "179"}});
}

TEST(TypedBandValues, GainSnapsToTheTable) {
    expectTyped(EqGainTable, kBandGainMin, kBandGainMax,
                {{"0.1", 120, "0"},
                 {"-0.1", 119, "-0.2"},
                 {"-3.1", 104, "-3.2"},
                 {"40", 180, "12"},
                 {"-100", 0, "-24"},
                 {"3", 135, "3"}});
}

TEST(TypedBandValues, QSnapsToTheTable) {
    expectTyped(
        QTable, kBandQMin, kBandQMax,
        {{"1.1", 5, "1.2"}, {"0", 0, "0.2"}, {"1", 4, "1"}, {"500", 179, "36"}, {"0.5", 1, "0.4"}});
}

TEST(PlotAxes, GeometryConstants) {
    EXPECT_EQ(PlotLeftMargin, 60);
    EXPECT_EQ(PlotRightMargin, 33);
    EXPECT_DOUBLE_EQ(DecadeWidth, 581.0 / 3.0);
    EXPECT_EQ(kLastCurveColumn, 713);
    EXPECT_EQ(kCurveColumns, 672);
}

TEST(PlotGrid, LevelLinesAndFrequencyLines) {
    const int rows[] = {40, 63, 86, 109, 133, 156, 179, 202};
    for (int j = 1; j <= 8; ++j) EXPECT_EQ(GridRowY(j), rows[j - 1]) << j;
    const struct {
        double hz;
        int x;
    } cases[] = {{20, 101}, {50, 177}, {100, 236}, {1000, 429}, {2000, 487}, {10000, 622}};
    for (const auto& c : cases) EXPECT_EQ(GridColumnX(c.hz), c.x) << c.hz;
    // The grid's own divisor puts some lines a pixel left of the curve axis.
    EXPECT_EQ(FreqToX(1000), GridColumnX(1000) + 1);
    EXPECT_EQ(FreqToX(20), GridColumnX(20));
}

TEST(PlotAxes, FrequencyToColumn) {
    const struct {
        double hz;
        int x;
    } cases[] = {{20, 101}, {1000, 430}, {19.7, 99}, {21900, 689}, {20000, 682}, {200, 294}};
    for (const auto& c : cases) EXPECT_EQ(FreqToX(c.hz), c.x) << c.hz;
}

TEST(PlotAxes, LevelToRow) {
    const struct {
        double db;
        int y;
    } cases[] = {{15, 16}, {0, 86}, {-24, 198}, {-30, 227}, {-3.2, 101}, {3.0, 72}, {12, 30}};
    for (const auto& c : cases) EXPECT_EQ(DbToY(c.db), c.y) << c.db;
}

TEST(PlotAxes, ColumnFrequencies) {
    EXPECT_EQ(ColumnFrequency(101), 20.0);
    EXPECT_NEAR(ColumnFrequency(42), 9.9, 0.05);
    EXPECT_NEAR(ColumnFrequency(713), 28900, 100);
    EXPECT_NEAR(ColumnFrequency(430), 999.6, 0.05);
    EXPECT_NEAR(ColumnFrequency(682), 20000, 1e-6);
}

TEST(PlotAxes, ColumnToFrequencyIndex) {
    EXPECT_EQ(XToFreqIndex(101), 0);  // 20 Hz lies exactly between 19.7 and 20.3
    EXPECT_EQ(XToFreqIndex(42), 0);
    EXPECT_EQ(XToFreqIndex(430), 136);
    EXPECT_EQ(XToFreqIndex(713), 243);
    // Every table frequency placed on the plot reads back to itself or a neighbour.
    for (int i = 0; i <= kFreqIndexMax; ++i)
        EXPECT_LE(std::abs(XToFreqIndex(FreqToX(FrequencyTable[static_cast<std::size_t>(i)])) - i),
                  1)
            << i;
}

TEST(PlotAxes, RowToGainIndexIsNotTheInverseOfLevelToRow) {
    const struct {
        int y;
        int index;
    } cases[] = {{0, 180}, {18, 180}, {86, 121}, {101, 105}, {227, 0}, {249, 0}};
    for (const auto& c : cases) EXPECT_EQ(YToGainIndex(c.y), c.index) << c.y;
    // Dragging to a row and snapping moves the marker by at most three pixels.
    for (int y = DbToY(12); y <= DbToY(-24); ++y) {
        const int settled = DbToY(EqGainTable[static_cast<std::size_t>(YToGainIndex(y))]);
        EXPECT_LE(std::abs(settled - y), 3) << y;
    }
}

}  // namespace
}  // namespace ampdesk
