#pragma once

#include <array>

// The frequency, Q and EQ-gain tables whose indices the amplifier stores, and
// the axes of the 720 x 249 EQ plot on which the response curves are drawn.
namespace ampdesk {

namespace eq_scales_detail {
// Entry i is the double nearest to (first + step * i) / 10, all in tenths.
template <std::size_t N>
constexpr std::array<double, N> tenthsSeries(int first, int step) {
    std::array<double, N> t{};
    for (std::size_t i = 0; i < N; ++i) t[i] = (first + step * static_cast<int>(i)) / 10.0;
    return t;
}
}  // namespace eq_scales_detail

// Roughly 1/24-octave steps with no exact formula, as the amplifier knows them
// (index 76 holds 179, off the series). Index 0 and 243 are also the "off"
// positions of the high-pass and low-pass filters.
inline constexpr std::array<double, 244> FrequencyTable = {
    19.7,  20.3,  20.9,  21.5,  22.1,  22.7,  23.4,  24.1,  24.8,  25.5,  26.3,  27,    27.8,
    28.7,  29.5,  30.4,  31.3,  32.2,  33.1,  34.1,  35.1,  36.1,  37.2,  38.3,  39.4,  40.5,
    41.7,  42.9,  44.2,  45.5,  46.8,  48.2,  49.6,  51.1,  52.6,  54.1,  55.7,  57.3,  59,
    60.7,  62.5,  64.3,  66.2,  68.2,  70.2,  72.2,  74.3,  76.5,  78.7,  81.1,  83.4,  85.9,
    88.4,  91,    93.6,  96.4,  99.2,  102,   105,   108,   111,   115,   118,   121,   125,
    129,   132,   136,   140,   144,   149,   153,   158,   162,   167,   172,   179,   182,
    187,   193,   198,   204,   210,   216,   223,   229,   236,   243,   250,   257,   265,
    273,   281,   289,   297,   306,   315,   324,   334,   344,   354,   364,   375,   386,
    397,   409,   420,   433,   445,   459,   472,   486,   500,   515,   530,   545,   561,
    578,   595,   612,   630,   648,   667,   687,   707,   728,   749,   771,   794,   817,
    841,   866,   891,   917,   944,   972,   1000,  1030,  1060,  1090,  1123,  1155,  1190,
    1224,  1260,  1297,  1335,  1374,  1414,  1456,  1498,  1542,  1587,  1634,  1682,  1731,
    1782,  1834,  1888,  1943,  2000,  2059,  2119,  2181,  2245,  2311,  2378,  2448,  2520,
    2594,  2670,  2748,  2828,  2911,  2997,  3084,  3175,  3268,  3364,  3462,  3564,  3668,
    3776,  3886,  4000,  4117,  4238,  4362,  4490,  4621,  4757,  4896,  5040,  5187,  5339,
    5496,  5657,  5823,  5993,  6169,  6350,  6536,  6727,  6924,  7127,  7336,  7551,  7772,
    8000,  8234,  8476,  8724,  8980,  9243,  9514,  9792,  10000, 10300, 10600, 10900, 11300,
    11600, 11900, 12300, 12600, 13000, 13400, 13800, 14200, 14600, 15100, 15500, 16000, 16400,
    16900, 17400, 17900, 18400, 19000, 19500, 20100, 20700, 21300, 21900};

// Q = 0.2 * (index + 1): 0.2 .. 36.0; index 4 (Q 1.0) is the default.
inline constexpr std::array<double, 180> QTable = eq_scales_detail::tenthsSeries<180>(2, 2);

// -24.0 + 0.2 * index dB: -24.0 .. +12.0; index 120 (0 dB) is the default.
inline constexpr std::array<double, 181> EqGainTable = eq_scales_detail::tenthsSeries<181>(-240, 2);

inline constexpr int kFreqIndexMax = 243;
inline constexpr int kQIndexMax = 179;
inline constexpr int kEqGainIndexMax = 180;
inline constexpr int kEqGainIndexFlat = 120;
inline constexpr int kQIndexDefault = 4;

// Bounds a typed band value is clamped to before it snaps to its table.
inline constexpr double kBandFreqMin = 19.7;
inline constexpr double kBandFreqMax = 21900;
inline constexpr double kBandQMin = 0.2;
inline constexpr double kBandQMax = 36;
inline constexpr double kBandGainMin = -24;
inline constexpr double kBandGainMax = 12;

// ---- Plot geometry (pixels; origin top-left, y downwards) ----
inline constexpr int PlotWidth = 720;
inline constexpr int PlotHeight = 249;
// The margins of a plot `width` pixels wide, as the grid sets them.
constexpr int plotLeftMargin(int width) {
    return static_cast<int>((width - 46) * 0.09);
}
constexpr int plotRightMargin(int width) {
    return static_cast<int>((width - 46) * 0.05);
}
inline constexpr int PlotLeftMargin = plotLeftMargin(PlotWidth);    // 60
inline constexpr int PlotRightMargin = plotRightMargin(PlotWidth);  // 33
// Width of one frequency decade, 581 / 3 pixels.
inline constexpr double DecadeWidth =
    static_cast<double>(PlotWidth - PlotLeftMargin - PlotRightMargin - 46) / 3.0;
inline constexpr int kPlot20HzX = 41 + PlotLeftMargin;  // 101
inline constexpr int kPlotTopY = 16;                    // +15 dB
inline constexpr int kPlotLevelSpan = PlotHeight - 38;  // 45 dB over 211 pixels

// Every curve has one point per column 42 .. PlotWidth - 7; the value of
// column x is element x - 41 of a curve row (element 0 is never used).
inline constexpr int kFirstCurveColumn = 42;
inline constexpr int kLastCurveColumn = PlotWidth - 7;                          // 713
inline constexpr int kCurveColumns = kLastCurveColumn - kFirstCurveColumn + 1;  // 672
inline constexpr int kCurveLength = 793;
inline constexpr int curveElement(int x) {
    return x - 41;
}

int FreqToX(double hz);
int DbToY(double db);
double ColumnFrequency(int x);
// Nearest FrequencyTable index of a column's frequency (243 above the table).
int XToFreqIndex(int x);
// ---- The grid behind the curves, for a plot of any size ----
// Level line j = 1..8: 40, 63, 86, 109, 133, 156, 179, 202 on the 249-pixel plot.
int GridRowY(int j, int height = PlotHeight);
// The grid line of a frequency. It uses 47 where FreqToX uses 46, so a line
// can sit a pixel left of where a curve of that frequency is drawn (1000 Hz:
// line 429, curve 430).
int GridColumnX(double hz, int width = PlotWidth);

// Nearest EqGainTable index of a row. Uses 18 and PlotHeight - 42 where DbToY
// uses 16 and PlotHeight - 38, so a dragged marker settles up to three pixels
// away from the pointer; the graph relies on exactly this.
int YToGainIndex(int y);

}  // namespace ampdesk
