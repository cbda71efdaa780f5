#include <gtest/gtest.h>

#include <random>

#include "protocol_test_support.h"

namespace ampdesk {
namespace {

using namespace test;

// The answers the dispatcher knows, each with the flags it needs to be taken
// and a way to count how often it was recognised.
enum class Kind { Status, Settings, IdAck, SaveAck, Block, Names, StoredGroup };
constexpr Kind kKinds[] = {Kind::Status, Kind::Settings, Kind::IdAck,      Kind::SaveAck,
                           Kind::Block,  Kind::Names,    Kind::StoredGroup};

class DispatcherRandomTest : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override {
        f.connect();
        f.view.onDisconnect = nullptr;  // keep the line open whatever happens
        f.link.setDispatcher([this] {
            // At most what was left (under 1000) plus this batch.
            EXPECT_LT(f.rx().size(), Dispatcher::kOverflow + 2 * m_batch);
            f.engine.Dispatch();
            EXPECT_LT(f.rx().size(), Dispatcher::kOverflow);
            maxSeen = std::max(maxSeen, f.rx().size());
        });
    }

    void send(const Bytes& batch) {
        m_batch = batch.size();
        f.receive(batch);
    }

    // Every timer of the protocol off, the buffer and the records empty.
    void quiet() {
        auto& t = f.engine.timers();
        for (Timer* timer :
             {t.Timer1.get(), t.intimer.get(), t.sendTimer.get(), t.Timer7.get(), t.Timer4.get(),
              t.trunon1.get(), t.FSaveDialog3.get(), t.FSaveDialog4.get()})
            timer->stop();
        f.rx().clear();
        f.view.clear();
        f.dialogs.clear();
        f.engine.data().RzMemo1.clear();
        f.port.clearWrites();
    }

    Bytes prepare(Kind kind) {
        auto& flags = f.engine.flags();
        switch (kind) {
            case Kind::Status:
                return statusAnswer(0x0900, 3);
            case Kind::Settings:
                return settingsAnswer();
            case Kind::IdAck:
                flags.IdChangeAckPending = true;
                return idChangeAck();
            case Kind::SaveAck:
                flags.PresetSaveAckPending = true;
                return saveAck();
            case Kind::Block:
                return blockAnswer(workedExampleBlock());
            case Kind::Names:
                return namesAnswer({"one", "two"});
            case Kind::StoredGroup:
                flags.Collecting = true;
                flags.CollectedBlocks = 0;
                return storedGroupAnswer(3, workedExampleBlock());
        }
        return {};
    }

    int recognised(Kind kind) {
        switch (kind) {
            case Kind::Status:
                return static_cast<int>(f.view.named("temperature").size());
            case Kind::Settings:
                return static_cast<int>(f.view.named("lastGroup").size());
            case Kind::IdAck:
                return f.engine.flags().IdChangeAckPending ? 0 : 1;
            case Kind::SaveAck:
                return f.engine.flags().PresetSaveAckPending ? 0 : 1;
            case Kind::Block:
                return static_cast<int>(f.view.named("slider").size());
            case Kind::Names:
                return static_cast<int>(f.view.named("presetLists").size());
            case Kind::StoredGroup:
                return static_cast<int>(f.engine.data().RzMemo1.size());
        }
        return -1;
    }

    // Sends the answer in pieces cut at the given byte offsets (ascending).
    void sendCut(const Bytes& answer, const std::vector<std::size_t>& cuts) {
        std::size_t from = 0;
        for (std::size_t to : cuts) {
            send(Bytes(answer.begin() + from, answer.begin() + to));
            from = to;
        }
        send(Bytes(answer.begin() + from, answer.end()));
    }

