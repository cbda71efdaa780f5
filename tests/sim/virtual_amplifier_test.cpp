#include "virtual_amplifier.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hex_text.h"

namespace ampdesk {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string answerHex(VirtualAmplifier& amp, const DeviceFrame& request) {
    auto out = amp.handle(request);
    EXPECT_TRUE(out.accepted);
    return out.answer ? toHex(out.answer->bytes()) : "";
}

VirtualAmplifier::Block patternBlock(std::uint8_t seed) {
    VirtualAmplifier::Block b{};
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(seed + i * 7);
    return b;
}

TEST(VirtualAmplifier, LiveBlockAnswerIsTheFactoryBlockWithItsKnownCheckByte) {
    VirtualAmplifier amp(1);
    const auto answer = amp.handle(DeviceFrame::blockRequest(0)).answer;
    ASSERT_TRUE(answer);
    const auto bytes = answer->bytes();
    ASSERT_EQ(bytes.size(), 332u);
    EXPECT_EQ(toHex({bytes.begin(), bytes.begin() + 10}), "A5A5A500520028000140");
    EXPECT_EQ(bytes[330], 0xCD);
    EXPECT_EQ(bytes[331], 0xAA);
    // A few sections of the factory block, by payload offset.
    auto section = [&](int s) {
        return toHex({bytes.begin() + 10 + 8 * s, bytes.begin() + 18 + 8 * s});
    };
    EXPECT_EQ(section(0), "C801000000000000");   // output 1 main
    EXPECT_EQ(section(19), "00000000F3000000");  // output 3 crossover
    EXPECT_EQ(section(11), "1300000000000000");  // output 2 limiter
    EXPECT_EQ(section(34), "0000780078000400");  // master EQ band 6
    EXPECT_EQ(section(27), "00002D0100000000");  // master main
    EXPECT_EQ(section(39), "0000000000000000");  // unused
}

TEST(VirtualAmplifier, AnswersEveryRequestByteForByte) {
    VirtualAmplifier amp(5);
    amp.setTemperatureReading(0x13FE);
    amp.setAttenuation(6);
    amp.setLastLoadedGroup(5);
    amp.setSettingsBytes({0xAB, 0xCD});
    amp.setTemperatureSetting(30);
    VirtualAmplifier::Name name{'a', 'b', 'c'};
    amp.setGroupName(3, name);

    EXPECT_EQ(answerHex(amp, DeviceFrame::statusRequest(4)),
              "A5A5A504"
              "52002B000008"
              "000013FE06000000"
              "9E"
              "AA");
    // Byte 3 of the settings answer carries the amplifier's own ID.
    EXPECT_EQ(answerHex(amp, DeviceFrame::settingsRequest(4)),
              "A5A5A504"
              "520021000008"
              "05ABCD05001E0000"
              "07"
              "AA");

    const auto names = answerHex(amp, DeviceFrame::namesRequest(4));
    ASSERT_EQ(names.size(), 824u);
    EXPECT_EQ(names.substr(0, 20), "A5A5A504520026000190");
    EXPECT_EQ(names.substr(20 + 80, 40), "616263" + std::string(34, '0'));
    EXPECT_EQ(names.substr(20, 80), std::string(80, '0'));
    EXPECT_EQ(names.substr(820), "81AA");

    // Stored group 7 holds the factory block: the live-block check byte 0xCD
    // with 28 -> 29 and the group folded in, from ID 4 instead of 0.
    const auto group = answerHex(amp, DeviceFrame::storedGroupRequest(4, 7));
    EXPECT_EQ(group.substr(0, 20), "A5A5A504520729000140");
    EXPECT_EQ(group.substr(660), "CFAA");
}

TEST(VirtualAmplifier, SectionWriteChangesOnlyItsEightBytes) {
    struct Case {
        std::uint8_t block, section;
        std::size_t offset;
    };
    const Case cases[] = {{0x00, 0, 0},   {0x00, 2, 16},  {0x00, 8, 64},  {0x01, 0, 72},
                          {0x01, 5, 112}, {0x02, 0, 144}, {0x02, 8, 208}, {0x03, 0, 216},
                          {0x04, 0, 224}, {0x05, 0, 232}, {0x0A, 0, 272}};
    const std::array<std::uint8_t, 8> payload{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    for (const auto& c : cases) {
        SCOPED_TRACE("block " + std::to_string(c.block) + " section " + std::to_string(c.section));
        VirtualAmplifier amp(1);
        amp.setLiveBlock(patternBlock(3));
        auto expected = amp.liveBlock();
        std::copy(payload.begin(), payload.end(), expected.begin() + c.offset);
        const auto out = amp.handle(DeviceFrame::sectionWrite(0, c.block, c.section, payload));
        EXPECT_TRUE(out.accepted);
        EXPECT_FALSE(out.answer);
        EXPECT_EQ(amp.liveBlock(), expected);
        EXPECT_EQ(amp.storedGroup(1), VirtualAmplifier::defaultBlock());
    }
}

TEST(VirtualAmplifier, SectionWriteOutsideTheBlockIsRejected) {
    const std::pair<std::uint8_t, std::uint8_t> addresses[] = {
        {0x00, 9}, {0x02, 9}, {0x03, 1}, {0x0A, 1}, {0x0B, 0}};
    for (auto [block, section] : addresses) {
        VirtualAmplifier amp(1);
        const auto out =
            amp.handle(DeviceFrame::sectionWrite(0, block, section, {1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_FALSE(out.accepted) << int(block) << "/" << int(section);
        EXPECT_EQ(amp.liveBlock(), VirtualAmplifier::defaultBlock());
    }
    VirtualAmplifier amp(1);
    auto shortWrite = DeviceFrame::sectionWrite(0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8});
    shortWrite.Payload.pop_back();
    EXPECT_FALSE(amp.handle(shortWrite).accepted);
}

TEST(VirtualAmplifier, SettingsWriteStoresAndTakesTheNewIdAfterAcknowledging) {
    VirtualAmplifier amp(1);
    const auto out = amp.handle(DeviceFrame::settingsWrite(0, {6, 0x12, 0x34, 9, 0, 22, 0, 0}));
    ASSERT_TRUE(out.answer);
    EXPECT_EQ(toHex(out.answer->bytes()),
              "A5A5A500"
              "510021000000"
              "70"
              "AA");
    EXPECT_EQ(amp.shownId(), 9);
    EXPECT_EQ(amp.wireId(), 8);
    EXPECT_EQ(toHex(amp.settingsAnswer().Payload), "0612340900160000");

    // ID byte 0 is no ID: the rest is stored, the ID stays.
    amp.handle(DeviceFrame::settingsWrite(8, {2, 0, 0, 0, 0, 3, 0, 0}));
    EXPECT_EQ(amp.shownId(), 9);
    EXPECT_EQ(amp.lastLoadedGroup(), 2);
    EXPECT_EQ(amp.temperatureSetting(), 3);
}

TEST(VirtualAmplifier, PresetSaveStoresNameAndLiveBlockInTheGroup) {
    VirtualAmplifier amp(1);
    amp.setLiveBlock(patternBlock(9));
    std::array<std::uint8_t, 20> name{};
    name[0] = 'x';
    name[18] = 'y';
    const auto out = amp.handle(DeviceFrame::presetNameWrite(0, 2, name));
    ASSERT_TRUE(out.answer);
    EXPECT_EQ(toHex(out.answer->bytes()),
              "A5A5A500"
              "510000000000"
              "51"
              "AA");
    EXPECT_EQ(amp.groupName(2), name);
    EXPECT_EQ(amp.storedGroup(2), patternBlock(9));
    EXPECT_EQ(amp.storedGroup(3), VirtualAmplifier::defaultBlock());
    EXPECT_EQ(amp.lastLoadedGroup(), 2);
}

TEST(VirtualAmplifier, PresetLoadMakesTheGroupLiveAndAnswersWithIt) {
    VirtualAmplifier amp(1);
    const auto stored = patternBlock(1);
    amp.setStoredGroup(8, stored);
    const auto out = amp.handle(DeviceFrame::blockRequest(0, 8));
    ASSERT_TRUE(out.answer);
    const auto bytes = out.answer->bytes();
    // Answered as the block in use: group byte 0.
    EXPECT_EQ(toHex({bytes.begin(), bytes.begin() + 10}), "A5A5A500520028000140");
    EXPECT_EQ(Bytes(bytes.begin() + 10, bytes.begin() + 330), Bytes(stored.begin(), stored.end()));
    EXPECT_EQ(amp.liveBlock(), stored);
    EXPECT_EQ(amp.lastLoadedGroup(), 8);
}

TEST(VirtualAmplifier, BlockWritesReplaceLiveBlockOrStoredGroup) {
    VirtualAmplifier amp(1);
    const auto a = patternBlock(5);
    const auto b = patternBlock(77);
    EXPECT_TRUE(amp.handle(DeviceFrame::blockWrite(0, a)).accepted);
    EXPECT_EQ(amp.liveBlock(), a);
    EXPECT_TRUE(amp.handle(DeviceFrame::storedGroupWrite(0, 20, b)).accepted);
    EXPECT_EQ(amp.storedGroup(20), b);
    EXPECT_EQ(amp.liveBlock(), a);
    const auto back = amp.handle(DeviceFrame::storedGroupRequest(0, 20)).answer;
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Group, 20);
    EXPECT_EQ(Bytes(back->Payload), Bytes(b.begin(), b.end()));
}

TEST(VirtualAmplifier, RejectsWhatItDoesNotKnow) {
    const auto block = patternBlock(1);
    std::vector<DeviceFrame> frames = {
        DeviceFrame::storedGroupRequest(0, 0),
        DeviceFrame::storedGroupRequest(0, 21),
        DeviceFrame::storedGroupWrite(0, 0, block),
        DeviceFrame::blockRequest(0, 21),
        DeviceFrame::presetNameWrite(0, 0, {}),
        {0, DeviceFrame::kRequest, 0, 0x30, 0, {}},    // unknown command
        {0, DeviceFrame::kData, 0, 0x2B, 0, {}},       // an answer, not a request
        {0, DeviceFrame::kWrite, 0, 0x2B, 0, {}},      // status cannot be written
        {0, DeviceFrame::kWrite, 0, 0x28, 0, {1, 2}},  // short block
    };
    for (const auto& f : frames) {
        VirtualAmplifier amp(1);
        const auto out = amp.handle(f);
        EXPECT_FALSE(out.accepted) << toHex(f.bytes());
        EXPECT_FALSE(out.answer);
        EXPECT_EQ(amp.liveBlock(), VirtualAmplifier::defaultBlock());
        EXPECT_EQ(amp.storedGroup(20), VirtualAmplifier::defaultBlock());
    }
}

}  // namespace
}  // namespace ampdesk
