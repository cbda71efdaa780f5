#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "block_codec.h"
#include "protocol_test_support.h"

namespace ampdesk {
namespace {

using test::answer;
using test::blockAnswer;
using test::Bytes;
using test::workedExampleBlock;

std::string blockText(const Bytes& block) {
    return toHex(blockAnswer(block));
}

DeviceState decode(const Bytes& block) {
    DeviceState state;
    EXPECT_TRUE(BlockCodec::DecodeBlockText(blockText(block), state));
    return state;
}

void setSection(Bytes& block, int section, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), block.begin() + 8 * section);
}

TEST(BlockCodec, WorkedExampleFrameAndFields) {
    const auto frame = blockAnswer(workedExampleBlock());
    ASSERT_EQ(frame.size(), 332u);
    EXPECT_EQ(toHex(Bytes(frame.begin(), frame.begin() + 10)),
              "A5A5A50052002800"
              "0140");
    EXPECT_EQ(frame[330], 0xCD);
    EXPECT_EQ(frame[331], 0xAA);

    const auto s = decode(workedExampleBlock());
    for (const auto& out : s.Outputs) {
        EXPECT_EQ(out.Gain, 200);
        EXPECT_EQ(out.On, 1);
        EXPECT_EQ(out.Delay, 0);
        EXPECT_EQ(out.Polarity, 0);
        EXPECT_EQ(out.Hpf.FreqIndex, 0);
        EXPECT_EQ(out.Lpf.FreqIndex, 243);
        EXPECT_EQ(out.Limiter.Threshold, 19);
    }
    for (int b = 0; b < kFlatBandCount; ++b) {
        const auto& band = s.band(b);
        EXPECT_EQ(band.FreqIndex, 0) << b;
        EXPECT_EQ(band.BandType, 0) << b;
        EXPECT_EQ(band.PeakGain, 120) << b;
        EXPECT_EQ(band.ShelfGain, 120) << b;
        EXPECT_EQ(band.QIndex, 4) << b;
    }
    EXPECT_EQ(s.Master.Volume, 301);
    EXPECT_EQ(s.Master.Lpf.FreqIndex, 243);
}

TEST(BlockCodec, EverySectionEncodesBackToItsBytes) {
    // A block with a distinct in-range value in every field.
    Bytes block = workedExampleBlock();
    for (int out = 0; out < 3; ++out) {
        const int base = 9 * out;
        setSection(block, base, {static_cast<std::uint8_t>(10 + out), 0, 0x9C, 0x01, 1, 0, 0, 0});
        setSection(block, base + 1, {static_cast<std::uint8_t>(5 + out), 3, 0, 0, 200, 8, 0, 0});
        setSection(block, base + 2, {static_cast<std::uint8_t>(out), 6, 5, 0, 0, 0, 0, 0});
        for (int j = 0; j < 6; ++j)
            setSection(block, base + 3 + j,
                       {static_cast<std::uint8_t>(40 * j + out), static_cast<std::uint8_t>(j % 3),
                        static_cast<std::uint8_t>(170 + j), 0, static_cast<std::uint8_t>(j), 0,
                        static_cast<std::uint8_t>(179 - j), 0});
    }
    setSection(block, 27, {1, 0, 0xEF, 0x00, 0x34, 0x01, 1, 1});
    setSection(block, 28, {12, 7, 0, 0, 100, 2, 0, 0});
    setSection(block, 32, {99, 1, 0xB4, 0x00, 0x00, 0x00, 0, 0});

    const auto state = decode(block);
    const int addresses[][2] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 8}, {1, 0}, {1, 5}, {2, 0},
                                {2, 2}, {2, 8}, {3, 0}, {4, 0}, {5, 0}, {8, 0}, {10, 0}};
    for (const auto& a : addresses) {
        const int s = BlockCodec::sectionIndex(a[0], a[1]);
        const auto bytes = BlockCodec::EncodeSection(state, a[0], a[1]);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.end()),
                  Bytes(block.begin() + 8 * s, block.begin() + 8 * s + 8))
            << "block " << a[0] << " section " << a[1];
    }
    for (int s = 0; s < 35; ++s) {
        const auto bytes = BlockCodec::EncodeBlockSection(state, s);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.end()),
                  Bytes(block.begin() + 8 * s, block.begin() + 8 * s + 8))
            << "section " << s;
    }
}

