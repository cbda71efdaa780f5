#include "crossover_response.h"

#include <algorithm>
#include <cmath>

namespace ampdesk {

namespace {

// Stands in for a zero leading denominator coefficient.
constexpr double kZeroGuard = 1e-10;

enum class SlotKind { Identity, Biquad, FirstOrder, Polynomial };

// Biquad: value = d = 1 / (2Q). First order: value = d0. Polynomial: the
// prototype 1 / (c s^2 + a s + 1) with value = a.
struct Slot {
    SlotKind kind = SlotKind::Identity;
    double value = 0.0;
    double c = 0.0;
};

struct Alignment {
    double divisor = 1.0;
    std::array<Slot, 2> slots{};
};

constexpr Slot biquad(double d) {
    return {SlotKind::Biquad, d, 0.0};
}
constexpr Slot firstOrder(double d0) {
    return {SlotKind::FirstOrder, d0, 0.0};
}
constexpr Slot polynomial(double a, double c) {
    return {SlotKind::Polynomial, a, c};
}

// The two 0.70422535 values differ in their last digits on purpose: the
// amplifier's drawing used both.
constexpr std::array<Alignment, kAlignmentCount> kLowPass = {{
    {1.0, {biquad(0.70422535), {}}},
    {1.0, {biquad(1.0), {}}},
    {1.3616541287, {polynomial(1.0, 0.3333333333), {}}},
    {1.0, {firstOrder(1.0), biquad(0.5)}},
    {1.0, {firstOrder(1.0), biquad(0.70422535211)}},
    {1.75567236868, {polynomial(0.5693712514, 0.154812441), polynomial(0.430628846, 0.0)}},
    {1.0, {biquad(0.92592593), biquad(0.38167939)}},
    {1.0, {biquad(0.70422535211), biquad(0.70422535211)}},
    {2.1139176749, {polynomial(0.369, 0.087858766), polynomial(0.6278294896, 0.109408)}},
}};

constexpr std::array<Alignment, kAlignmentCount> kHighPass = {{
    {1.0, {biquad(0.70422535), {}}},
    {1.0, {biquad(1.0), {}}},
    {1.2683112435, {biquad(0.70422535), {}}},
    {1.0, {firstOrder(1.0), biquad(0.5)}},
    {1.0, {firstOrder(1.0), biquad(0.70422535211)}},
    {1.2854981442, {firstOrder(0.756), biquad(0.72463768)}},
    {1.0, {biquad(0.92592593), biquad(0.38167939)}},
    {1.0, {biquad(0.70422535211), biquad(0.70422535211)}},
    {1.5006420029, {biquad(0.96153846), biquad(0.61728395)}},
}};

// Design terms of the filter frequency w: tan(w/2), sin w, cos w and 1 -+ cos w
// from the half angle, which keeps them exact for the 1 Hz off position.
struct Design {
    double k, s, c, oneMinusC, onePlusC;
};

Design design(double f0) {
    const double w = f0 * kDesignOmegaPerHz;
    const double sh = std::sin(w / 2.0);
    const double ch = std::cos(w / 2.0);
    return {std::tan(w / 2.0), std::sin(w), std::cos(w), 2.0 * sh * sh, 2.0 * ch * ch};
}

SectionSums sectionSums(FilterKind kind, const Slot& slot, const Design& g) {
    SectionSums s;
    switch (slot.kind) {
        case SlotKind::Identity:
            break;
        case SlotKind::Biquad: {
            // a = (1 + alpha, -2c, 1 - alpha); b = ((1 -+ c)/2, +-(1 -+ c), (1 -+ c)/2).
            const double alpha = g.s * slot.value;
            double a0 = 1.0 + alpha;
            const double a2 = 1.0 - alpha;
            if (a0 == 0.0) {
                a0 = kZeroGuard;
                s.pd = a0 - 2.0 * g.c + a2;
                s.qd = a0 + a2;
                s.rd = a0 - a2;
            } else {
                s.pd = 2.0 * g.oneMinusC;
                s.qd = 2.0;
                s.rd = 2.0 * alpha;
            }
            if (kind == FilterKind::LowPass) {
                s.pn = 2.0 * g.oneMinusC;
                s.qn = g.oneMinusC;
            } else {
                s.pn = 0.0;
                s.qn = g.onePlusC;
            }
            s.rn = 0.0;
            break;
        }
        case SlotKind::FirstOrder: {
            const double d0 = slot.value;
            if (kind == FilterKind::LowPass) {
                // a = (K + d0, K - d0, 0); b = (K, K, 0).
                double a0 = g.k + d0;
                if (a0 == 0.0) {
                    a0 = kZeroGuard;
                    s.pd = a0 + (g.k - d0);
                } else {
                    s.pd = 2.0 * g.k;
                }
                s.qd = s.rd = a0;
                s.pn = 2.0 * g.k;
                s.qn = s.rn = g.k;
            } else {
                // a = (d0 K + 1, d0 K - 1, 0); b = (1, -1, 0).
                double a0 = d0 * g.k + 1.0;
                if (a0 == 0.0) {
                    a0 = kZeroGuard;
                    s.pd = a0 + (d0 * g.k - 1.0);
                } else {
                    s.pd = 2.0 * d0 * g.k;
                }
                s.qd = s.rd = a0;
                s.pn = 0.0;
                s.qn = s.rn = 1.0;
            }
            break;
        }
        case SlotKind::Polynomial: {
            // a = (K^2 + aK + c, 2K^2 - 2c, K^2 - aK + c); b = (K^2, 2K^2, K^2).
            const double k2 = g.k * g.k;
            s.pd = 4.0 * k2;
            s.qd = 2.0 * (k2 + slot.c);
            s.rd = 2.0 * slot.value * g.k;
            s.pn = 4.0 * k2;
            s.qn = 2.0 * k2;
            s.rn = 0.0;
            break;
        }
    }
    return s;
}

const Alignment& alignmentOf(FilterKind kind, int alignment) {
    const auto i = static_cast<std::size_t>(std::clamp(alignment, 0, kAlignmentCount - 1));
    return kind == FilterKind::HighPass ? kHighPass[i] : kLowPass[i];
}

}  // namespace

const std::array<std::string_view, kAlignmentCount>& AlignmentTexts() {
    static constexpr std::array<std::string_view, kAlignmentCount> kTexts = {
        "12db-Bworth", "12db-LR",     "12db-Bessel", "18db-Bworth", "18db-LR",
        "18db-Bessel", "24db-Bworth", "24db-LR",     "24db-Bessel"};
    return kTexts;
}

double CrossoverDesignFrequency(FilterKind kind, int freqIndex, int alignment) {
    freqIndex = std::clamp(freqIndex, 0, kFreqIndexMax);
    double f0 = FrequencyTable[static_cast<std::size_t>(freqIndex)];
    if (kind == FilterKind::HighPass && freqIndex == 0) f0 = kHighPassOffHz;
    if (kind == FilterKind::LowPass && freqIndex == kFreqIndexMax) f0 = kLowPassOffHz;
    return f0 / alignmentOf(kind, alignment).divisor;
}

std::array<SectionSums, 2> CrossoverSectionSums(FilterKind kind, int freqIndex, int alignment) {
    const Alignment& a = alignmentOf(kind, alignment);
    const Design g = design(CrossoverDesignFrequency(kind, freqIndex, alignment));
    return {sectionSums(kind, a.slots[0], g), sectionSums(kind, a.slots[1], g)};
}

void ComputeCrossoverCurve(FilterKind kind, int freqIndex, int alignment, CurveRow& row) {
    const auto [s0, s1] = CrossoverSectionSums(kind, freqIndex, alignment);
    const ColumnTerms& terms = CurveColumnTerms();
    double* out = row.data() + curveElement(kFirstCurveColumn);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kCurveColumns); ++i) {
        const double c = terms.oneMinusCos[i];
        const double sn = terms.sinOmega[i];
        // The two sections' levels add, so their squared gains multiply.
        const double num = squaredNumerator(s0, c, sn) * squaredNumerator(s1, c, sn);
        const double den = squaredDenominator(s0, c, sn) * squaredDenominator(s1, c, sn);
        out[i] = curveLevelOfSquare(num / den);
    }
}

}  // namespace ampdesk
