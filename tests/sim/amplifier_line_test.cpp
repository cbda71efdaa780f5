#include "amplifier_line.h"

#include <gtest/gtest.h>

#include "fake_serial_backend.h"
#include "hex_text.h"
#include "serial_link.h"
#include "virtual_clock.h"

namespace ampdesk {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The program's side as in production: a SerialLink on a fake port, with
// the amplifiers attached as the far end, all on the virtual clock.
class AmplifierLineTest : public testing::Test {
protected:
    AmplifierLineTest() {
        port.addDevice("/dev/ttyVA0");
        link.setPortResolver([](int) { return std::optional<std::string>("/dev/ttyVA0"); });
        link.CurrentPort = 9;
        link.Open();
        link.StartWatcher();
        line.attach(port);
        line.setLog([this](const std::string& text) { logLines.push_back(text); });
    }

    // Sends a frame and returns what the program received within ms.
    std::string exchange(const DeviceFrame& frame, int ms = 1000) {
        link.RxHexBuffer.clear();
        sendFrame(link, frame);
        clock.advance(ms);
        return link.RxHexBuffer;
    }

    VirtualClock clock;
    FakeSerialBackend port;
    SerialLink link{clock, port};
    AmplifierLine line{clock};
    std::vector<std::string> logLines;
};

// Records what the line sends and when, without a port in between.
class LineTimingTest : public testing::Test {
protected:
    struct Arrival {
        std::int64_t at;
        Bytes bytes;
    };

    LineTimingTest() {
        line.addAmplifier(1);
        line.setSink([this](const Bytes& b) { arrivals.push_back({clock.now(), b}); });
    }

    void request(const DeviceFrame& f) { line.receive(f.bytes()); }
    Bytes all() const {
        Bytes out;
        for (const auto& a : arrivals) out.insert(out.end(), a.bytes.begin(), a.bytes.end());
        return out;
    }
    std::size_t bytesBy(std::int64_t t) const {
        std::size_t n = 0;
        for (const auto& a : arrivals)
            if (a.at <= t) n += a.bytes.size();
        return n;
    }

    VirtualClock clock;
    AmplifierLine line{clock};
    std::vector<Arrival> arrivals;
};

TEST_F(AmplifierLineTest, AnswersReachTheProgramByteForByte) {
    line.addAmplifier(1);
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(0)),
              "A5A5A500"
              "52002B000008"
              "00000A4300000000"
              "38"
              "AA");
    const auto block = exchange(DeviceFrame::blockRequest(0));
    ASSERT_EQ(block.size(), 664u);
    EXPECT_EQ(block.substr(0, 20), "A5A5A500520028000140");
    EXPECT_EQ(block.substr(660), "CDAA");
    EXPECT_EQ(exchange(DeviceFrame::namesRequest(0)).size(), 824u);
    EXPECT_EQ(line.counters().answersSent, 3u);
    EXPECT_EQ(line.counters().badFrames, 0u);
}

TEST_F(AmplifierLineTest, SectionWriteChangesOnlyItsEightBytes) {
    auto& amp = line.addAmplifier(1);
    const auto before = amp.liveBlock();
    EXPECT_EQ(exchange(DeviceFrame::sectionWrite(0, 0x01, 3, {1, 2, 3, 4, 5, 6, 7, 8})), "");
    auto expected = before;
    for (int i = 0; i < 8; ++i) expected[96 + i] = static_cast<std::uint8_t>(i + 1);
    EXPECT_EQ(amp.liveBlock(), expected);
    // And the block read back carries it.
    EXPECT_EQ(exchange(DeviceFrame::blockRequest(0)).substr(20 + 2 * 96, 16), "0102030405060708");
}

