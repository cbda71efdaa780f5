#include "crossover_response.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "reference_response.h"

namespace ampdesk {
namespace {

double at(const CurveRow& row, int x) {
    return row[static_cast<std::size_t>(curveElement(x))];
}

CurveRow filterCurve(FilterKind kind, int freqIndex, int alignment) {
    CurveRow row{};
    ComputeCrossoverCurve(kind, freqIndex, alignment, row);
    return row;
}

constexpr int k20kHzColumn = 682;

TEST(CrossoverCurve, HighPassOffIsFlat) {
    const CurveRow row = filterCurve(FilterKind::HighPass, 0, 0);
    for (int x = kFirstCurveColumn; x <= kLastCurveColumn; ++x)
        ASSERT_NEAR(at(row, x), 0.0, 0.001) << x;
}

TEST(CrossoverCurve, LowPassOffIsNearlyFlatUpTo20kHz) {
    const CurveRow row = filterCurve(FilterKind::LowPass, kFreqIndexMax, 0);
    for (int x = kFirstCurveColumn; x <= k20kHzColumn; ++x) ASSERT_NEAR(at(row, x), 0.0, 0.04) << x;
    EXPECT_NEAR(at(row, kLastCurveColumn), -0.43, 0.01);
    // Linkwitz-Riley is less flat in its off position.
    EXPECT_NEAR(at(filterCurve(FilterKind::LowPass, kFreqIndexMax, 1), k20kHzColumn), -0.83, 0.01);
}

TEST(CrossoverCurve, ButterworthLowPassAtItsCorner) {
    const CurveRow row = filterCurve(FilterKind::LowPass, 136, 0);  // 1000 Hz, 12 dB
    EXPECT_NEAR(at(row, 430), -2.97, 0.01);
    EXPECT_NEAR(at(row, 101), 0.0, 0.01);
}

TEST(CrossoverCurve, SlopesFollowTheAlignmentOrder) {
    // Two decades below a 2 kHz high-pass: 12, 18 and 24 dB per octave
    // alignments fall roughly 80, 120 and 160 dB per two decades.
    const int x = FreqToX(20);
    const struct {
        int alignment;
        double order;
    } cases[] = {{0, 2}, {1, 2}, {2, 2}, {3, 3}, {4, 3}, {5, 3}, {6, 4}, {7, 4}, {8, 4}};
    for (const auto& c : cases) {
        const double v = at(filterCurve(FilterKind::HighPass, 160, c.alignment), x);
        EXPECT_NEAR(v / (-40.0 * c.order), 1.0, 0.1) << c.alignment;
    }
}

TEST(CrossoverCurve, DesignFrequencyHonoursOffPositionsAndDivisors) {
    EXPECT_EQ(CrossoverDesignFrequency(FilterKind::HighPass, 0, 0), 1.0);
    EXPECT_EQ(CrossoverDesignFrequency(FilterKind::LowPass, 0, 0), 19.7);
    EXPECT_EQ(CrossoverDesignFrequency(FilterKind::LowPass, 243, 0), 60000.0);
    EXPECT_EQ(CrossoverDesignFrequency(FilterKind::HighPass, 243, 0), 21900.0);
    EXPECT_DOUBLE_EQ(CrossoverDesignFrequency(FilterKind::LowPass, 136, 8), 1000 / 2.1139176749);
    EXPECT_DOUBLE_EQ(CrossoverDesignFrequency(FilterKind::HighPass, 0, 5), 1 / 1.2854981442);
    // Out-of-range settings are held to the tables.
    EXPECT_EQ(CrossoverDesignFrequency(FilterKind::HighPass, 999, 42),
              CrossoverDesignFrequency(FilterKind::HighPass, 243, 8));
}

TEST(CrossoverCurve, AlignmentTexts) {
    EXPECT_EQ(AlignmentTexts()[0], "12db-Bworth");
    EXPECT_EQ(AlignmentTexts()[4], "18db-LR");
    EXPECT_EQ(AlignmentTexts()[8], "24db-Bessel");
}

TEST(CrossoverCurve, OnlyPlotColumnsAreWritten) {
    CurveRow row;
    row.fill(5.0);
    ComputeCrossoverCurve(FilterKind::LowPass, 100, 6, row);
    EXPECT_EQ(row[0], 5.0);
    EXPECT_EQ(row[curveElement(kLastCurveColumn) + 1], 5.0);
    EXPECT_NE(at(row, kFirstCurveColumn), 5.0);
}

TEST(CrossoverCurve, AgreesWithAnIndependentEvaluation) {
    const int freqs[] = {0, 1, 20, 56, 100, 136, 180, 220, 242, 243};
    double worst = 0.0;
    double worstLiteral = 0.0;
    for (bool highPass : {true, false}) {
        const FilterKind kind = highPass ? FilterKind::HighPass : FilterKind::LowPass;
        for (int alignment = 0; alignment < kAlignmentCount; ++alignment) {
            for (int f : freqs) {
                const CurveRow row = filterCurve(kind, f, alignment);
                const double f0 = reference::filterFrequency(
                    highPass, f, FrequencyTable[static_cast<std::size_t>(f)], alignment);
                for (int x = kFirstCurveColumn; x <= kLastCurveColumn; ++x) {
                    const double v = at(row, x);
                    const double err =
                        std::abs(v - reference::filterLevel(highPass, f0, alignment, x, false));
                    const double errLiteral =
                        std::abs(v - reference::filterLevel(highPass, f0, alignment, x, true));
                    worst = std::max(worst, err);
                    worstLiteral = std::max(worstLiteral, errLiteral);
                    ASSERT_LT(err, 1e-9) << highPass << ' ' << alignment << ' ' << f << ' ' << x;
                    ASSERT_LT(errLiteral, 1e-6)
                        << highPass << ' ' << alignment << ' ' << f << ' ' << x;
                }
            }
        }
    }
    RecordProperty("worstPrototypeError", std::to_string(worst));
    RecordProperty("worstLiteralError", std::to_string(worstLiteral));
}

}  // namespace
}  // namespace ampdesk
