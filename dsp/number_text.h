#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ampdesk {

// value rounded to `decimals` places, half away from zero, written with "." and
// a leading "-" only when the rounded value is not zero ("0.0" for -0.01 at one
// decimal). The rounding works on the value's 15-significant-digit decimal form,
// so a decimal half such as 2.0125 rounds up even though its double lies just
// below it.
std::string FormatFixed(double value, int decimals);

// A table value as the band fields show it: plain decimal, "." separator, at
// most 15 significant digits, no exponent, no trailing zeros or point
// (19.7 -> "19.7", 1000 -> "1000", 1.0 -> "1", -3.2 -> "-3.2", 0.0 -> "0").
std::string FormatTableValue(double value);

// A typed number: an optional leading "-", then digits with at most one "."
// and at least one digit; nothing else (no blanks, "+", exponent or ",").
// Numbers too large for a double come back as +-infinity, so callers clamp
// them like any other out-of-range number.
std::optional<double> ParseUserValue(std::string_view text);

}  // namespace ampdesk