TEST_F(AmplifierLineTest, BroadcastIsAppliedByAllAndAnsweredByNone) {
    auto& a = line.addAmplifier(1);
    auto& b = line.addAmplifier(2);
    auto& c = line.addAmplifier(200);
    const std::array<std::uint8_t, 8> main{0x78, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(exchange(DeviceFrame::sectionWrite(0xFF, 0x02, 0, main)), "");
    for (auto* amp : {&a, &b, &c})
        EXPECT_TRUE(std::equal(main.begin(), main.end(), amp->liveBlock().begin() + 144));

    Bytes block(320, 0x5A);
    EXPECT_EQ(exchange(DeviceFrame::blockWrite(0xFF, block)), "");
    for (auto* amp : {&a, &b, &c}) EXPECT_EQ(amp->liveBlock()[0], 0x5A);

    for (const auto& request :
         {DeviceFrame::statusRequest(0xFF), DeviceFrame::blockRequest(0xFF),
          DeviceFrame::namesRequest(0xFF), DeviceFrame::settingsRequest(0xFF)})
        EXPECT_EQ(exchange(request), "");
    EXPECT_EQ(port.queued(), 0u);
    EXPECT_EQ(line.counters().answersSent, 0u);
}

TEST_F(AmplifierLineTest, EachAmplifierAnswersOnlyItsOwnId) {
    line.addAmplifier(1).setAttenuation(1);
    line.addAmplifier(5).setAttenuation(5);
    // Wire ID 4 is amplifier 5.
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(4)),
              "A5A5A504"
              "52002B000008"
              "00000A4305000000"
              "39"
              "AA");
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(0)),
              "A5A5A500"
              "52002B000008"
              "00000A4301000000"
              "39"
              "AA");
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(1)), "");
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(5)), "");
    // A section write to one leaves the other alone.
    exchange(DeviceFrame::sectionWrite(4, 0x03, 0, {1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(line.findByShownId(5)->liveBlock()[216], 1);
    EXPECT_EQ(line.findByShownId(1)->liveBlock()[216], 0);
}

TEST_F(AmplifierLineTest, SettingsWriteMovesTheAmplifierToItsNewId) {
    auto& amp = line.addAmplifier(1);
    line.addAmplifier(2);
    // Acknowledged from the old address, then only the new one is answered.
    EXPECT_EQ(exchange(DeviceFrame::settingsWrite(0, {1, 0x10, 0x01, 7, 0, 15, 0, 0})),
              "A5A5A500"
              "510021000000"
              "70"
              "AA");
    EXPECT_EQ(amp.shownId(), 7);
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(0)), "");
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(6)).substr(0, 8), "A5A5A506");
    EXPECT_EQ(exchange(DeviceFrame::settingsRequest(6)).substr(20, 16), "01100107000F0000");
    // A broadcast settings write gives every amplifier the same ID, silently.
    EXPECT_EQ(exchange(DeviceFrame::settingsWrite(0xFF, {1, 0, 0, 9, 0, 15, 0, 0})), "");
    EXPECT_EQ(line.amplifier(0).shownId(), 9);
    EXPECT_EQ(line.amplifier(1).shownId(), 9);
}

TEST_F(AmplifierLineTest, BadFramesAndUnknownCommandsAreIgnoredAndCounted) {
    line.addAmplifier(1);
    auto badCheck = DeviceFrame::statusRequest(0).bytes();
    badCheck[10] ^= 0x40;
    auto badEnd = DeviceFrame::statusRequest(0).bytes();
    badEnd[11] = 0xAB;
    for (const auto& bytes : {badCheck, badEnd}) {
        link.RxHexBuffer.clear();
        sendBytes(link, bytes);
        clock.advance(1000);
        EXPECT_EQ(link.RxHexBuffer, "");
    }
    EXPECT_EQ(line.counters().badFrames, 2u);
    EXPECT_EQ(exchange({0, DeviceFrame::kRequest, 0, 0x2C, 0, {}}), "");
    EXPECT_EQ(line.counters().rejectedFrames, 1u);

    // Noise in front of a request: found behind it and answered.
    const auto skippedBefore = line.counters().skippedBytes;
    Bytes noisy{0x00, 0xA5, 0xA5, 0x17};
    const auto poll = DeviceFrame::statusRequest(0).bytes();
    noisy.insert(noisy.end(), poll.begin(), poll.end());
    link.RxHexBuffer.clear();
    sendBytes(link, noisy);
    clock.advance(1000);
    EXPECT_EQ(link.RxHexBuffer.substr(0, 20), "A5A5A50052002B000008");
    EXPECT_EQ(line.counters().skippedBytes - skippedBefore, 4u);

    bool loggedBad = false;
    for (const auto& l : logLines)
        loggedBad = loggedBad || l.find("check bad") != std::string::npos;
    EXPECT_TRUE(loggedBad);
}

