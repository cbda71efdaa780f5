#include "frame_scanner.h"

#include <gtest/gtest.h>

#include "hex_text.h"

namespace ampdesk {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Status = FrameScanner::Status;

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// A section write whose payload holds sync and end bytes.
const Bytes kTricky =
    DeviceFrame::sectionWrite(0, 1, 2, {0xA5, 0xA5, 0xA5, 0xAA, 0xA5, 0xAA, 0, 0}).bytes();
const Bytes kPoll = DeviceFrame::statusRequest(4).bytes();

TEST(FrameScanner, FindsAFrameWhateverWayItIsSplit) {
    for (std::size_t cut = 0; cut <= kTricky.size(); ++cut) {
        FrameScanner scanner;
        auto first = scanner.feed(std::span(kTricky.data(), cut));
        auto second = scanner.feed(std::span(kTricky.data() + cut, kTricky.size() - cut));
        first.insert(first.end(), second.begin(), second.end());
        ASSERT_EQ(first.size(), 1u) << "cut at " << cut;
        EXPECT_EQ(first[0].status, Status::Ok);
        EXPECT_EQ(first[0].raw, kTricky);
        EXPECT_EQ(first[0].frame.Command, 1);
        EXPECT_EQ(first[0].frame.Section, 2);
        EXPECT_EQ(scanner.pending(), 0u);
    }
}

TEST(FrameScanner, ResynchronisesBehindNoise) {
    struct Case {
        const char* name;
        Bytes noise;
    };
    const Case cases[] = {
        {"plain noise", {0x00, 0x13, 0xFF}},
        {"lone sync bytes", {0xA5, 0x00, 0xA5, 0xA5}},
        {"one sync byte too many", {0xA5}},
        {"sync run too long", {0xA5, 0xA5, 0xA5, 0xA5}},
        {"end bytes", {0xAA, 0xAA}},
        {"header with an impossible length",
         {0xA5, 0xA5, 0xA5, 0x00, 0xA2, 0x00, 0x28, 0x00, 0x01, 0x91}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FrameScanner scanner;
        const auto frames = scanner.feed(concat({c.noise, kPoll, {0x42}, kTricky}));
        ASSERT_EQ(frames.size(), 2u);
        EXPECT_EQ(frames[0].raw, kPoll);
        EXPECT_EQ(frames[1].raw, kTricky);
        EXPECT_EQ(scanner.skippedBytes(), c.noise.size() + 1);
    }
}

TEST(FrameScanner, ReportsABadCheckByteAndGoesOn) {
    Bytes bad = kPoll;
    bad[10] ^= 0x01;
    FrameScanner scanner;
    const auto frames = scanner.feed(concat({bad, kPoll}));
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].status, Status::BadCheck);
    EXPECT_EQ(frames[0].receivedCheck, kPoll[10] ^ 0x01);
    EXPECT_EQ(frames[1].status, Status::Ok);
}

TEST(FrameScanner, FindsTheFrameBehindOneCutShort) {
    // A settings request that lost its tail, then a whole poll: the poll is
    // found inside what looked like the first frame's payload.
    Bytes cut = DeviceFrame::settingsRequest(0).bytes();
    cut.resize(14);
    FrameScanner scanner;
    auto frames = scanner.feed(concat({cut, kPoll, kPoll}));
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(frames[0].status, Status::BadEnd);
    EXPECT_EQ(frames.back().raw, kPoll);
    EXPECT_EQ(frames.back().status, Status::Ok);
}

TEST(FrameScanner, DropPartialForgetsAHalfFrame) {
    FrameScanner scanner;
    scanner.feed(std::span(kTricky.data(), 15));
    EXPECT_EQ(scanner.pending(), 15u);
    scanner.dropPartial();
    EXPECT_EQ(scanner.pending(), 0u);
    EXPECT_EQ(scanner.skippedBytes(), 15u);
    const auto frames = scanner.feed(kPoll);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].status, Status::Ok);
}

}  // namespace
}  // namespace ampdesk
