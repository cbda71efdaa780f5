#include "block_codec.h"

#include <algorithm>

#include "band_response.h"
#include "crossover_response.h"
#include "eq_scales.h"
#include "hex_text.h"
#include "level_scales.h"

namespace ampdesk {

namespace {

constexpr int kOutputSections = 9;
constexpr int kMasterMainSection = 27;
constexpr int kMasterCrossoverSection = 28;
constexpr int kMasterFirstBandSection = 29;

// Reads the payload of a BlockText by section and byte.
class PayloadReader {
public:
    explicit PayloadReader(std::string_view text) : m_text(text) {}

    int byte(int section, int offset) const {
        const std::size_t pos = BlockCodec::kPayloadTextOffset + 2 * (8 * section + offset);
        auto value = hexByte(m_text.substr(pos, 2));
        return value ? *value : 0;
    }
    int word(int section, int offset) const {
        return byte(section, offset + 1) * 256 + byte(section, offset);
    }

private:
    std::string_view m_text;
};

void decodeBand(const PayloadReader& in, int s, EqBand& band) {
    band.FreqIndex = in.byte(s, 0);
    band.BandType = in.byte(s, 1);
    band.PeakGain = in.word(s, 2);
    band.ShelfGain = in.word(s, 4);
    band.QIndex = in.byte(s, 6);
}

void decodeCrossover(const PayloadReader& in, int s, CrossoverFilter& hpf, CrossoverFilter& lpf) {
    hpf.FreqIndex = in.byte(s, 0);
    hpf.Alignment = in.byte(s, 1);
    lpf.FreqIndex = in.byte(s, 4);
    lpf.Alignment = in.byte(s, 5);
}

void clampBand(EqBand& band) {
    band.FreqIndex = std::clamp(band.FreqIndex, 0, kFreqIndexMax);
    band.BandType = std::clamp(band.BandType, 0, static_cast<int>(BandType::HighShelf));
    band.PeakGain = std::clamp(band.PeakGain, 0, kEqGainIndexMax);
    band.ShelfGain = std::clamp(band.ShelfGain, 0, kEqGainIndexMax);
    band.QIndex = std::clamp(band.QIndex, 0, kQIndexMax);
}

void clampCrossover(CrossoverFilter& filter) {
    filter.FreqIndex = std::clamp(filter.FreqIndex, 0, kFreqIndexMax);
    filter.Alignment = std::clamp(filter.Alignment, 0, kAlignmentCount - 1);
}

std::uint8_t lo(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint8_t hi(int value) {
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

SectionBytes encodeBand(const EqBand& b) {
    return {lo(b.FreqIndex), lo(b.BandType),  lo(b.PeakGain), hi(b.PeakGain),
            lo(b.ShelfGain), hi(b.ShelfGain), lo(b.QIndex),   0};
}

SectionBytes encodeCrossover(const CrossoverFilter& hpf, const CrossoverFilter& lpf) {
    return {lo(hpf.FreqIndex), lo(hpf.Alignment), 0, 0, lo(lpf.FreqIndex), lo(lpf.Alignment), 0, 0};
}

}  // namespace

int BlockCodec::sectionIndex(int block, int section) {
    if (block >= 0 && block <= 2 && section >= 0 && section < kOutputSections)
        return kOutputSections * block + section;
    if (block >= 3 && block <= 10 && section == 0) return 24 + block;
    return -1;
}

bool BlockCodec::DecodeBlockText(std::string_view blockText, DeviceState& state) {
    if (blockText.size() < kPayloadTextOffset + 2 * 320) return false;
    const PayloadReader in(blockText);
    for (int k = 0; k < 3; ++k) {
        auto& out = state.Outputs[k];
        const int base = kOutputSections * k;
        out.Gain = in.byte(base, 0);
        out.On = in.byte(base, 1);
        out.Delay = in.word(base, 2);
        out.Polarity = in.byte(base, 4);
        decodeCrossover(in, base + 1, out.Hpf, out.Lpf);
        out.Limiter.Threshold = in.byte(base + 2, 0);
        out.Limiter.Attack = in.byte(base + 2, 1);
        out.Limiter.Release = in.byte(base + 2, 2);
        for (int j = 0; j < kBandsPerChannel; ++j) decodeBand(in, base + 3 + j, out.Bands[j]);
    }
    auto& m = state.Master;
    m.BassCompensation = in.byte(kMasterMainSection, 0);
    // The volume lives in a slider of range 0..301, which holds what it is given.
    m.Volume = std::clamp(in.word(kMasterMainSection, 2), 0, kVolumeCodeMax);
    m.Delay = in.word(kMasterMainSection, 4);
    m.Polarity = in.byte(kMasterMainSection, 6);
    m.Bridge = in.byte(kMasterMainSection, 7);
    decodeCrossover(in, kMasterCrossoverSection, m.Hpf, m.Lpf);
    for (int j = 0; j < kBandsPerChannel; ++j)
        decodeBand(in, kMasterFirstBandSection + j, m.Bands[j]);
    ClampToRanges(state);
    return true;
}

void BlockCodec::ClampToRanges(DeviceState& state) {
    for (int k = 0; k < 3; ++k)
        state.Outputs[k].Gain =
            std::clamp(state.Outputs[k].Gain, 0, k == 2 ? kGainCodeOutput3Max : kGainCodeMax);
    for (int b = 0; b < kFlatBandCount; ++b) clampBand(state.band(b));
    for (int c = 0; c < kChannelCount; ++c) {
        clampCrossover(state.hpf(c));
        clampCrossover(state.lpf(c));
    }
}

SectionBytes BlockCodec::EncodeSection(const DeviceState& state, int block, int section) {
    return EncodeBlockSection(state, sectionIndex(block, section));
}

SectionBytes BlockCodec::EncodeBlockSection(const DeviceState& state, int s) {
    if (s < 0 || s >= kParameterSections) return {};
    if (s < 3 * kOutputSections) {
        const auto& out = state.Outputs[s / kOutputSections];
        const int part = s % kOutputSections;
        if (part == 0)
            return {
                lo(out.Gain), lo(out.On), lo(out.Delay), hi(out.Delay), lo(out.Polarity), 0, 0, 0};
        if (part == 1) return encodeCrossover(out.Hpf, out.Lpf);
        if (part == 2)
            return {lo(out.Limiter.Threshold),
                    lo(out.Limiter.Attack),
                    lo(out.Limiter.Release),
                    0,
                    0,
                    0,
                    0,
                    0};
        return encodeBand(out.Bands[part - 3]);
    }
    const auto& m = state.Master;
    if (s == kMasterMainSection)
        return {lo(m.BassCompensation), 0,           lo(m.Volume),
                hi(m.Volume),           lo(m.Delay), hi(m.Delay),
                lo(m.Polarity),         lo(m.Bridge)};
    if (s == kMasterCrossoverSection) return encodeCrossover(m.Hpf, m.Lpf);
    return encodeBand(m.Bands[s - kMasterFirstBandSection]);
}

std::optional<ParameterBlock> BlockCodec::PayloadOf(std::string_view blockText) {
    if (blockText.size() < kPayloadTextOffset + 2 * 320) return std::nullopt;
    ParameterBlock block{};
    for (std::size_t k = 0; k < block.size(); ++k) {
        auto value = hexByte(blockText.substr(kPayloadTextOffset + 2 * k, 2));
        if (!value) return std::nullopt;
        block[k] = *value;
    }
    return block;
}

}  // namespace ampdesk
