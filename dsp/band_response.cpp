#include "band_response.h"

#include <algorithm>
#include <cmath>

namespace ampdesk {

namespace {

// The constants the amplifier's own drawing used, kept as they are: ln 2 / 2
// and ln 2 to eight digits, and the shelf corner factors.
constexpr double kHalfLn2 = 0.34657359;
constexpr double kLn2 = 0.69314718;
constexpr double kLowShelfCorner = 1.2727272727;
constexpr double kHighShelfCorner = 0.76923076923;
constexpr double kShelfSlope = 1.3;

constexpr std::array<int, 6> kDefaultMarkerX = {101, 177, 236, 294, 371, 429};
constexpr int kDefaultMarkerY = 86;

SectionSums peakingSums(double f0, double q, double a) {
    const double w0 = f0 * kDesignOmegaPerHz;
    const double sinW0 = std::sin(w0);
    const double halfSin = std::sin(w0 / 2.0);
    const double oneMinusCosW0 = 2.0 * halfSin * halfSin;
    const double bandwidth = std::asinh(1.0 / (2.0 * q)) / kHalfLn2;
    const double alpha = sinW0 * std::sinh(kLn2 * bandwidth * w0 / sinW0);
    // b = (1 + alpha A, -2 cos w0, 1 - alpha A), a = (1 + alpha / A, ...), halved.
    SectionSums s;
    s.pn = s.pd = oneMinusCosW0;
    s.qn = s.qd = 1.0;
    s.rn = alpha * a;
    s.rd = alpha / a;
    return s;
}

SectionSums shelfSums(BandType type, double f0, double a) {
    const double w0 =
        f0 * kDesignOmegaPerHz * (type == BandType::LowShelf ? kLowShelfCorner : kHighShelfCorner);
    const double halfSin = std::sin(w0 / 2.0);
    const double oneMinusC = 2.0 * halfSin * halfSin;
    const double c = std::cos(w0);
    const double alpha =
        std::sin(w0) / 2.0 * std::sqrt((a + 1.0 / a) * (1.0 / kShelfSlope - 1.0) + 2.0);
    const double r = 2.0 * std::sqrt(a) * alpha;
    SectionSums s;
    if (type == BandType::LowShelf) {
        // a0 = (A+1) + (A-1)c + r, a1 = -2((A-1) + (A+1)c), a2 = (A+1) + (A-1)c - r,
        // b0 = A((A+1) - (A-1)c + r), b1 = 2A((A-1) - (A+1)c), b2 = A((A+1) - (A-1)c - r).
        s.pd = 2.0 * oneMinusC;
        s.qd = (a + 1.0) + (a - 1.0) * c;
        s.rd = r;
        s.pn = 2.0 * a * a * oneMinusC;
        s.qn = a * ((a + 1.0) - (a - 1.0) * c);
        s.rn = a * r;
    } else {
        // a0 = (A+1) - (A-1)c + r, a1 = 2((A-1) - (A+1)c), a2 = (A+1) - (A-1)c - r,
        // b0 = A((A+1) + (A-1)c + r), b1 = -2A((A-1) + (A+1)c), b2 = A((A+1) + (A-1)c - r).
        s.pd = 2.0 * a * oneMinusC;
        s.qd = (a + 1.0) - (a - 1.0) * c;
        s.rd = r;
        s.pn = 2.0 * a * oneMinusC;
        s.qn = a * ((a + 1.0) + (a - 1.0) * c);
        s.rn = a * r;
    }
    return s;
}

void fillCurve(const SectionSums& s, const ColumnTerms& terms, CurveRow& row) {
    double* out = row.data() + curveElement(kFirstCurveColumn);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kCurveColumns); ++i) {
        const double c = terms.oneMinusCos[i];
        const double sn = terms.sinOmega[i];
        out[i] = curveLevelOfSquare(squaredNumerator(s, c, sn) / squaredDenominator(s, c, sn));
    }
}

}  // namespace

BandMarker DefaultBandMarker(int band) {
    return {kDefaultMarkerX[static_cast<std::size_t>(std::clamp(band, 0, 5))], kDefaultMarkerY};
}

BandMarker PlaceBandMarker(int freqIndex, int activeGainIndex) {
    return {
        FreqToX(FrequencyTable[static_cast<std::size_t>(std::clamp(freqIndex, 0, kFreqIndexMax))]),
        DbToY(EqGainTable[static_cast<std::size_t>(
            std::clamp(activeGainIndex, 0, kEqGainIndexMax))])};
}

double MarkerGainDb(int y) {
    return std::trunc((15.0 - (y - kPlotTopY) / static_cast<double>(kPlotLevelSpan) * 45.0) *
                      10.0) /
           10.0;
}

SectionSums BandSectionSums(BandType type, BandMarker marker, int qIndex) {
    const double f0 = ColumnFrequency(marker.x);
    const double g = MarkerGainDb(marker.y);
    const double a = std::pow(10.0, g / 40.0);
    switch (type) {
        case BandType::Peq:
            return peakingSums(
                f0, QTable[static_cast<std::size_t>(std::clamp(qIndex, 0, kQIndexMax))], a);
        case BandType::LowShelf:
        case BandType::HighShelf:
            if (g == 0.0) return {};  // a flat shelf, exactly
            return shelfSums(type, f0, a);
    }
    return {};
}

void ComputeBandCurve(BandType type, BandMarker marker, int qIndex, CurveRow& row) {
    const bool shelf = type == BandType::LowShelf || type == BandType::HighShelf;
    if ((type != BandType::Peq && !shelf) || (shelf && MarkerGainDb(marker.y) == 0.0)) {
        FlattenCurve(row);
        return;
    }
    fillCurve(BandSectionSums(type, marker, qIndex),
              type == BandType::Peq ? PeakingColumnTerms() : CurveColumnTerms(), row);
}

}  // namespace ampdesk
