#pragma once

#include <optional>
#include <span>

namespace ampdesk {

// Index of the entry nearest to value in an ascending table. A value exactly
// halfway between two entries goes to the lower index, a value below the first
// entry to 0 and a value above the last entry to the last index. Every snapping
// of a typed or dragged value to a table goes through here.
int NearestIndex(std::span<const double> table, double value);

// The same search for the level and temperature codes, except that a value
// above the last entry gives no result: the caller then keeps its code.
std::optional<int> NearestIndexInRange(std::span<const double> table, double value);

}  // namespace ampdesk
