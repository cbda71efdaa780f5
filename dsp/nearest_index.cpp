#include "nearest_index.h"

namespace ampdesk {

namespace {

// Returns table.size() when value lies above the last entry (or is NaN).
std::size_t scan(std::span<const double> table, double value) {
    if (table.empty()) return 0;
    if (table.size() == 1) return value <= table[0] ? 0 : 1;
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (value <= table[i]) return (value - table[i - 1]) > (table[i] - value) ? i : i - 1;
    }
    return table.size();
}

}  // namespace

int NearestIndex(std::span<const double> table, double value) {
    if (table.empty()) return 0;
    const std::size_t i = scan(table, value);
    return static_cast<int>(i < table.size() ? i : table.size() - 1);
}

std::optional<int> NearestIndexInRange(std::span<const double> table, double value) {
    const std::size_t i = scan(table, value);
    if (i >= table.size()) return std::nullopt;
    return static_cast<int>(i);
}

}  // namespace ampdesk
