#include <gtest/gtest.h>

#include "protocol_test_support.h"

namespace ampdesk {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

class StatusPollerTest : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override {
        f.port.setWriteObserver([this](const Bytes& b) {
            if (b == DeviceFrame::statusRequest(f.engine.ids().DeviceId).bytes())
                pollTimes.push_back(f.clock.now());
        });
        f.connect();
    }
    bool editionA() const { return GetParam() == Edition::A; }
    std::int64_t disconnectTime() const {
        for (const auto& c : f.view.calls)
            if (c.what == "disconnect") return c.at;
        return -1;
    }

    ProtocolFixture f{GetParam()};
    std::vector<std::int64_t> pollTimes;
};

TEST_P(StatusPollerTest, AnsweredPollsKeepTheLinkAndUpdateTheLabels) {
    f.engine.timers().Timer1->start();
    const int readings[] = {0x045B, 0x13FE, 0x04C4, 0x0800};
    f.clock.advance(500);
    for (int i = 0; i < 20; ++i) {
        // Answered 60 ms after each poll.
        f.clock.advance(10);
        f.receive(statusAnswer(readings[i % 4], i));
        f.clock.advance(500 - 10 - SerialLink::kGatherMs);
    }
    EXPECT_EQ(pollTimes.size(), 21u);
    EXPECT_FALSE(f.view.has("disconnect"));
    EXPECT_TRUE(f.dialogs.messages().empty());
    const auto temps = f.view.named("temperature");
    ASSERT_EQ(temps.size(), 20u);
    EXPECT_EQ(Strings(temps.begin(), temps.begin() + 4),
              (Strings{"temperature >=70 °C", "temperature <=10 °C", "temperature 68 °C",
                       "temperature 50 °C"}));
    EXPECT_EQ(f.view.named("attenuation").back(), "attenuation 19 dB");
}

TEST_P(StatusPollerTest, EachPollDropsWhatIsLeftOfEarlierAnswers) {
    f.engine.timers().Timer1->start();
    const Bytes status = statusAnswer();
    f.receive(Bytes(status.begin(), status.begin() + 12));
    EXPECT_FALSE(f.rx().empty());
    f.clock.advance(500);
    EXPECT_TRUE(f.rx().empty());
    EXPECT_EQ(f.port.writes().back(), hex("A5 A5 A5 00 A2 00 2B 00 00 00 89 AA"));
}

TEST_P(StatusPollerTest, SilenceDisconnectsTwoSecondsAfterTheFirstUnansweredPoll) {
    f.engine.timers().Timer1->start();
    f.clock.advance(500);
    f.clock.advance(30);
    f.receive(statusAnswer());  // the poll at 500 is answered
    f.clock.advance(5000);
    // Four polls go unanswered; the watchdog armed by the first fires 2 s later.
    EXPECT_EQ(pollTimes, (std::vector<std::int64_t>{500, 1000, 1500, 2000, 2500}));
    EXPECT_EQ(disconnectTime(), 3000);
    EXPECT_EQ(f.dialogs.messages(), Strings{editionA() ? "中断。" : "连接已中断"});
    EXPECT_FALSE(f.clock.isRunning("intimer"));
}

TEST_P(StatusPollerTest, ABrokenPortEndsTheConnectionThroughTheWatchdog) {
    f.engine.timers().Timer1->start();
    f.clock.advance(530);
    f.receive(statusAnswer());  // the poll at 500 is answered
    f.port.vanish();
    ASSERT_TRUE(f.link.broken());
    ASSERT_TRUE(f.link.PortOpen());
    const auto writes = f.port.writes().size();
    // Polling goes on as if connected; its writes reach nothing.
    f.clock.advance(2900 - f.clock.now());
    EXPECT_TRUE(f.clock.isRunning("Timer1"));
    EXPECT_EQ(f.port.writes().size(), writes);
    EXPECT_FALSE(f.view.has("disconnect"));
    f.clock.advance(1000);
    EXPECT_EQ(disconnectTime(), 3000);
    EXPECT_EQ(f.dialogs.messages(), Strings{editionA() ? "中断。" : "连接已中断"});
    EXPECT_FALSE(f.link.PortOpen());
}