    ProtocolFixture f{GetParam()};
    std::size_t maxSeen = 0;

private:
    std::size_t m_batch = 0;
};

TEST_P(DispatcherRandomTest, EveryAnswerCutAtEveryByteIsRecognisedOnce) {
    for (Kind kind : kKinds) {
        const std::size_t length = prepare(kind).size();
        for (std::size_t cut = 1; cut < length; ++cut) {
            quiet();
            const Bytes answer = prepare(kind);
            sendCut(answer, {cut});
            ASSERT_EQ(recognised(kind), 1) << "kind " << static_cast<int>(kind) << " cut " << cut;
            EXPECT_TRUE(f.rx().empty());
        }
    }
}

TEST_P(DispatcherRandomTest, AnswersInRandomPiecesBetweenNoiseAreRecognisedOnce) {
    std::mt19937 rng(20240611);
    for (int trial = 0; trial < 600; ++trial) {
        quiet();
        // Noise first, in a batch of its own: it is dropped as a whole.
        if (rng() % 2) {
            Bytes noise(1 + rng() % 200);
            for (auto& b : noise) b = static_cast<std::uint8_t>(rng());
            noise[0] = static_cast<std::uint8_t>(0x00 + rng() % 0xA5);
            send(noise);
            ASSERT_TRUE(f.rx().empty());
        }
        const Kind kind = kKinds[rng() % std::size(kKinds)];
        const Bytes answer = prepare(kind);
        std::vector<std::size_t> cuts;
        const int pieces = static_cast<int>(rng() % 5);
        for (int i = 0; i < pieces; ++i) cuts.push_back(1 + rng() % (answer.size() - 1));
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        sendCut(answer, cuts);
        ASSERT_EQ(recognised(kind), 1) << "trial " << trial;
    }
}

TEST_P(DispatcherRandomTest, LongRandomStreamsNeverCrashOrGrowTheBuffer) {
    std::mt19937 rng(7);
    std::vector<Bytes> answers;
    for (Kind kind : kKinds) answers.push_back(prepare(kind));
    answers.push_back(answer(0x52, 0, 0x28, Bytes(40, 0x11)));  // a block cut short
    answers.push_back(answer(0x52, 4, 0x29, Bytes(320, 0xA5)));
    answers.push_back(answer(0x52, 0, 0x26, Bytes(100, 0x00)));
    answers.push_back(answer(0x52, 0, 0x77, Bytes(8, 0x01)));

    auto& flags = f.engine.flags();
    for (int batch = 0; batch < 6000; ++batch) {
        // Operations come and go, with ports that do not fit the hit table.
        flags.Collecting = rng() % 3 == 0;
        flags.InitialData = rng() % 5 == 0;
        flags.SingleSavePending = rng() % 5 == 0;
        flags.PresetLoadPending = rng() % 4 == 0;
        flags.IdChangeAckPending = rng() % 2 == 0;
        flags.PresetSaveAckPending = rng() % 2 == 0;
        flags.SearchRunning = rng() % 2 == 0;
        flags.ProbeId = static_cast<int>(rng() % 600) - 100;
        f.link.CurrentPort = static_cast<int>(rng() % 800) - 200;

        Bytes bytes;
        const int parts = 1 + static_cast<int>(rng() % 4);
        for (int p = 0; p < parts; ++p) {
            switch (rng() % 4) {
                case 0: {  // random bytes, often starting like a frame
                    Bytes noise(rng() % 120);
                    for (auto& b : noise) b = static_cast<std::uint8_t>(rng());
                    if (rng() % 2) noise.insert(noise.begin(), {0xA5, 0xA5, 0xA5});
                    bytes = bytes + noise;
                    break;
                }
                case 1: {  // a slice of an answer
                    const Bytes& a = answers[rng() % answers.size()];
                    const std::size_t from = rng() % a.size();
                    const std::size_t to = from + rng() % (a.size() - from + 1);
                    bytes.insert(bytes.end(), a.begin() + from, a.begin() + to);
                    break;
                }
                default:  // a whole answer
                    bytes = bytes + answers[rng() % answers.size()];
            }
        }
        if (bytes.empty()) continue;
        send(bytes);
        if (batch % 50 == 0) f.clock.advance(rng() % 700);  // let timers run now and then
    }
    EXPECT_GT(maxSeen, 600u);  // the stream did build up long texts
    EXPECT_TRUE(f.link.PortOpen());
}

INSTANTIATE_TEST_SUITE_P(BothEditions, DispatcherRandomTest,
                         ::testing::Values(Edition::A, Edition::B), editionName);

}  // namespace
}  // namespace ampdesk