TEST_F(AmplifierLineTest, AFrameCutShortIsGivenUpAfterALongSilence) {
    line.addAmplifier(1);
    auto header = DeviceFrame::blockWrite(0, Bytes(320, 0)).bytes();
    header.resize(10);
    sendBytes(link, header);
    clock.advance(AmplifierLine::kStaleFrameMs + 1);
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(0)).size(), 40u);
}

TEST_F(AmplifierLineTest, BlockWriteInTwoPiecesIsOneFrame) {
    auto& amp = line.addAmplifier(1);
    const auto frame = DeviceFrame::blockWrite(0, Bytes(320, 0x33)).bytes();
    sendBytes(link, std::span(frame.data(), 10));
    clock.advance(1000);  // the longest pause a program leaves between the pieces
    sendBytes(link, std::span(frame.data() + 10, frame.size() - 10));
    clock.advance(10);
    EXPECT_EQ(amp.liveBlock()[319], 0x33);
}

TEST_F(LineTimingTest, AnswerStartsAfterTheDelayAndTakesTheTimeOf9600Baud) {
    request(DeviceFrame::statusRequest(0));
    clock.advance(1000);
    EXPECT_EQ(bytesBy(20), 0u);
    EXPECT_EQ(bytesBy(22), 1u);
    EXPECT_EQ(bytesBy(30), 9u);   // 10 ms is 9.6 bytes
    EXPECT_EQ(bytesBy(40), 19u);  // 20 bytes take 20.8 ms
    EXPECT_EQ(bytesBy(41), 20u);
    EXPECT_EQ(all(), line.amplifier(0).statusAnswer().bytes());

    // A second request while the long block answer is still going out
    // waits for the line: its answer follows the block's last byte.
    arrivals.clear();
    const auto start = clock.now();
    request(DeviceFrame::blockRequest(0));
    request(DeviceFrame::statusRequest(0));
    clock.advance(2000);
    const auto blockEnd = start + 20 + AmplifierLine::transmitMs(332);
    EXPECT_EQ(bytesBy(blockEnd - 1), 331u);
    EXPECT_EQ(bytesBy(blockEnd), 332u);
    EXPECT_EQ(bytesBy(blockEnd + 1), 332u);
    EXPECT_EQ(bytesBy(blockEnd + AmplifierLine::transmitMs(20)), 352u);
}

TEST_F(LineTimingTest, DelayAndFullSpeedAreSettable) {
    line.setAnswerDelay(5);
    line.setFullSpeed(true);
    request(DeviceFrame::blockRequest(0));
    clock.advance(100);
    ASSERT_EQ(arrivals.size(), 1u);
    EXPECT_EQ(arrivals[0].at, 5);
    EXPECT_EQ(arrivals[0].bytes.size(), 332u);
}

TEST_F(LineTimingTest, SilenceFromAChosenMoment) {
    line.faults().silentAfterMs = 1000;
    request(DeviceFrame::statusRequest(0));
    clock.advance(1000);
    EXPECT_EQ(all().size(), 20u);
    // Still listening: the write is applied, only answers stop.
    request(DeviceFrame::sectionWrite(0, 0, 0, {7, 0, 0, 0, 0, 0, 0, 0}));
    request(DeviceFrame::statusRequest(0));
    clock.advance(1000);
    EXPECT_EQ(all().size(), 20u);
    EXPECT_EQ(line.amplifier(0).liveBlock()[0], 7);
    EXPECT_EQ(line.counters().answersWithheld, 1u);

    line.faults().silentAfterMs.reset();
    request(DeviceFrame::statusRequest(0));
    clock.advance(100);
    EXPECT_EQ(all().size(), 40u);
    line.faults().silent = true;
    request(DeviceFrame::statusRequest(0));
    clock.advance(100);
    EXPECT_EQ(all().size(), 40u);
}

