#include "response_curve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ampdesk {

namespace {

const double kLn101 = std::log(101.0);
const double kLevelPerLnSquare = 20.0 / kLn101;

ColumnTerms makeColumnTerms(double halfAngleFactor) {
    ColumnTerms t{};
    for (int x = kFirstCurveColumn; x <= kLastCurveColumn; ++x) {
        const auto i = static_cast<std::size_t>(x - kFirstCurveColumn);
        const double half = halfAngleFactor * ColumnFrequency(x);
        const double s = std::sin(half);
        t.oneMinusCos[i] = 2.0 * s * s;
        t.sinOmega[i] = std::sin(2.0 * half);
    }
    return t;
}

}  // namespace

double CurveLevel(double magnitude) {
    return 40.0 * std::log(magnitude) / kLn101;
}

void FlattenCurve(CurveRow& row) {
    std::fill(row.begin() + curveElement(kFirstCurveColumn),
              row.begin() + curveElement(kLastCurveColumn) + 1, 0.0);
}

double curveLevelOfSquare(double squaredMagnitude) {
    return kLevelPerLnSquare * std::log(squaredMagnitude);
}

const ColumnTerms& CurveColumnTerms() {
    static const ColumnTerms terms = makeColumnTerms(std::numbers::pi / SampleRate);
    return terms;
}

const ColumnTerms& PeakingColumnTerms() {
    static const ColumnTerms terms = makeColumnTerms(3.141592 / SampleRate);
    return terms;
}

}  // namespace ampdesk
