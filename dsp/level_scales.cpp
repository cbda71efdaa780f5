#include "level_scales.h"

#include <algorithm>
#include <cmath>

#include "nearest_index.h"
#include "number_text.h"

namespace ampdesk {

namespace {

// "d.d...d" of a whole number of units of 10^-decimals (value >= 0 or < 0).
std::string unitsText(long long units, int decimals) {
    const bool negative = units < 0;
    std::string digits = std::to_string(negative ? -units : units);
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    std::string out = negative ? "-" : "";
    out.append(digits, 0, digits.size() - static_cast<std::size_t>(decimals));
    out.push_back('.');
    out.append(digits, digits.size() - static_cast<std::size_t>(decimals));
    return out;
}

// round(num / den) for num >= 0, den > 0, half up.
long long roundedQuotient(long long num, long long den) {
    return (2 * num + den) / (2 * den);
}

}  // namespace

double GainCodeToDb(int code) {
    return GainTable[static_cast<std::size_t>(std::clamp(code, kGainCodeMin, kGainCodeMax))];
}

std::optional<int> GainDbToCode(double db) {
    return NearestIndexInRange(GainTable, db);
}

std::string GainText(int code) {
    // Codes are whole tenths of a dB, so the text is exact without rounding.
    return unitsText(std::clamp(code, kGainCodeMin, kGainCodeMax) - 200, 1) + " dB";
}

double FaderPositionToDb(int y) {
    y = std::clamp(y, kFaderTop, kFaderBottom);
    // + 0.0 turns the -0.0 of a truncated small negative into 0.0.
    return std::trunc((5.0 - (y - kFaderTop) * kFaderDbPerPixel) * 10.0) / 10.0 + 0.0;
}

int DbToFaderPosition(double db) {
    return static_cast<int>(std::trunc((5.0 - db) * 179.0 / 25.0 + kFaderTop));
}

std::optional<int> FaderLevelToGainCode(double db) {
    const std::optional<double> shown = ParseUserValue(FormatFixed(db, 1));
    if (!shown) return std::nullopt;
    const auto it = std::find(GainTable.begin(), GainTable.end(), *shown);
    if (it == GainTable.end()) return std::nullopt;
    return static_cast<int>(it - GainTable.begin());
}

double VolumeDb(int code) {
    return std::clamp(code, 0, kVolumeCodeMax) * 0.2 - 60.2;
}

std::string VolumeText(int code) {
    code = std::clamp(code, 0, kVolumeCodeMax);
    if (code == 0) return "静音";
    // code * 0.2 - 60.2 dB is a whole number of tenths: 2 * code - 602.
    return unitsText(2 * code - 602, 1) + " dB";
}

double DelayMs(int code) {
    return std::clamp(code, 0, kDelayCodeMax) * kDelayMsPerStep;
}

double DelayMetres(int code) {
    return DelayMs(code) / kMsPerMetre;
}

double DelayFeet(int code) {
    return DelayMs(code) * kFeetPerMetre / kMsPerMetre;
}

DelayTextSet DelayTexts(int code, Edition edition) {
    const long long c = std::clamp(code, 0, kDelayCodeMax);
    // Thousandths from exact fractions: ms = 21c/1000, metres = ms / 2.9034,
    // feet = ms * 3.281 / 2.9034. No binary rounding can tip a digit.
    const long long ms = 21 * c;
    const long long metres = roundedQuotient(c * 210000, 29034);
    const long long feet = roundedQuotient(c * 689010, 29034);
    return {unitsText(ms, 3) + " Ms",
            unitsText(metres, 3) + (edition == Edition::B ? " Mm" : " Mt"),
            unitsText(feet, 3) + " Ft"};
}

const std::array<std::string_view, 20>& ThresholdTexts() {
    static constexpr std::array<std::string_view, 20> kTexts = {
        "-19dBu", "-18dBu", "-17dBu", "-16dBu", "-15dBu", "-14dBu", "-13dBu",
        "-12dBu", "-11dBu", "-10dBu", "-9dBu",  "-8dBu",  "-7dBu",  "-6dBu",
        "-5dBu",  "-4dBu",  "-3dBu",  "-2dBu",  "-1dBu",  "0dBu"};
    return kTexts;
}

const std::array<std::string_view, 7>& AttackTexts() {
    static constexpr std::array<std::string_view, 7> kTexts = {"0.5 ms", "1 ms",  "2 ms", "5 ms",
                                                               "10 ms",  "20 ms", "50 ms"};
    return kTexts;
}

const std::array<std::string_view, 7>& ReleaseTexts() {
    static constexpr std::array<std::string_view, 7> kTexts = {"90ms",   "200ms",  "500ms", "700ms",
                                                               "1200ms", "2000ms", "5000ms"};
    return kTexts;
}

int ThresholdDbu(int code) {
    return std::clamp(code, 0, kThresholdCodeMax) - 19;
}

int SensorToTemperatureIndex(std::uint16_t reading) {
    const double limited = std::min(reading, kTemperatureReadingMax);
    // Never empty: every reading up to 5118 lies within the table.
    return NearestIndexInRange(TemperatureSensorTable, limited).value_or(kTemperatureIndexMax);
}

std::string TemperatureText(int index) {
    index = std::clamp(index, 0, kTemperatureIndexMax);
    if (index == 0) return ">=70 °C";
    if (index == kTemperatureIndexMax) return "<=10 °C";
    return std::to_string(70 - 2 * index) + " °C";
}

const std::array<std::string_view, 31>& TemperatureListTexts(Edition edition) {
    // Edition A | edition B: only the last entry differs.
    static constexpr std::array<std::string_view, 31> kEditionA = {
        ">=70 °C", "68 °C", "66 °C", "64 °C", "62 °C", "60 °C", "58 °C",  "56 °C",
        "54 °C",   "52 °C", "50 °C", "48 °C", "46 °C", "44 °C", "42 °C",  "40 °C",
        "38 °C",   "36 °C", "34 °C", "32 °C", "30 °C", "28 °C", "26 °C",  "24 °C",
        "22 °C",   "20 °C", "18 °C", "16 °C", "14 °C", "12 °C", "<=10 °C"};
    static constexpr std::array<std::string_view, 31> kEditionB = {
        ">=70 °C", "68 °C", "66 °C", "64 °C", "62 °C", "60 °C", "58 °C", "56 °C",
        "54 °C",   "52 °C", "50 °C", "48 °C", "46 °C", "44 °C", "42 °C", "40 °C",
        "38 °C",   "36 °C", "34 °C", "32 °C", "30 °C", "28 °C", "26 °C", "24 °C",
        "22 °C",   "20 °C", "18 °C", "16 °C", "14 °C", "12 °C", "10 °C"};
    return edition == Edition::B ? kEditionB : kEditionA;
}

}  // namespace ampdesk
