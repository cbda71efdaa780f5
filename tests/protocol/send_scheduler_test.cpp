#include <gtest/gtest.h>

#include "block_codec.h"
#include "protocol_test_support.h"

namespace ampdesk {
namespace {

using namespace test;

struct Sent {
    std::int64_t at;
    Bytes bytes;
};

class SendSchedulerTest : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override {
        f.port.setWriteObserver([this](const Bytes& b) { sent.push_back({f.clock.now(), b}); });
        f.connect();
    }
    // The idle state after a connect: polling and scanning.
    void startIdle() {
        f.engine.timers().Timer1->start();
        f.engine.timers().sendTimer->start();
    }
    // Frames other than polls.
    std::vector<Sent> messages() const {
        std::vector<Sent> out;
        for (const auto& s : sent)
            if (!(s.bytes.size() == 12 && s.bytes[6] == 0x2B)) out.push_back(s);
        return out;
    }
    std::vector<Sent> polls() const {
        std::vector<Sent> out;
        for (const auto& s : sent)
            if (s.bytes.size() == 12 && s.bytes[6] == 0x2B) out.push_back(s);
        return out;
    }
    SendScheduler& sender() { return f.engine.sender(); }

    ProtocolFixture f{GetParam()};
    std::vector<Sent> sent;
};

Bytes sectionFrame(std::uint8_t id, int block, int section, const DeviceState& s) {
    return DeviceFrame::sectionWrite(id, static_cast<std::uint8_t>(block),
                                     static_cast<std::uint8_t>(section),
                                     BlockCodec::EncodeSection(s, block, section))
        .bytes();
}

TEST_P(SendSchedulerTest, ThirtyMarksOfOneSectionTravelAsTwoFramesWithTheLastValues) {
    startIdle();
    for (int i = 0; i < 30; ++i) {
        f.engine.state().Outputs[0].Gain = 100 + i;
        sender().MarkOutputSection(0, SendScheduler::OutputSection::Main);
        f.clock.advance(100 / 30);
    }
    f.clock.advance(2000);
    const auto m = messages();
    ASSERT_EQ(m.size(), 2u);
    const Bytes expected = sectionFrame(0, 0, 0, f.engine.state());
    EXPECT_EQ(expected[10], 129);
    EXPECT_EQ(m[0].bytes, expected);
    EXPECT_EQ(m[1].bytes, expected);
    EXPECT_EQ(m[0].at, 210);
    EXPECT_EQ(m[1].at, 720);
}

TEST_P(SendSchedulerTest, LowerTypesGoFirstOneEvery510MsWithPollingPaused) {
    startIdle();
    sender().MarkSettingsRequest();
    sender().MarkSection(12);
    sender().MarkSection(2);
    f.clock.advance(1300);
    const auto m = messages();
    ASSERT_EQ(m.size(), 3u);
    const auto& s = f.engine.state();
    EXPECT_EQ(m[0].bytes, sectionFrame(0, 0, 1, s));
    EXPECT_EQ(m[1].bytes, sectionFrame(0, 0, 5, s));
    EXPECT_EQ(m[2].bytes, DeviceFrame::settingsRequest(0).bytes());
    EXPECT_EQ(m[1].at - m[0].at, 510);
    EXPECT_EQ(m[2].at - m[1].at, 510);
    EXPECT_TRUE(polls().empty());
    // 300 ms after the last message polling resumes.
    f.clock.advance(1230 + 300 + 500 - 1300);
    ASSERT_EQ(polls().size(), 1u);
    EXPECT_EQ(polls()[0].at, 2030);
}

TEST_P(SendSchedulerTest, BroadcastWritesEveryMessageTwiceBackToBack) {
    f.engine.ids().DeviceId = 255;
    f.engine.state().Master.Volume = 150;
    sender().MarkSection(SendScheduler::kMasterMain);
    sender().MarkSettingsRequest();
    startIdle();
    f.clock.advance(1100);
    const auto m = messages();
    ASSERT_EQ(m.size(), 4u);
    const Bytes master = sectionFrame(255, 3, 0, f.engine.state());
    EXPECT_EQ(master[3], 0xFF);
    EXPECT_EQ(master[12], 150);
    EXPECT_EQ(m[0].bytes, master);
    EXPECT_EQ(m[1].bytes, master);
    EXPECT_EQ(m[1].at, m[0].at);
    EXPECT_EQ(m[2].bytes, DeviceFrame::settingsRequest(255).bytes());
    EXPECT_EQ(m[3].bytes, m[2].bytes);
}

TEST_P(SendSchedulerTest, SlotsKeepTheAddressOfTheirMarkButTheSettingsRequestDoesNot) {
    sender().MarkBand(20);  // master band 3: type 32
    sender().MarkSettingsRequest();
    EXPECT_TRUE(sender().pending(32));
    f.engine.ids().DeviceId = 9;
    startIdle();
    f.clock.advance(1100);
    const auto m = messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].bytes, sectionFrame(0, 7, 0, f.engine.state()));
    EXPECT_EQ(m[1].bytes, DeviceFrame::settingsRequest(9).bytes());
}

