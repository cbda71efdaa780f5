#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "edition.h"

// Codes of the output gain, master volume, delay, limiter and temperature, and
// their user units and texts. Conversions clamp codes to their ranges, so a
// stray code never reads outside a table.
namespace ampdesk {

namespace level_scales_detail {
template <std::size_t N>
constexpr std::array<double, N> tenthsTable(int offset) {
    std::array<double, N> t{};
    // n / 10.0 is the double nearest to the decimal n/10.
    for (std::size_t i = 0; i < N; ++i) t[i] = (static_cast<int>(i) - offset) / 10.0;
    return t;
}
}  // namespace level_scales_detail

// ---- Output gain: code 0..250, (code - 200) / 10 dB ----
inline constexpr int kGainCodeMin = 0;
inline constexpr int kGainCodeMax = 250;
inline constexpr int kGainCodeOutput3Max = 200;  // output 3 never goes above 0.0 dB
inline constexpr int kGainCodeStart = 120;       // -8.0 dB until the amplifier has been read

// Entry c is the double nearest to (c - 200) / 10.
inline constexpr std::array<double, 251> GainTable = level_scales_detail::tenthsTable<251>(200);

double GainCodeToDb(int code);
// Nearest gain code of a level already limited to the output's range; no
// result above +5.0 dB (the caller keeps its code).
std::optional<int> GainDbToCode(double db);
// "-8.0 dB", "5.0 dB".
std::string GainText(int code);

// ---- Gain fader picture: travel y = 26 (+5.0 dB) .. 205 (-20.0 dB) ----
inline constexpr int kFaderTop = 26;
inline constexpr int kFaderBottom = 205;
inline constexpr int kFaderOutput3Top = 62;  // 0.0 dB, output 3's upper limit
inline constexpr int kFaderKnobLeft = 73;
inline constexpr int kFaderKnobWidth = 12;
inline constexpr int kFaderKnobHeight = 13;
inline constexpr int kFaderKnobTopOffset = 5;                    // knob top = position - 5
inline constexpr double kFaderDbPerPixel = 0.13966480446927374;  // 25 dB over 179 pixels

// Level of a fader position, truncated to tenths (y = 27 gives 4.8, not 4.9).
// y is held to the travel 26..205 first.
double FaderPositionToDb(int y);
// Fader position of a level: truncate((5 - level) * 179 / 25 + 26).
int DbToFaderPosition(double db);
// The gain code a fader level stands for, found the way the fader finds it:
// the level's "0.0" text read back and matched exactly against GainTable.
std::optional<int> FaderLevelToGainCode(double db);

// ---- Master volume: code 0 mute, 1..301 = code * 0.2 - 60.2 dB ----
inline constexpr int kVolumeCodeMax = 301;

double VolumeDb(int code);  // the level of codes 1..301 (code 0 gives -60.2)
// "静音" for code 0, otherwise "-60.0 dB" .. "0.0 dB".
std::string VolumeText(int code);

// ---- Delay: code 0..412 steps of 0.021 ms ----
inline constexpr int kDelayCodeMax = 412;
inline constexpr double kDelayMsPerStep = 0.021;
inline constexpr double kMsPerMetre = 2.9034;
inline constexpr double kFeetPerMetre = 3.281;

double DelayMs(int code);
double DelayMetres(int code);
double DelayFeet(int code);

struct DelayTextSet {
    std::string Ms;      // "8.652 Ms"
    std::string Metres;  // "2.980 Mt" (edition B "2.980 Mm")
    std::string Feet;    // "9.777 Ft"
};
DelayTextSet DelayTexts(int code, Edition edition);

// ---- Limiter: threshold 0..19, attack 0..6, release 0..6 (list positions) ----
inline constexpr int kThresholdCodeMax = 19;
inline constexpr int kAttackCodeMax = 6;
inline constexpr int kReleaseCodeMax = 6;

// The same lists in both editions.
const std::array<std::string_view, 20>& ThresholdTexts();  // "-19dBu" .. "0dBu"
const std::array<std::string_view, 7>& AttackTexts();      // "0.5 ms" .. "50 ms"
const std::array<std::string_view, 7>& ReleaseTexts();     // "90ms" .. "5000ms"
int ThresholdDbu(int code);                                // code - 19

// ---- Temperature steps: index k = 70 - 2k degC, 0..30 ----
inline constexpr int kTemperatureIndexMax = 30;
inline constexpr std::uint16_t kTemperatureReadingMax = 5118;

// Reference readings per index, ascending (a larger reading is a lower
// temperature). Doubles so that the common nearest-entry search applies.
inline constexpr std::array<double, 31> TemperatureSensorTable = {
    1123, 1184, 1260, 1336, 1412, 1503, 1594, 1685, 1792, 1883, 2004, 2110, 2232, 2353, 2490, 2627,
    2779, 2915, 3037, 3219, 3386, 3538, 3705, 3872, 4054, 4221, 4404, 4556, 4753, 4859, 5118};

// Index 0..30 of the amplifier's temperature reading: limited to 5118, then the
// nearest reference reading, ties to the lower index.
int SensorToTemperatureIndex(std::uint16_t reading);
// ">=70 °C" for 0, "<=10 °C" for 30, otherwise e.g. "46 °C".
std::string TemperatureText(int index);
// The 31 entries of the temperature-setting list; edition B's last one reads
// "10 °C" instead of "<=10 °C".
const std::array<std::string_view, 31>& TemperatureListTexts(Edition edition);

}  // namespace ampdesk
