#include "eq_scales.h"

#include <cmath>

#include "nearest_index.h"

namespace ampdesk {

int FreqToX(double hz) {
    return static_cast<int>(std::trunc(std::log10(hz / 20.0) * DecadeWidth + 41 + PlotLeftMargin));
}

int DbToY(double db) {
    return static_cast<int>(std::trunc((15.0 - db) / 45.0 * kPlotLevelSpan + kPlotTopY));
}

double ColumnFrequency(int x) {
    return 20.0 * std::pow(10.0, (x - 41 - PlotLeftMargin) / DecadeWidth);
}

int GridRowY(int j, int height) {
    return 17 + static_cast<int>((height - 40) / 9.0 * j);
}

int GridColumnX(double hz, int width) {
    const int left = plotLeftMargin(width);
    const int right = plotRightMargin(width);
    return static_cast<int>(std::trunc(std::log(hz / 20.0) / std::log(10.0) *
                                       (width - left - right - 47) / 3.0)) +
           left + 41;
}

int XToFreqIndex(int x) {
    return NearestIndex(FrequencyTable, ColumnFrequency(x));
}

int YToGainIndex(int y) {
    const double level = 15.0 - (y - 18) / static_cast<double>(PlotHeight - 42) * 45.0;
    return NearestIndex(EqGainTable, level);
}

}  // namespace ampdesk
