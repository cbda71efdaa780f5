#pragma once

#include <array>

#include "eq_scales.h"

// What the band and crossover curves have in common: the storage of a curve,
// the level unit, and the per-column terms every curve evaluates.
namespace ampdesk {

inline constexpr double SampleRate = 96000.0;
// 2 pi / SampleRate cut to seven digits: the design angle per hertz of every
// band and filter (the curves themselves are evaluated at the full 2 pi).
inline constexpr double kDesignOmegaPerHz = 6.544985e-5;

// One curve: the value of plot column x (42 .. 713) at element x - 41.
using CurveRow = std::array<double, kCurveLength>;

// The level unit of every curve: 40 ln(m) / ln(101), close to but not exactly
// 20 log10(m). The plot's dB axis is labelled in this unit.
double CurveLevel(double magnitude);

// The stored curves of all four sections: bands by flat number
// (6 x section + band), filters by section (0..2 outputs, 3 master).
struct ResponseCurves {
    std::array<CurveRow, 24> BandCurve{};
    std::array<CurveRow, 4> HighPassCurve{};
    std::array<CurveRow, 4> LowPassCurve{};
};

// ---- Shared by the curve computations ----

// Per-column terms of an angular frequency w: 1 - cos w (as 2 sin^2(w/2), which
// keeps its precision at low frequencies) and sin w. Index 0 is column 42.
struct ColumnTerms {
    std::array<double, kCurveColumns> oneMinusCos;
    std::array<double, kCurveColumns> sinOmega;
};

// w = 2 pi f / SampleRate at ColumnFrequency of each column.
const ColumnTerms& CurveColumnTerms();
// The peaking curve's own column angle, w = 2 x 3.141592 x f / SampleRate.
const ColumnTerms& PeakingColumnTerms();

// One first- or second-order section b0 + b1 z^-1 + b2 z^-2 over
// a0 + a1 z^-1 + a2 z^-2, held as the sums the magnitude needs:
// numerator  P = b0 + b1 + b2, Q = b0 + b2, R = b0 - b2, and likewise for the
// denominator. At angle w the numerator is (P - Q (1 - cos w)) + j R sin w
// times e^{-jw}. Any common factor of all six may be dropped.
struct SectionSums {
    double pn = 1, qn = 1, rn = 1;
    double pd = 1, qd = 1, rd = 1;
};

inline double squaredNumerator(const SectionSums& s, double oneMinusCos, double sinW) {
    const double re = s.pn - s.qn * oneMinusCos;
    const double im = s.rn * sinW;
    return re * re + im * im;
}

inline double squaredDenominator(const SectionSums& s, double oneMinusCos, double sinW) {
    const double re = s.pd - s.qd * oneMinusCos;
    const double im = s.rd * sinW;
    return re * re + im * im;
}

// Sets the plot columns of a curve to 0.0; other elements are left alone.
void FlattenCurve(CurveRow& row);

// CurveLevel of a magnitude given as its square: 20 ln(m^2) / ln(101).
double curveLevelOfSquare(double squaredMagnitude);

}  // namespace ampdesk
