#pragma once

#include <array>
#include <cstdint>

#include "eq_scales.h"
#include "level_scales.h"

namespace ampdesk {

// The typed model of one parameter block plus the device settings and status
// the amplifier reports. Plain integers throughout; the field defaults are
// what the amplifier's settings are taken to be until a block has been read.

struct CrossoverFilter {
    int FreqIndex = 0;  // FrequencyTable index; 0 is "off" for a high-pass, 243 for a low-pass
    int Alignment = 0;  // 0..8, the nine slopes and types
};

struct LimiterSettings {
    int Threshold = 0;  // code 0..19 (code - 19 dBu)
    int Attack = 0;     // code 0..6
    int Release = 0;    // code 0..6
};

struct EqBand {
    int FreqIndex = 0;                // FrequencyTable index 0..243
    int BandType = 0;                 // 0 PEQ, 1 LS, 2 HS
    int PeakGain = kEqGainIndexFlat;  // EqGainTable index 0..180 (120 = 0 dB)
    int ShelfGain = kEqGainIndexFlat;
    int QIndex = kQIndexDefault;  // QTable index 0..179 (4 = Q 1.0)
};

inline constexpr int kBandsPerChannel = 6;
inline constexpr int kChannelCount = 4;  // outputs 1..3, then the master
inline constexpr int kMasterChannel = 3;
inline constexpr int kFlatBandCount = kBandsPerChannel * kChannelCount;
inline constexpr int kLowPassOffIndex = kFreqIndexMax;
// Frequency indices of bands 1..6 before any block has been read.
inline constexpr std::array<int, kBandsPerChannel> kDefaultBandFreqIndex = {0,  33,  57,
                                                                            80, 112, 136};

struct OutputChannel {
    OutputChannel();

    int Gain = kGainCodeStart;  // gain code 0..250 (output 3: 0..200)
    int On = 1;                 // non-zero: sounding
    int Delay = 0;              // 16-bit delay code
    int Polarity = 0;
    CrossoverFilter Hpf;
    CrossoverFilter Lpf{kLowPassOffIndex, 0};
    LimiterSettings Limiter;
    std::array<EqBand, kBandsPerChannel> Bands;
};

struct MasterSection {
    MasterSection();

    int BassCompensation = 0;
    // Volume code 0..301 (0 = mute). This is the master volume slider's value:
    // whatever sets it keeps it inside the slider's range, and encoding reads
    // it from here.
    int Volume = 0;
    int Delay = 0;
    int Polarity = 0;
    int Bridge = 0;
    CrossoverFilter Hpf;
    CrossoverFilter Lpf{kLowPassOffIndex, 0};
    std::array<EqBand, kBandsPerChannel> Bands;
};

struct DeviceState {
    std::array<OutputChannel, 3> Outputs;
    MasterSection Master;

    // Device settings (command 0x21), kept so that a settings write returns
    // what the amplifier last reported.
    int LastLoadedGroup = 0;
    std::uint8_t SettingsByte1 = 0;
    std::uint8_t SettingsByte2 = 0;
    int TempSettingIndex = 0;
    // Status (command 0x2B).
    int TemperatureIndex = 0;
    int Attenuation = 0;

    // Bands numbered flat: 6 x channel + band, channel 3 being the master.
    EqBand& band(int flatBand);
    const EqBand& band(int flatBand) const;
    CrossoverFilter& hpf(int channel);
    const CrossoverFilter& hpf(int channel) const;
    CrossoverFilter& lpf(int channel);
    const CrossoverFilter& lpf(int channel) const;
};

}  // namespace ampdesk