TEST_P(SendSchedulerTest, MessageTypesOfBandsAndCrossovers) {
    const std::pair<int, int> bands[] = {{0, 10}, {5, 15}, {6, 16}, {17, 27}, {18, 30}, {23, 35}};
    for (auto [band, type] : bands) EXPECT_EQ(SendScheduler::messageTypeOfBand(band), type);
    const std::pair<int, int> crossovers[] = {{0, 2}, {1, 5}, {2, 8}, {3, 36}};
    for (auto [channel, type] : crossovers)
        EXPECT_EQ(SendScheduler::messageTypeOfCrossover(channel), type);
    // Each type writes its own section.
    const std::tuple<int, int, int> frames[] = {{1, 0, 0},   {3, 0, 2},  {4, 1, 0},  {9, 2, 2},
                                                {10, 0, 3},  {27, 2, 8}, {28, 3, 0}, {30, 5, 0},
                                                {35, 10, 0}, {36, 4, 0}};
    for (auto [type, block, section] : frames) {
        sender().MarkSection(type);
        EXPECT_EQ(sender().slot(type), sectionFrame(0, block, section, f.engine.state())) << type;
    }
}

TEST_P(SendSchedulerTest, MarksWhileClosedAreDroppedExceptTheSettingsRequest) {
    f.link.Close();
    sender().MarkSection(1);
    sender().MarkSection(SendScheduler::kSettingsWrite);
    sender().MarkSettingsRequest();
    EXPECT_FALSE(sender().pending(1));
    EXPECT_FALSE(sender().pending(SendScheduler::kSettingsWrite));
    EXPECT_TRUE(sender().pending(SendScheduler::kSettingsRequest));
}

TEST_P(SendSchedulerTest, AMarkAfterTheScanTookItIsSentNowAndOneCycleLater) {
    startIdle();
    sender().MarkSection(4);
    f.clock.advance(100);  // taken at 10, sent at 210
    f.engine.state().Outputs[1].Gain = 77;
    sender().MarkSection(4);
    f.clock.advance(1000);
    const auto m = messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].bytes[10], 77);
    EXPECT_EQ(m[1].bytes, m[0].bytes);
}

TEST_P(SendSchedulerTest, AMessageTakenBeforeADisconnectIsNotSentLater) {
    startIdle();
    sender().MarkSection(1);
    f.clock.advance(100);
    EXPECT_EQ(sender().CurrentType(), 1);
    f.view.disconnectAsButton3();
    f.clock.advance(500);
    EXPECT_EQ(sender().CurrentType(), 0);
    EXPECT_FALSE(f.clock.isRunning("Timer7"));
    f.connect();
    f.clock.advance(1000);
    EXPECT_TRUE(messages().empty());
}

TEST_P(SendSchedulerTest, ClearQueueKeepsTheMessageAlreadyTaken) {
    startIdle();
    sender().MarkSection(1);
    sender().MarkSection(2);
    f.clock.advance(100);
    sender().ClearQueue();
    f.clock.advance(1000);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].bytes[6], 0x00);
    EXPECT_EQ(messages()[0].bytes[7], 0x00);
}

TEST_P(SendSchedulerTest, BandResetProgressCountsSixMessagesThenCloses) {
    auto& flags = f.engine.flags();
    flags.ResetProgress = true;
    flags.ResetProgressCounter = 0;
    for (int band = 18; band < 24; ++band) sender().MarkBand(band);
    startIdle();
    f.clock.advance(6 * 510);
    std::vector<std::string> expected = {"progress 16", "progress 32", "progress 48", "progress 64",
                                         "progress 80", "progress 96", "hideProgress"};
    expected.push_back(GetParam() == Edition::A
                           ? "enable RzGroupBox8,GroupBox1,GroupBox2,GroupBox3,RzGroupBox12"
                           : "enable RzGroupBox8,GroupBox1,GroupBox2,GroupBox3");
    EXPECT_EQ(f.view.texts(), expected);
    EXPECT_FALSE(flags.ResetProgress);
    EXPECT_EQ(messages().size(), 6u);
    // Later messages no longer count.
    sender().MarkBand(0);
    f.clock.advance(1000);
    EXPECT_EQ(f.view.texts().size(), expected.size());
}