TEST_P(StatusPollerTest, BroadcastSilenceIsNormal) {
    f.engine.ids().DeviceId = 255;
    f.engine.timers().Timer1->start();
    f.clock.advance(10000);
    EXPECT_FALSE(f.view.has("disconnect"));
    EXPECT_TRUE(f.dialogs.messages().empty());
    EXPECT_EQ(pollTimes.size(), 20u);
}

TEST_P(StatusPollerTest, ConnectTimeOutStopsTheHandshakeTimers) {
    auto& t = f.engine.timers();
    t.chcon->start();
    t.chcon112->start();
    t.chcon188->start();
    f.clock.advance(800);
    EXPECT_EQ(f.view.texts(), Strings{"disconnect"});
    EXPECT_EQ(f.dialogs.messages(),
              Strings{editionA() ? "连接超时，请正确该用户的设备ID。"
                                 : "连接超时.请确保该设备ID是正确的。               "});
    EXPECT_FALSE(f.clock.isRunning("chcon"));
    EXPECT_FALSE(f.clock.isRunning("chcon112"));
    EXPECT_FALSE(f.clock.isRunning("chcon188"));
}

TEST_P(StatusPollerTest, AnyByteStopsTheConnectTimeOut) {
    f.engine.timers().chcon->start();
    f.receive({0x00});
    f.clock.advance(2000);
    EXPECT_TRUE(f.dialogs.messages().empty());
}

TEST_P(StatusPollerTest, StatusTexts) {
    struct Case {
        int reading;
        const char* temperature;
    } cases[] = {{0x045B, ">=70 °C"}, {0x13FE, "<=10 °C"}, {0x04C4, "68 °C"},  {0x04C6, "68 °C"},
                 {0x0000, ">=70 °C"}, {0x1770, "<=10 °C"}, {0xFFFF, "<=10 °C"}};
    for (const auto& c : cases) {
        f.view.clear();
        f.receive(statusAnswer(c.reading, 6));
        EXPECT_EQ(f.view.texts(),
                  (Strings{std::string("temperature ") + c.temperature, "attenuation 6 dB"}))
            << c.reading;
    }
    f.receive(statusAnswer(0x0800, 255));
    EXPECT_EQ(f.view.named("attenuation").back(), "attenuation 255 dB");
    EXPECT_EQ(f.engine.state().Attenuation, 255);
}

TEST_P(StatusPollerTest, SettingsAnswerTexts) {
    struct Case {
        int group;
        const char* a;
        const char* b;
    } cases[] = {{5, "The last load group:Pre4", "最后一个加载组:预设    4"},
                 {1, "The last load group:Usr0", "最后一个加载组:自设    0"},
                 {4, "The last load group:Usr3", "最后一个加载组:自设    3"},
                 {0, "The last load group:Usr-1", "最后一个加载组:自设    -1"}};
    for (const auto& c : cases) {
        f.view.clear();
        f.receive(settingsAnswer({static_cast<std::uint8_t>(c.group), 1, 2, 0, 0, 30, 0, 0}));
        EXPECT_EQ(f.view.texts(),
                  (Strings{"tempSetting 30", std::string("lastGroup ") + (editionA() ? c.a : c.b) +
                                                 std::string(9, ' ')}));
    }
    EXPECT_EQ(f.engine.state().TempSettingIndex, 30);
    EXPECT_EQ(f.engine.state().SettingsByte1, 1);
    EXPECT_EQ(f.engine.state().SettingsByte2, 2);
}

INSTANTIATE_TEST_SUITE_P(BothEditions, StatusPollerTest, ::testing::Values(Edition::A, Edition::B),
                         editionName);

}  // namespace
}  // namespace ampdesk