TEST_F(LineTimingTest, NoAnswerToOneChosenCommand) {
    line.faults().dropCommand = DeviceFrame::kCmdSettings;
    request(DeviceFrame::settingsWrite(0, {1, 0, 0, 3, 0, 0, 0, 0}));
    request(DeviceFrame::settingsRequest(2));
    clock.advance(1000);
    EXPECT_TRUE(arrivals.empty());
    EXPECT_EQ(line.amplifier(0).shownId(), 3);  // applied all the same
    request(DeviceFrame::statusRequest(2));
    clock.advance(1000);
    EXPECT_EQ(all(), line.amplifier(0).statusAnswer().bytes());
}

TEST_F(LineTimingTest, LateAnswerToTheFaultCommandOnly) {
    line.faults().lateMs = 2000;
    line.faults().faultCommand = DeviceFrame::kCmdBlock;
    request(DeviceFrame::blockRequest(0));
    clock.advance(1999);
    EXPECT_TRUE(arrivals.empty());
    clock.advance(1000);
    EXPECT_EQ(arrivals.front().at, 2002);  // the first byte takes 1.04 ms
    EXPECT_EQ(all().size(), 332u);

    arrivals.clear();
    const auto t = clock.now();
    request(DeviceFrame::statusRequest(0));
    clock.advance(100);
    ASSERT_FALSE(arrivals.empty());
    EXPECT_EQ(arrivals.front().at, t + 22);
}

TEST_F(LineTimingTest, AnswersCutIntoChunks) {
    line.faults().chunkSize = 5;
    line.faults().chunkGapMs = 100;
    request(DeviceFrame::settingsWrite(0, {1, 0, 0, 1, 0, 0, 0, 0}));
    clock.advance(1000);
    ASSERT_EQ(arrivals.size(), 3u);
    EXPECT_EQ(arrivals[0].bytes.size(), 5u);
    EXPECT_EQ(arrivals[1].bytes.size(), 5u);
    EXPECT_EQ(arrivals[2].bytes.size(), 2u);
    EXPECT_EQ(arrivals[0].at, 20 + AmplifierLine::transmitMs(5));
    EXPECT_EQ(arrivals[1].at, arrivals[0].at + 100 + AmplifierLine::transmitMs(5));
    EXPECT_EQ(arrivals[2].at, arrivals[1].at + 100 + AmplifierLine::transmitMs(2));
    EXPECT_EQ(toHex(all()),
              "A5A5A500510021000000"
              "70AA");
}

TEST_F(LineTimingTest, NoiseBeforeEachAnswer) {
    line.faults().noiseBytes = 10;
    request(DeviceFrame::statusRequest(0));
    clock.advance(1000);
    const auto bytes = all();
    ASSERT_EQ(bytes.size(), 30u);
    EXPECT_EQ(toHex(Bytes(bytes.begin(), bytes.begin() + 10)), "00FFA5550FA5A53C00FF");
    EXPECT_EQ(Bytes(bytes.begin() + 10, bytes.end()), line.amplifier(0).statusAnswer().bytes());
}

TEST_F(LineTimingTest, CorruptedCheckByte) {
    line.faults().corruptCheck = true;
    request(DeviceFrame::statusRequest(0));
    clock.advance(1000);
    auto expected = line.amplifier(0).statusAnswer().bytes();
    const auto got = all();
    ASSERT_EQ(got.size(), expected.size());
    EXPECT_NE(got[18], expected[18]);
    expected[18] = got[18];
    EXPECT_EQ(got, expected);
}

TEST_F(AmplifierLineTest, EachFaultAsTheProgramSeesIt) {
    // Through the real link: noise in the same batch as the answer puts it
    // behind text that does not start with a sync, a late answer misses a
    // 1.5 s window, chunks with gaps arrive in separate batches.
    line.addAmplifier(1);
    line.faults().noiseBytes = 3;
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(0)).substr(0, 6), "00FFA5");

    line.faults() = {};
    line.faults().lateMs = 2000;
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(0), 1500), "");
    clock.advance(1000);
    EXPECT_EQ(link.RxHexBuffer.size(), 40u);

    line.faults() = {};
    line.faults().chunkSize = 8;
    line.faults().chunkGapMs = 200;
    int batches = 0;
    link.setDispatcher([&] { ++batches; });
    EXPECT_EQ(exchange(DeviceFrame::statusRequest(0)).size(), 40u);
    EXPECT_EQ(batches, 3);
}

}  // namespace
}  // namespace ampdesk
