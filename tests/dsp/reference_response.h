#pragma once

// Curves computed a second, independent way for the response tests. Each
// section is written as its analog prototype H(S) and mapped to the sampled
// filter with the bilinear transform S = (1 - z^-1) / ((1 + z^-1) K), then
// evaluated with complex arithmetic at z = e^{jw}. The literal digital
// coefficients are also given, evaluated as polynomials in z^-1.

#include <array>
#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <vector>

namespace ampdesk::reference {

using Complex = std::complex<double>;
using Prototype = std::function<Complex(Complex)>;
using Coefficients = std::array<double, 6>;  // b0 b1 b2 a0 a1 a2

inline constexpr double kOmegaPerHz = 6.544985e-5;

inline double columnFrequency(int x) {
    return 20.0 * std::pow(10.0, (x - 101) * 3.0 / 581.0);
}

inline double level(double magnitude) {
    return 40.0 * std::log(magnitude) / std::log(101.0);
}

inline Complex bilinearS(double omega, double k) {
    const Complex zInv = std::polar(1.0, -omega);
    return (1.0 - zInv) / ((1.0 + zInv) * k);
}

inline Complex evaluate(const Coefficients& c, double omega) {
    const Complex zInv = std::polar(1.0, -omega);
    return (c[0] + zInv * (c[1] + zInv * c[2])) / (c[3] + zInv * (c[4] + zInv * c[5]));
}

// ---- Bands ----

inline double markerGain(int y) {
    return std::trunc((15.0 - (y - 16) * 45.0 / 211.0) * 10.0) / 10.0;
}

struct BandDesign {
    double omega0 = 0;  // design angle
    Prototype prototype;
    Coefficients literal{};
    bool peaking = false;
    bool flat = false;
};

inline BandDesign bandDesign(int type, int markerX, int markerY, double q) {
    BandDesign d;
    const double f0 = columnFrequency(markerX);
    const double g = markerGain(markerY);
    const double a = std::pow(10.0, g / 40.0);
    if (type == 0) {
        const double w0 = f0 * kOmegaPerHz;
        const double bw = std::asinh(1.0 / (2.0 * q)) / 0.34657359;
        const double alpha = std::sin(w0) * std::sinh(0.69314718 * bw * w0 / std::sin(w0));
        const double zn = alpha * a / std::sin(w0);
        const double zd = alpha / a / std::sin(w0);
        d.omega0 = w0;
        d.peaking = true;
        d.prototype = [zn, zd](Complex s) {
            return (s * s + 2.0 * zn * s + 1.0) / (s * s + 2.0 * zd * s + 1.0);
        };
        const double c = std::cos(w0);
        d.literal = {1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a};
        return d;
    }
    if (g == 0.0) {
        d.flat = true;
        return d;
    }
    const double w0 = f0 * kOmegaPerHz * (type == 1 ? 1.2727272727 : 0.76923076923);
    const double alpha = std::sin(w0) / 2.0 * std::sqrt((a + 1 / a) * (1 / 1.3 - 1) + 2);
    const double beta = std::sqrt(a) * 2.0 * alpha / std::sin(w0);  // sqrt(A) / Q
    const double c = std::cos(w0);
    const double r = 2 * std::sqrt(a) * alpha;
    d.omega0 = w0;
    if (type == 1) {
        d.prototype = [a, beta](Complex s) {
            return a * (s * s + beta * s + a) / (a * s * s + beta * s + 1.0);
        };
        d.literal = {a * ((a + 1) - (a - 1) * c + r), 2 * a * ((a - 1) - (a + 1) * c),
                     a * ((a + 1) - (a - 1) * c - r), (a + 1) + (a - 1) * c + r,
                     -2 * ((a - 1) + (a + 1) * c),    (a + 1) + (a - 1) * c - r};
    } else {
        d.prototype = [a, beta](Complex s) {
            return a * (a * s * s + beta * s + 1.0) / (s * s + beta * s + a);
        };
        d.literal = {a * ((a + 1) + (a - 1) * c + r), -2 * a * ((a - 1) + (a + 1) * c),
                     a * ((a + 1) + (a - 1) * c - r), (a + 1) - (a - 1) * c + r,
                     2 * ((a - 1) - (a + 1) * c),     (a + 1) - (a - 1) * c - r};
    }
    return d;
}

inline double bandColumnOmega(const BandDesign& d, int x) {
    return d.peaking ? 2.0 * 3.141592 * columnFrequency(x) / 96000.0
                     : 2.0 * std::numbers::pi * columnFrequency(x) / 96000.0;
}

inline double bandLevel(const BandDesign& d, int x) {
    if (d.flat) return 0.0;
    const double omega = bandColumnOmega(d, x);
    return level(std::abs(d.prototype(bilinearS(omega, std::tan(d.omega0 / 2.0)))));
}

inline double bandLiteralLevel(const BandDesign& d, int x) {
    if (d.flat) return 0.0;
    return level(std::abs(evaluate(d.literal, bandColumnOmega(d, x))));
}

// ---- Crossovers ----

// One section of a filter: its prototype and its literal coefficients at K.
struct Section {
    enum Kind { Biquad, FirstOrder, Polynomial } kind;
    double p1;  // d, d0 or a
    double p2;  // c of a polynomial section
};

struct FilterAlignment {
    double divisor;
    std::vector<Section> sections;
};

// Typed afresh from the alignment table; index = alignment.
inline const std::array<FilterAlignment, 9>& lowPassAlignments() {
    static const std::array<FilterAlignment, 9> t = {{
        {1, {{Section::Biquad, 0.70422535, 0}}},
        {1, {{Section::Biquad, 1, 0}}},
        {1.3616541287, {{Section::Polynomial, 1, 0.3333333333}}},
        {1, {{Section::FirstOrder, 1, 0}, {Section::Biquad, 0.5, 0}}},
        {1, {{Section::FirstOrder, 1, 0}, {Section::Biquad, 0.70422535211, 0}}},
        {1.75567236868,
         {{Section::Polynomial, 0.5693712514, 0.154812441}, {Section::Polynomial, 0.430628846, 0}}},
        {1, {{Section::Biquad, 0.92592593, 0}, {Section::Biquad, 0.38167939, 0}}},
        {1, {{Section::Biquad, 0.70422535211, 0}, {Section::Biquad, 0.70422535211, 0}}},
        {2.1139176749,
         {{Section::Polynomial, 0.369, 0.087858766},
          {Section::Polynomial, 0.6278294896, 0.109408}}},
    }};
    return t;
}

inline const std::array<FilterAlignment, 9>& highPassAlignments() {
    static const std::array<FilterAlignment, 9> t = {{
        {1, {{Section::Biquad, 0.70422535, 0}}},
        {1, {{Section::Biquad, 1, 0}}},
        {1.2683112435, {{Section::Biquad, 0.70422535, 0}}},
        {1, {{Section::FirstOrder, 1, 0}, {Section::Biquad, 0.5, 0}}},
        {1, {{Section::FirstOrder, 1, 0}, {Section::Biquad, 0.70422535211, 0}}},
        {1.2854981442, {{Section::FirstOrder, 0.756, 0}, {Section::Biquad, 0.72463768, 0}}},
        {1, {{Section::Biquad, 0.92592593, 0}, {Section::Biquad, 0.38167939, 0}}},
        {1, {{Section::Biquad, 0.70422535211, 0}, {Section::Biquad, 0.70422535211, 0}}},
        {1.5006420029, {{Section::Biquad, 0.96153846, 0}, {Section::Biquad, 0.61728395, 0}}},
    }};
    return t;
}

inline double filterFrequency(bool highPass, int freqIndex, double tableHz, int alignment) {
    double f0 = tableHz;
    if (highPass && freqIndex == 0) f0 = 1.0;
    if (!highPass && freqIndex == 243) f0 = 60000.0;
    const auto& t = highPass ? highPassAlignments() : lowPassAlignments();
    return f0 / t[static_cast<std::size_t>(alignment)].divisor;
}

inline Complex sectionPrototype(bool highPass, const Section& sec, Complex s) {
    switch (sec.kind) {
        case Section::Biquad:
            return (highPass ? s * s : Complex(1.0)) / (s * s + 2.0 * sec.p1 * s + 1.0);
        case Section::FirstOrder:
            return highPass ? s / (s + sec.p1) : 1.0 / (sec.p1 * s + 1.0);
        case Section::Polynomial:
            return 1.0 / (sec.p2 * s * s + sec.p1 * s + 1.0);
    }
    return 1.0;
}

inline Coefficients sectionLiteral(bool highPass, const Section& sec, double w) {
    const double k = std::tan(w / 2), c = std::cos(w), s = std::sin(w);
    switch (sec.kind) {
        case Section::Biquad: {
            const double alpha = s * sec.p1;
            const double b0 = highPass ? (1 + c) / 2 : (1 - c) / 2;
            return {b0, highPass ? -(1 + c) : 1 - c, b0, 1 + alpha, -2 * c, 1 - alpha};
        }
        case Section::FirstOrder:
            return highPass ? Coefficients{1, -1, 0, sec.p1 * k + 1, sec.p1 * k - 1, 0}
                            : Coefficients{k, k, 0, k + sec.p1, k - sec.p1, 0};
        case Section::Polynomial:
            return {k * k,
                    2 * k * k,
                    k * k,
                    k * k + sec.p1 * k + sec.p2,
                    2 * k * k - 2 * sec.p2,
                    k * k - sec.p1 * k + sec.p2};
    }
    return {1, 0, 0, 1, 0, 0};
}

inline double filterLevel(bool highPass, double f0, int alignment, int x, bool literal) {
    const auto& t = highPass ? highPassAlignments() : lowPassAlignments();
    const double w = f0 * kOmegaPerHz;
    const double omega = 2.0 * std::numbers::pi * columnFrequency(x) / 96000.0;
    double sum = 0.0;
    for (const Section& sec : t[static_cast<std::size_t>(alignment)].sections) {
        const Complex h = literal
                              ? evaluate(sectionLiteral(highPass, sec, w), omega)
                              : sectionPrototype(highPass, sec, bilinearS(omega, std::tan(w / 2)));
        sum += level(std::abs(h));
    }
    return sum;
}

}  // namespace ampdesk::reference
