#include <gtest/gtest.h>

#include "protocol_test_support.h"

namespace ampdesk {
namespace {

using namespace test;

class DispatcherTest : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override { f.connect(); }
    bool editionA() const { return GetParam() == Edition::A; }
    bool running(const char* timer) const { return f.clock.isRunning(timer); }

    ProtocolFixture f{GetParam()};
};

using Strings = std::vector<std::string>;

TEST_P(DispatcherTest, StatusSplitEighteenThenTwentyTwoCharacters) {
    const Bytes status = statusAnswer(0x045B, 6);
    f.receive(Bytes(status.begin(), status.begin() + 9));
    EXPECT_EQ(f.rx(), toHex(Bytes(status.begin(), status.begin() + 9)));
    EXPECT_FALSE(f.view.has("temperature"));
    f.receive(Bytes(status.begin() + 9, status.end()));
    EXPECT_EQ(f.view.named("temperature"), Strings{"temperature >=70 °C"});
    EXPECT_EQ(f.view.named("attenuation"), Strings{"attenuation 6 dB"});
    EXPECT_TRUE(f.rx().empty());
}

TEST_P(DispatcherTest, SettingsThenStatusInOneBatchAreBothHandled) {
    f.receive(settingsAnswer() + statusAnswer());
    EXPECT_TRUE(f.view.has("lastGroup"));
    EXPECT_TRUE(f.view.has("temperature"));
    EXPECT_TRUE(f.rx().empty());
}

TEST_P(DispatcherTest, SettingsBehindAStatusWaitsForALaterPass) {
    f.receive(statusAnswer() + settingsAnswer());
    EXPECT_TRUE(f.view.has("temperature"));
    EXPECT_FALSE(f.view.has("lastGroup"));
    EXPECT_EQ(f.rx(), toHex(settingsAnswer()));
    // The next pass picks it up.
    f.receive(statusAnswer());
    EXPECT_TRUE(f.view.has("lastGroup"));
    EXPECT_EQ(f.view.named("temperature").size(), 2u);
}

TEST_P(DispatcherTest, AcknowledgementThenStoredGroupInOneBatch) {
    f.engine.flags().Collecting = true;
    const Bytes group = storedGroupAnswer(1, workedExampleBlock());
    f.receive(idChangeAck() + group);
    EXPECT_EQ(f.engine.data().RzMemo1, Strings{toHex(group)});
    EXPECT_TRUE(f.rx().empty());
    EXPECT_FALSE(running("Timer2"));  // no ID change was pending

    // Followed by a status instead: the status step came earlier in the pass.
    f.receive(saveAck() + statusAnswer());
    EXPECT_EQ(f.rx(), toHex(statusAnswer()));
    EXPECT_FALSE(f.view.has("temperature"));
}

TEST_P(DispatcherTest, AcknowledgementsStartTheirMessagesOnlyWhenPending) {
    f.engine.ids().ShownId = 5;
    f.engine.flags().IdChangeAckPending = true;
    f.receive(idChangeAck());
    EXPECT_FALSE(f.engine.flags().IdChangeAckPending);
    f.clock.advance(10);
    f.engine.flags().PresetSaveAckPending = true;
    f.receive(saveAck());
    f.clock.advance(10);
    f.receive(saveAck());  // nothing pending any more
    f.clock.advance(50);
    const Strings expected = editionA() ? Strings{"设备ID更改5", "成功保存。"}
                                        : Strings{"设备ID更改为       5", "成功保存。        "};
    EXPECT_EQ(f.dialogs.messages(), expected);
    // The saved-message timer asks for the settings again.
    EXPECT_TRUE(f.engine.sender().pending(SendScheduler::kSettingsRequest));
    EXPECT_FALSE(running("Timer2"));
    EXPECT_FALSE(running("Timer11"));
}

TEST_P(DispatcherTest, NoiseAndOverflowClearTheBuffer) {
    f.receive(hex("A5 A5 00 52 00 2B 00 00 08") + statusAnswer());
    EXPECT_TRUE(f.rx().empty());
    EXPECT_FALSE(f.view.has("temperature"));

    // Unrecognised but well-formed frames stay and hide what follows ...
    const Bytes unknown = answer(0x52, 0, 0x33);  // 12 bytes
    Bytes many;
    for (int i = 0; i < 41; ++i) many = many + unknown;  // 984 characters
    f.receive(many);
    EXPECT_EQ(f.rx().size(), 984u);
    f.receive(statusAnswer());
    // ... until the buffer reaches 1000 characters.
    EXPECT_TRUE(f.rx().empty());
    EXPECT_FALSE(f.view.has("temperature"));
    f.receive(statusAnswer());
    EXPECT_TRUE(f.view.has("temperature"));

    Bytes exactly = many + hex("A5 A5 A5 00 52 00 33 00");  // 1000 characters
    f.receive(exactly);
    EXPECT_TRUE(f.rx().empty());
}

TEST_P(DispatcherTest, StartOfTheSyncBytesWaitsForTheRest) {
    const Bytes status = statusAnswer(0x13FE);
    f.receive(Bytes(status.begin(), status.begin() + 2));
    EXPECT_EQ(f.rx(), "A5A5");
    f.receive(Bytes(status.begin() + 2, status.end()));
    EXPECT_EQ(f.view.named("temperature"), Strings{"temperature <=10 °C"});
}

TEST_P(DispatcherTest, TwentiethStoredGroupEndsTheCollectionAndATwentyFirstStays) {
    auto& flags = f.engine.flags();
    flags.Collecting = true;
    f.engine.timers().Timer9->start();
    for (int g = 1; g <= 19; ++g) f.receive(storedGroupAnswer(g, workedExampleBlock()));
    EXPECT_FALSE(f.view.has("unlock"));
    EXPECT_EQ(flags.CollectedBlocks, 19);
    f.receive(storedGroupAnswer(20, workedExampleBlock()));
    EXPECT_FALSE(flags.Collecting);
    EXPECT_EQ(flags.CollectedBlocks, 0);
    EXPECT_EQ(f.engine.data().RzMemo1.size(), 20u);
    EXPECT_FALSE(running("Timer9"));
    EXPECT_TRUE(running("Timer1"));
    EXPECT_TRUE(running("sendTimer"));
    if (editionA()) {
        EXPECT_EQ(f.view.texts(), (Strings{"hideProgress", "unlock"}));
        EXPECT_TRUE(running("FSaveDialog4"));
        f.clock.advance(10);
        EXPECT_FALSE(running("FSaveDialog4"));
    }
    EXPECT_EQ(f.view.texts(), (Strings{"hideProgress", "unlock", "saveLines eight"}));

    f.engine.timers().Timer1->stop();
    const Bytes late = storedGroupAnswer(21, workedExampleBlock());
    f.receive(late);
    EXPECT_EQ(f.rx(), toHex(late));
    EXPECT_EQ(f.engine.data().RzMemo1.size(), 20u);
}

TEST_P(DispatcherTest, InitialDataWinsOverSingleSave) {
    auto& flags = f.engine.flags();
    flags.InitialData = true;
    flags.SingleSavePending = true;
    f.engine.timers().chcon112->start();
    const Bytes block = blockAnswer(workedExampleBlock());
    f.receive(block);
    EXPECT_FALSE(flags.InitialData);
    EXPECT_TRUE(flags.SingleSavePending);
    EXPECT_EQ(f.engine.data().HeldBlockText, toHex(block));
    EXPECT_EQ(f.rx(), toHex(block));  // held, not consumed
    EXPECT_FALSE(running("chcon112"));
    EXPECT_TRUE(running("trunon1"));
    EXPECT_FALSE(f.view.has("slider"));
    f.clock.advance(10);
    EXPECT_EQ(f.view.texts(), Strings{"initialDataCopy"});
    EXPECT_FALSE(running("trunon1"));
}

TEST_P(DispatcherTest, SingleSaveGoesToAFileNotToTheViews) {
    f.engine.flags().SingleSavePending = true;
    const Bytes block = blockAnswer(workedExampleBlock());
    f.receive(block + statusAnswer());
    EXPECT_FALSE(f.engine.flags().SingleSavePending);
    EXPECT_TRUE(f.rx().empty());
    EXPECT_TRUE(running("Timer1"));
    EXPECT_TRUE(running("sendTimer"));
    if (editionA()) {
        EXPECT_EQ(f.engine.data().RzMemo1, Strings{toHex(block)});
        EXPECT_TRUE(f.view.texts().empty());
        f.clock.advance(10);
        EXPECT_EQ(f.view.texts(), Strings{"saveLines single"});
    } else {
        EXPECT_EQ(f.view.texts(), Strings{"saveLine 664"});
    }
}

TEST_P(DispatcherTest, LiveBlockThenNamesCompleteTheHandshake) {
    auto& t = f.engine.timers();
    t.chcon->start();
    t.chcon112->start();
    t.chcon188->start();
    const Bytes block = blockAnswer(workedExampleBlock());
    f.receive(Bytes(block.begin(), block.begin() + 100));
    EXPECT_FALSE(running("chcon"));
    EXPECT_TRUE(running("chcon112"));
    f.receive(Bytes(block.begin() + 100, block.end()));
    EXPECT_FALSE(running("chcon112"));
    EXPECT_TRUE(f.view.has("disableLists"));
    EXPECT_EQ(f.takeWrites(), std::vector<Bytes>{hex("A5 A5 A5 00 A2 00 26 00 00 00 84 AA")});
    EXPECT_FALSE(running("Timer1"));

    std::vector<std::string> names(20);
    names[0] = "Stage";
    names[4] = std::string("Bar\0xyz", 7);
    names[7] = "Nineteen characters";
    f.receive(namesAnswer(names));
    EXPECT_FALSE(running("chcon188"));
    EXPECT_EQ(f.view.named("presetLists"),
              Strings{"presetLists Usr0:Stage|Usr1:|Usr2:|Usr3:|Pre4:Bar|Pre5:|Pre6:|"
                      "Pre7:Nineteen characters"});
    EXPECT_EQ(f.engine.data().PresetNames[4], std::string("Bar\0xyz", 7) + std::string(13, '\0'));
    EXPECT_TRUE(f.engine.sender().pending(SendScheduler::kSettingsRequest));
    EXPECT_TRUE(running("Timer1"));
    EXPECT_TRUE(running("sendTimer"));
    // The settings request goes out before the first poll.
    f.clock.advance(10 + 200);
    EXPECT_EQ(f.takeWrites(), std::vector<Bytes>{DeviceFrame::settingsRequest(0).bytes()});
}

TEST_P(DispatcherTest, PresetLoadAnswerAsksForSettingsAndNoNames) {
    auto& flags = f.engine.flags();
    flags.PresetLoadPending = true;
    f.engine.timers().Timer22->start();
    f.receive(blockAnswer(workedExampleBlock()));
    EXPECT_FALSE(flags.PresetLoadPending);
    EXPECT_TRUE(f.engine.sender().pending(SendScheduler::kSettingsRequest));
    EXPECT_FALSE(running("Timer22"));
    EXPECT_TRUE(running("Timer1"));
    EXPECT_TRUE(running("sendTimer"));
    const auto texts = f.view.texts();
    EXPECT_EQ(Strings(texts.end() - 3, texts.end()),
              (Strings{"disableLists", "hideProgress", "unlock"}));
    EXPECT_TRUE(f.port.writes().empty());
}

TEST_P(DispatcherTest, SearchHitsOnlyForRealPortsAndProbes) {
    auto& flags = f.engine.flags();
    flags.SearchRunning = true;
    flags.ProbeId = 4;
    f.link.CurrentPort = 3;
    f.receive(statusAnswer());
    EXPECT_TRUE(flags.SearchHits.get(3, 4));

    struct Case {
        int port, probe;
    } bad[] = {{-1, 4}, {0, 4}, {256, 4}, {100000, 4}, {3, -1}, {3, 256}};
    for (const auto& c : bad) {
        flags.SearchHits.clear();
        f.link.CurrentPort = c.port;
        flags.ProbeId = c.probe;
        f.receive(statusAnswer());
        for (int p = 0; p < 256; ++p)
            for (int id = 0; id < 256; ++id)
                ASSERT_FALSE(flags.SearchHits.get(p, id)) << c.port << "/" << c.probe;
    }
    // Still shown as an ordinary status.
    EXPECT_EQ(f.view.named("temperature").size(), 7u);
}

INSTANTIATE_TEST_SUITE_P(BothEditions, DispatcherTest, ::testing::Values(Edition::A, Edition::B),
                         editionName);

}  // namespace
}  // namespace ampdesk