TEST_P(SendSchedulerTest, SettingsWriteEchoesTheLastAnswerAndFollowsShownId) {
    f.receive(settingsAnswer({3, 0x11, 0x22, 0x99, 0x98, 7, 0x97, 0x96}));
    f.engine.ids().ShownId = 5;  // an ID assignment
    f.rx() = "A5A5A5";
    sender().MarkSection(SendScheduler::kSettingsWrite);
    EXPECT_TRUE(f.rx().empty());
    EXPECT_EQ(sender().slot(SendScheduler::kSettingsWrite),
              hex("A5 A5 A5 00 A1 00 21 00 00 08 03 11 22 05 00 07 00 00 BA AA"));
    EXPECT_EQ(f.engine.ids().DeviceId, 4);
    EXPECT_EQ(f.view.named("deviceIdList"), std::vector<std::string>{"deviceIdList 4"});
    startIdle();
    f.clock.advance(300);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].bytes[3], 0x00);  // built before the address moved
    // Polls go to the new address.
    f.clock.advance(1000);
    ASSERT_FALSE(polls().empty());
    EXPECT_EQ(polls()[0].bytes, DeviceFrame::statusRequest(4).bytes());

    // Broadcast keeps its address.
    f.view.clear();
    f.engine.ids().DeviceId = 255;
    f.engine.ids().ShownId = 9;
    sender().MarkSection(SendScheduler::kSettingsWrite);
    EXPECT_EQ(f.engine.ids().DeviceId, 255);
    EXPECT_FALSE(f.view.has("deviceIdList"));
}

TEST_P(SendSchedulerTest, WholeBlockWritesFormOneValidFrame) {
    Bytes block = workedExampleBlock();
    for (std::size_t k = 280; k < 320; ++k) block[k] = static_cast<std::uint8_t>(0xA0 + k % 16);
    // Held as received from another amplifier: its header and check play no part.
    f.engine.data().HeldBlockText = toHex(answer(0x52, 0, 0x28, block, 3));
    f.engine.ids().DeviceId = 0;

    f.engine.sender().WriteBlock(SendScheduler::kSettingsInUse, 1000);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].bytes, hex("A5 A5 A5 00 A1 00 28 00 01 40"));
    EXPECT_EQ(sent[1].at - sent[0].at, 1000);
    EXPECT_EQ(sent[0].bytes + sent[1].bytes, DeviceFrame::blockWrite(0, block).bytes());
    std::uint8_t check = 0xC8;
    for (auto b : block) check ^= b;
    EXPECT_EQ(sent[1].bytes[320], check);
    EXPECT_FALSE(f.clock.isRunning("Timer10"));

    sent.clear();
    f.engine.ids().DeviceId = 6;
    f.engine.sender().WriteBlock(7, 50);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].bytes + sent[1].bytes, DeviceFrame::storedGroupWrite(6, 7, block).bytes());
    EXPECT_TRUE(f.clock.isRunning("Timer10"));
    f.engine.timers().Timer10->stop();
    sent.clear();
    f.engine.sender().WriteBlock(20, 50);
    EXPECT_EQ(sent.size(), 2u);
    EXPECT_FALSE(f.clock.isRunning("Timer10"));

    // Nothing while the port is closed.
    sent.clear();
    f.link.Close();
    EXPECT_FALSE(f.engine.sender().WriteBlockPayload(SendScheduler::kSettingsInUse));
    EXPECT_TRUE(sent.empty());
}

TEST_P(SendSchedulerTest, WorkedExampleWrittenBackAfterARead) {
    // A block read from the amplifier and written back as held carries
    // sections 35..39 byte for byte.
    Bytes block = workedExampleBlock();
    for (std::size_t k = 280; k < 320; ++k) block[k] = static_cast<std::uint8_t>(k * 7);
    f.engine.flags().InitialData = true;
    f.receive(blockAnswer(block));
    sent.clear();
    f.engine.sender().WriteBlock(SendScheduler::kSettingsInUse, 100);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(Bytes(sent[1].bytes.begin() + 280, sent[1].bytes.begin() + 320),
              Bytes(block.begin() + 280, block.end()));
}

INSTANTIATE_TEST_SUITE_P(BothEditions, SendSchedulerTest, ::testing::Values(Edition::A, Edition::B),
                         editionName);

}  // namespace
}  // namespace ampdesk
