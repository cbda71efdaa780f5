#include "band_response.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

#include "reference_response.h"

namespace ampdesk {

void PrintTo(const BandMarker& m, std::ostream* os) {
    *os << '(' << m.x << ", " << m.y << ')';
}

namespace {

double at(const CurveRow& row, int x) {
    return row[static_cast<std::size_t>(curveElement(x))];
}

CurveRow bandCurve(BandType type, int freqIndex, int gainIndex, int qIndex) {
    CurveRow row{};
    ComputeBandCurve(type, PlaceBandMarker(freqIndex, gainIndex), qIndex, row);
    return row;
}

TEST(BandMarker, StartPositionsAndPlacement) {
    // The start markers are fixed positions, not placements of the start
    // frequencies (19.7 Hz would sit at 99, not 101).
    const int startX[] = {101, 177, 236, 294, 371, 429};
    for (int band = 0; band < 6; ++band)
        EXPECT_EQ(DefaultBandMarker(band), (BandMarker{startX[band], 86})) << band;
    EXPECT_EQ(PlaceBandMarker(0, 120), (BandMarker{99, 86}));
    EXPECT_EQ(PlaceBandMarker(136, 120), (BandMarker{430, 86}));
    EXPECT_EQ(PlaceBandMarker(136, 104), (BandMarker{430, 101}));
    EXPECT_EQ(PlaceBandMarker(136, 135), (BandMarker{430, 72}));
    EXPECT_EQ(PlaceBandMarker(243, 0), (BandMarker{689, 198}));
}

TEST(BandMarker, GainIsTheMarkerRowCutToTenths) {
    const struct {
        int y;
        double g;
    } cases[] = {{101, -3.1}, {72, 3.0}, {86, 0.0}, {16, 15.0}, {198, -23.8}, {30, 12.0}};
    for (const auto& c : cases) EXPECT_EQ(MarkerGainDb(c.y), c.g) << c.y;
}

TEST(BandCurve, PeakSitsAtTheMarkerLevel) {
    const struct {
        int gainIndex;
        double centreLevel;  // CurveLevel of the marker gain
    } cases[] = {{104, CurveLevel(std::pow(10.0, -3.1 / 20.0))},
                 {135, CurveLevel(std::pow(10.0, 3.0 / 20.0))}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gainIndex);
        const CurveRow row = bandCurve(BandType::Peq, 136, c.gainIndex, kQIndexDefault);
        EXPECT_NEAR(at(row, 430), c.centreLevel, 0.002);
        const auto [lo, hi] = std::minmax_element(row.begin() + 1, row.begin() + 673);
        EXPECT_NEAR(c.centreLevel < 0 ? *lo : *hi, c.centreLevel, 0.002);
    }
    EXPECT_NEAR(CurveLevel(std::pow(10.0, -3.1 / 20.0)), -3.09, 0.005);
}

TEST(BandCurve, ZeroGainIsExactlyFlatForEveryShape) {
    for (BandType type : {BandType::Peq, BandType::LowShelf, BandType::HighShelf}) {
        for (int freq : {0, 136, 243}) {
            CurveRow row;
            row.fill(7.0);
            ComputeBandCurve(type, PlaceBandMarker(freq, kEqGainIndexFlat), 179, row);
            for (int x = kFirstCurveColumn; x <= kLastCurveColumn; ++x)
                ASSERT_EQ(at(row, x), 0.0) << static_cast<int>(type) << ' ' << freq << ' ' << x;
            // Only the plot columns are written.
            EXPECT_EQ(row[0], 7.0);
            EXPECT_EQ(row[curveElement(kLastCurveColumn) + 1], 7.0);
        }
    }
}

TEST(BandCurve, ShelvesLiftTheirOwnEnd) {
    const CurveRow low = bandCurve(BandType::LowShelf, 136, 150, 4);    // +6 dB
    const CurveRow high = bandCurve(BandType::HighShelf, 136, 150, 4);  // +6 dB
    EXPECT_NEAR(at(low, 42), 5.99, 0.05);
    EXPECT_NEAR(at(low, 713), 0.0, 0.05);
    EXPECT_NEAR(at(high, 42), 0.0, 0.05);
    EXPECT_NEAR(at(high, 713), 5.99, 0.1);
}

TEST(BandCurve, QSetsThePeakWidth) {
    const CurveRow narrow = bandCurve(BandType::Peq, 136, 180, 179);  // Q 36, +12 dB
    const CurveRow wide = bandCurve(BandType::Peq, 136, 180, 0);      // Q 0.2
    const int octaveUp = FreqToX(2000);
    EXPECT_LT(at(narrow, octaveUp), 0.1);
    EXPECT_GT(at(wide, octaveUp), 9.0);
    EXPECT_NEAR(at(narrow, 430), at(wide, 430), 0.05);
}

TEST(BandCurve, OutOfRangeTypeDrawsFlat) {
    CurveRow row;
    row.fill(3.0);
    ComputeBandCurve(static_cast<BandType>(7), PlaceBandMarker(100, 180), 4, row);
    EXPECT_EQ(at(row, 42), 0.0);
    EXPECT_EQ(at(row, 713), 0.0);
}

// Every shape at sampled frequencies, gains and Qs against the same band
// evaluated from its analog prototype with complex arithmetic, and against the
// literal digital coefficients.
TEST(BandCurve, AgreesWithAnIndependentEvaluation) {
    const int freqs[] = {0, 17, 33, 80, 136, 200, 243};
    const int gains[] = {0, 60, 104, 119, 120, 121, 135, 180};
    const int qs[] = {0, 4, 50, 179};
    double worst = 0.0;
    double worstLiteral = 0.0;
    for (int type = 0; type <= 2; ++type) {
        for (int f : freqs) {
            for (int g : gains) {
                for (int q : qs) {
                    if (type != 0 && q != 4) continue;
                    const BandMarker m = PlaceBandMarker(f, g);
                    CurveRow row{};
                    ComputeBandCurve(static_cast<BandType>(type), m, q, row);
                    const auto d =
                        reference::bandDesign(type, m.x, m.y, QTable[static_cast<std::size_t>(q)]);
                    for (int x = kFirstCurveColumn; x <= kLastCurveColumn; ++x) {
                        const double v = at(row, x);
                        const double err = std::abs(v - reference::bandLevel(d, x));
                        const double errLiteral = std::abs(v - reference::bandLiteralLevel(d, x));
                        worst = std::max(worst, err);
                        worstLiteral = std::max(worstLiteral, errLiteral);
                        ASSERT_LT(err, 1e-9)
                            << type << ' ' << f << ' ' << g << ' ' << q << ' ' << x;
                        ASSERT_LT(errLiteral, 1e-6)
                            << type << ' ' << f << ' ' << g << ' ' << q << ' ' << x;
                    }
                }
            }
        }
    }
    RecordProperty("worstPrototypeError", std::to_string(worst));
    RecordProperty("worstLiteralError", std::to_string(worstLiteral));
}

}  // namespace
}  // namespace ampdesk
