#include <gtest/gtest.h>

#include "protocol_test_support.h"

namespace ampdesk {
namespace {

using namespace test;

std::vector<std::string> curveCalls() {
    std::vector<std::string> calls;
    for (int c = 0; c < 4; ++c) {
        calls.push_back("crossover " + std::to_string(c) + " HP");
        calls.push_back("crossover " + std::to_string(c) + " LP");
        for (int j = 0; j < 6; ++j) calls.push_back("band " + std::to_string(6 * c + j));
    }
    return calls;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class BlockApplierTest : public ::testing::TestWithParam<Edition> {
protected:
    ProtocolFixture f{GetParam()};
    bool editionA() const { return GetParam() == Edition::A; }

    void applyLive(const Bytes& block) {
        f.rx() = toHex(blockAnswer(block));
        f.engine.ApplyLiveBlock();
    }
};

TEST_P(BlockApplierTest, WorkedExampleRefreshesEveryViewInOrder) {
    f.connect();
    applyLive(workedExampleBlock());
    std::vector<std::string> expected;
    if (editionA()) expected.push_back("untick");
    expected.push_back(editionA() ? "slider 0 0.0 dB" : "slider 301 0.0 dB");
    expected = concat(
        expected, {"polarity 0 +", "polarity 1 +", "polarity 2 +", "mute 0 224,224,224",
                   "mute 1 224,224,224", "mute 2 224,224,224", "bass 224,224,224", "bridge off"});
    expected.push_back(editionA() ? "masterPolarity 相位 +" : "masterPolarity +");
    expected = concat(expected, curveCalls());
    if (editionA()) expected = concat(expected, {"masterEqPanel", "masterDelayPanel"});
    EXPECT_EQ(f.view.texts(), expected);
    EXPECT_TRUE(f.rx().empty());
    EXPECT_EQ(f.engine.state().Outputs[1].Gain, 200);
}

TEST_P(BlockApplierTest, FlagsShowAsButtonsAndMutedVolumeAsMute) {
    f.connect();
    Bytes block = workedExampleBlock();
    block[9 * 8 + 1] = 0;   // output 2 muted
    block[18 * 8 + 4] = 1;  // output 3 inverted
    block[27 * 8 + 0] = 1;  // bass compensation on
    block[27 * 8 + 2] = 0;  // volume 0: mute
    block[27 * 8 + 3] = 0;
    block[27 * 8 + 6] = 1;  // master inverted
    block[27 * 8 + 7] = 1;  // bridged
    applyLive(block);
    EXPECT_EQ(f.view.named("slider"),
              std::vector<std::string>{editionA() ? "slider 301 静音" : "slider 0 静音"});
    EXPECT_EQ(f.view.named("mute 1"), std::vector<std::string>{"mute 1 255,0,0"});
    EXPECT_EQ(f.view.named("polarity 2"), std::vector<std::string>{"polarity 2 -"});
    EXPECT_EQ(f.view.named("bass"), std::vector<std::string>{"bass 255,0,0"});
    EXPECT_EQ(f.view.named("bridge"), std::vector<std::string>{"bridge on"});
    EXPECT_EQ(f.view.named("masterPolarity"),
              std::vector<std::string>{editionA() ? "masterPolarity 相位 -" : "masterPolarity -"});

    // A level in between, and flag values other than 0 and 1 for bass and bridge.
    f.view.clear();
    block[27 * 8 + 0] = 2;
    block[27 * 8 + 7] = 2;
    block[27 * 8 + 2] = 239;  // -12.4 dB
    applyLive(block);
    EXPECT_EQ(f.view.named("slider"),
              std::vector<std::string>{editionA() ? "slider 62 -12.4 dB" : "slider 239 -12.4 dB"});
    EXPECT_FALSE(f.view.has("bass"));
    EXPECT_FALSE(f.view.has("bridge"));

    // A volume above the slider's range lands at its 0 dB end in either edition.
    f.view.clear();
    block[27 * 8 + 2] = 0x00;
    block[27 * 8 + 3] = 0x02;
    applyLive(block);
    EXPECT_EQ(f.view.named("slider"),
              std::vector<std::string>{editionA() ? "slider 0 0.0 dB" : "slider 301 0.0 dB"});
    EXPECT_EQ(f.engine.state().Master.Volume, 301);
}

TEST_P(BlockApplierTest, ApplyingClearsTheQueueSoNothingIsEchoed) {
    f.connect();
    f.engine.MarkBand(3);
    f.engine.MarkSettingsRequest();
    // An editor refreshed by the view marks its section, as real ones may.
    f.view.onCall = [this](const std::string& what) {
        if (what == "band 5") f.engine.MarkBand(5);
    };
    applyLive(workedExampleBlock());
    for (int type = 1; type <= SendScheduler::kQueueSize; ++type)
        EXPECT_FALSE(f.engine.sender().pending(type)) << type;
    f.engine.timers().sendTimer->start();
    f.clock.advance(2000);
    EXPECT_TRUE(f.port.writes().empty());
}

TEST_P(BlockApplierTest, BlockTextRefreshQueuesNothingAndRestoresPortOpen) {
    f.connect();
    std::vector<bool> portOpenSeen;
    f.view.onCall = [&](const std::string& what) {
        portOpenSeen.push_back(f.link.PortOpen());
        if (what.rfind("band", 0) == 0) f.engine.MarkBand(std::stoi(what.substr(5)));
        if (what.rfind("slider", 0) == 0) f.engine.MarkSection(SendScheduler::kMasterMain);
    };
    Bytes block = workedExampleBlock();
    block[27 * 8 + 6] = 1;
    f.rx() = toHex(blockAnswer(block));
    f.engine.ApplyBlockText();
    EXPECT_TRUE(f.link.PortOpen());
    ASSERT_FALSE(portOpenSeen.empty());
    EXPECT_EQ(std::count(portOpenSeen.begin(), portOpenSeen.end(), true), 0);
    EXPECT_EQ(f.view.texts().front(), editionA() ? "untick" : "slider 301 0.0 dB");
    EXPECT_EQ(f.view.named("masterPolarity"),
              std::vector<std::string>{editionA() ? "masterPolarity Pol(-)" : "masterPolarity -"});
    for (int type = 1; type <= SendScheduler::kQueueSize; ++type)
        EXPECT_FALSE(f.engine.sender().pending(type)) << type;
    EXPECT_TRUE(f.rx().empty());
    EXPECT_TRUE(f.port.writes().empty());
}

TEST_P(BlockApplierTest, BlockTextAfterTheLinkClosedLeavesPortOpenFalse) {
    f.connect();
    f.view.onCall = [&](const std::string& what) {
        if (what == "masterEqPanel" || what == "bridge off") f.link.Close();
    };
    f.rx() = toHex(blockAnswer(workedExampleBlock()));
    f.engine.ApplyBlockText();
    EXPECT_FALSE(f.link.PortOpen());
}

INSTANTIATE_TEST_SUITE_P(BothEditions, BlockApplierTest, ::testing::Values(Edition::A, Edition::B),
                         editionName);

}  // namespace
}  // namespace ampdesk