TEST(BlockCodec, SectionAddresses) {
    struct Case {
        int block, section, index;
    } cases[] = {{0, 0, 0},  {0, 8, 8},   {1, 0, 9},  {2, 8, 26}, {3, 0, 27},  {4, 0, 28},
                 {5, 0, 29}, {10, 0, 34}, {0, 9, -1}, {3, 1, -1}, {11, 0, -1}, {-1, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(BlockCodec::sectionIndex(c.block, c.section), c.index)
            << c.block << "," << c.section;
    EXPECT_EQ(BlockCodec::EncodeSection(DeviceState{}, 3, 1), SectionBytes{});
}

TEST(BlockCodec, RangesAreEnforcedOnDecoding) {
    Bytes block = workedExampleBlock();
    setSection(block, 0, {0xFA, 7, 0x9C, 0x01, 5, 0, 0, 0});           // output 1 gain 250
    setSection(block, 18, {0xFA, 0, 0xFF, 0xFF, 0, 0, 0, 0});          // output 3 gain 250
    setSection(block, 3, {0xF4, 3, 0xC8, 0x00, 0xFF, 0xFF, 0xFF, 0});  // band 0
    setSection(block, 19, {0xFF, 9, 0, 0, 0xFF, 0xFF, 0, 0});          // output 3 crossover
    setSection(block, 20, {0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0});          // limiter: taken as is
    setSection(block, 27, {2, 0, 0x00, 0x02, 0xFF, 0xFF, 3, 4});       // master: volume 512

    const auto s = decode(block);
    EXPECT_EQ(s.Outputs[0].Gain, 250);
    EXPECT_EQ(s.Outputs[2].Gain, 200);
    EXPECT_EQ(s.Outputs[0].On, 7);
    EXPECT_EQ(s.Outputs[0].Delay, 412);
    EXPECT_EQ(s.Outputs[0].Polarity, 5);
    EXPECT_EQ(s.Outputs[2].Delay, 0xFFFF);
    const auto& band = s.band(0);
    EXPECT_EQ(band.FreqIndex, 243);
    EXPECT_EQ(band.BandType, 2);
    EXPECT_EQ(band.PeakGain, 180);
    EXPECT_EQ(band.ShelfGain, 180);
    EXPECT_EQ(band.QIndex, 179);
    EXPECT_EQ(s.Outputs[2].Hpf.FreqIndex, 243);
    EXPECT_EQ(s.Outputs[2].Hpf.Alignment, 8);
    EXPECT_EQ(s.Outputs[2].Lpf.FreqIndex, 243);
    EXPECT_EQ(s.Outputs[2].Lpf.Alignment, 8);
    EXPECT_EQ(s.Outputs[2].Limiter.Threshold, 255);
    EXPECT_EQ(s.Outputs[2].Limiter.Attack, 255);
    EXPECT_EQ(s.Master.BassCompensation, 2);
    EXPECT_EQ(s.Master.Volume, 301);  // the slider holds what fits
    EXPECT_EQ(s.Master.Delay, 0xFFFF);
    EXPECT_EQ(s.Master.Bridge, 4);

    // The delay goes back to the wire low byte first.
    const auto main = BlockCodec::EncodeSection(s, 0, 0);
    EXPECT_EQ(main[2], 0x9C);
    EXPECT_EQ(main[3], 0x01);
    // The held volume is what encoding sends.
    const auto master = BlockCodec::EncodeSection(s, 3, 0);
    EXPECT_EQ(master[2], 0x2D);
    EXPECT_EQ(master[3], 0x01);
}

TEST(BlockCodec, LowerCaseDigitsAndUnusedSections) {
    Bytes block = workedExampleBlock();
    setSection(block, 12, {0xAB, 1, 0x7C, 0, 0x6E, 0, 0x1F, 0});
    const auto reference = decode(block);

    std::string lower = blockText(block);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    DeviceState fromLower;
    ASSERT_TRUE(BlockCodec::DecodeBlockText(lower, fromLower));
    EXPECT_EQ(BlockCodec::EncodeBlockSection(fromLower, 12),
              BlockCodec::EncodeBlockSection(reference, 12));
    EXPECT_EQ(fromLower.band(6).FreqIndex, 0xAB);

    // Sections 35..39 never change a field.
    Bytes noisy = block;
    std::fill(noisy.begin() + 280, noisy.end(), 0x5A);
    const auto fromNoisy = decode(noisy);
    for (int s = 0; s < 35; ++s)
        EXPECT_EQ(BlockCodec::EncodeBlockSection(fromNoisy, s),
                  BlockCodec::EncodeBlockSection(reference, s));
}

TEST(BlockCodec, ShortTextIsNotDecoded) {
    DeviceState state;
    state.Outputs[0].Gain = 33;
    EXPECT_FALSE(
        BlockCodec::DecodeBlockText(blockText(workedExampleBlock()).substr(0, 659), state));
    EXPECT_EQ(state.Outputs[0].Gain, 33);
    EXPECT_FALSE(BlockCodec::PayloadOf(std::string(659, '0')));
}

TEST(BlockCodec, PayloadOfAHeldBlockText) {
    Bytes block = workedExampleBlock();
    for (std::size_t k = 280; k < 320; ++k) block[k] = static_cast<std::uint8_t>(k);
    // Header and check byte of the held text play no part.
    std::string text = toHex(answer(0x52, 0, 0x28, block, 3));
    text.replace(660, 2, "00");
    const auto payload = BlockCodec::PayloadOf(text);
    ASSERT_TRUE(payload);
    EXPECT_EQ(Bytes(payload->begin(), payload->end()), block);
    text[100] = 'G';
    EXPECT_FALSE(BlockCodec::PayloadOf(text));
}

TEST(DeviceState, DefaultsBeforeAnyBlock) {
    const DeviceState s;
    for (const auto& out : s.Outputs) {
        EXPECT_EQ(out.Gain, 120);
        EXPECT_EQ(out.On, 1);
        EXPECT_EQ(out.Delay, 0);
        EXPECT_EQ(out.Hpf.FreqIndex, 0);
        EXPECT_EQ(out.Lpf.FreqIndex, 243);
        EXPECT_EQ(out.Limiter.Threshold, 0);
    }
    const int freq[] = {0, 33, 57, 80, 112, 136};
    for (int b = 0; b < kFlatBandCount; ++b) {
        EXPECT_EQ(s.band(b).FreqIndex, freq[b % 6]) << b;
        EXPECT_EQ(s.band(b).PeakGain, 120);
        EXPECT_EQ(s.band(b).ShelfGain, 120);
        EXPECT_EQ(s.band(b).QIndex, 4);
    }
    EXPECT_EQ(s.Master.Volume, 0);
    EXPECT_EQ(s.Master.Lpf.FreqIndex, 243);
    // Flat numbering: channel 3 is the master.
    EXPECT_EQ(&s.band(20), &s.Master.Bands[2]);
    EXPECT_EQ(&s.band(7), &s.Outputs[1].Bands[1]);
    EXPECT_EQ(&s.lpf(3), &s.Master.Lpf);
}

}  // namespace
}  // namespace ampdesk
