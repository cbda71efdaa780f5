#pragma once

#include <array>
#include <string_view>

#include "response_curve.h"

// The magnitude response of a section's high-pass or low-pass filter: one of
// nine alignments, each a cascade of at most two first- or second-order
// sections.
namespace ampdesk {

enum class FilterKind { HighPass, LowPass };

inline constexpr int kAlignmentCount = 9;
// "12db-Bworth", "12db-LR", "12db-Bessel", "18db-...", "24db-..." in list order.
const std::array<std::string_view, kAlignmentCount>& AlignmentTexts();

// Off positions: a high-pass at index 0 is drawn at 1 Hz and a low-pass at
// index 243 at 60000 Hz, so that both come out nearly flat.
inline constexpr double kHighPassOffHz = 1.0;
inline constexpr double kLowPassOffHz = 60000.0;

// The frequency the filter is designed at: the table frequency (or the off
// position), divided by the alignment's divisor where it has one.
double CrossoverDesignFrequency(FilterKind kind, int freqIndex, int alignment);

// The filter's two sections; an unused slot is the identity.
std::array<SectionSums, 2> CrossoverSectionSums(FilterKind kind, int freqIndex, int alignment);

// Fills the curve of one filter (columns 42..713; other elements untouched).
// Indices outside their ranges are held to them.
void ComputeCrossoverCurve(FilterKind kind, int freqIndex, int alignment, CurveRow& row);
inline void ComputeHighPassCurve(int freqIndex, int alignment, CurveRow& row) {
    ComputeCrossoverCurve(FilterKind::HighPass, freqIndex, alignment, row);
}
inline void ComputeLowPassCurve(int freqIndex, int alignment, CurveRow& row) {
    ComputeCrossoverCurve(FilterKind::LowPass, freqIndex, alignment, row);
}

}  // namespace ampdesk
