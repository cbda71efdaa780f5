#include <gtest/gtest.h>

#include <vector>

#include "fake_serial_backend.h"
#include "serial_link.h"
#include "virtual_clock.h"

namespace ampdesk {
namespace {

using Bytes = std::vector<std::uint8_t>;

class SerialLinkTest : public ::testing::Test {
protected:
    VirtualClock clock;
    FakeSerialBackend port;
    SerialLink link{clock, port};
    std::vector<std::string> batches;  // RxHexBuffer as each dispatch saw it

    void SetUp() override {
        port.addDevice("/dev/ttyUSB0");
        link.setPortResolver([](int n) -> std::optional<std::string> {
            if (n == 1) return "/dev/ttyUSB0";
            return std::nullopt;
        });
        link.setDispatcher([this] { batches.push_back(link.RxHexBuffer); });
    }

    void connect() {
        link.CurrentPort = 1;
        link.Open();
        ASSERT_TRUE(link.PortOpen());
        link.StartWatcher();
    }
};

TEST_F(SerialLinkTest, OpensTheDeviceOfThePortNumber) {
    connect();
    EXPECT_EQ(port.openedPath(), "/dev/ttyUSB0");
    EXPECT_EQ(link.devicePath(), "/dev/ttyUSB0");
}

TEST_F(SerialLinkTest, OpenFailuresLeavePortOpenFalseAndNothingOpen) {
    link.CurrentPort = 2;  // no such port
    link.Open();
    EXPECT_FALSE(link.PortOpen());
    port.setRefuseSettings(true);  // the driver refuses 9600 8N1
    link.CurrentPort = 1;
    link.Open();
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(port.isOpen());
}

TEST_F(SerialLinkTest, OpenWhileOpenReleasesTheOldPortFirst) {
    connect();
    link.Open();  // the same port again
    EXPECT_TRUE(link.PortOpen());
    EXPECT_EQ(port.openCount(), 2);
    EXPECT_EQ(port.closeCount(), 1);
    link.CurrentPort = 2;  // a port that is not there
    link.Open();
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(port.isOpen());
    link.CurrentPort = 1;
    link.Open();
    EXPECT_TRUE(link.PortOpen());
}

TEST_F(SerialLinkTest, BytesBecomeUpperCaseHexAfterTheGatherPause) {
    connect();
    port.inject({0xA5, 0xA5, 0x01, 0x0A, 0xbc});
    clock.advance(SerialLink::kGatherMs - 1);
    EXPECT_TRUE(batches.empty());
    clock.advance(1);
    EXPECT_EQ(batches, (std::vector<std::string>{"A5A5010ABC"}));
    EXPECT_TRUE(link.notifyFree());
}

TEST_F(SerialLinkTest, ArrivalsDuringTheGatherPauseJoinOneBatch) {
    connect();
    port.inject({0xA5});
    clock.advance(20);
    port.inject({0xA5, 0xA5});
    clock.advance(100);
    EXPECT_EQ(batches, (std::vector<std::string>{"A5A5A5"}));
}

TEST_F(SerialLinkTest, AFrameSplitOverThreeBatchesGivesTheSameTextAndThreeDispatches) {
    const Bytes frame = {0xA5, 0xA5, 0xA5, 0x00, 0xA2, 0x00, 0x2B, 0x00, 0x00, 0x00, 0x89, 0xAA};
    connect();
    port.inject(Bytes(frame.begin(), frame.begin() + 4));
    clock.advance(60);
    port.inject(Bytes(frame.begin() + 4, frame.begin() + 9));
    clock.advance(60);
    port.inject(Bytes(frame.begin() + 9, frame.end()));
    clock.advance(60);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches.back(), "A5A5A500A2002B00000089AA");
}

TEST_F(SerialLinkTest, EmptyQueueReleasesTheHandshakeWithoutDispatch) {
    connect();
    link.RxHexBuffer = "A5";
    port.inject({0x01});
    port.purgeInput();  // gone before the handler looks
    clock.advance(60);
    EXPECT_TRUE(batches.empty());
    EXPECT_EQ(link.RxHexBuffer, "A5");
    EXPECT_TRUE(link.notifyFree());
}

TEST_F(SerialLinkTest, MoreThanTheReadBufferArrivesWholeAndInOrder) {
    connect();
    Bytes big(3000);
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
    port.inject(big);
    clock.advance(60);
    ASSERT_EQ(batches.size(), 1u);
    ASSERT_EQ(link.RxHexBuffer.size(), 6000u);
    std::string expected;
    SerialLink::appendHex(expected, big.data(), big.size());
    EXPECT_EQ(link.RxHexBuffer, expected);
}

TEST_F(SerialLinkTest, BytesArrivingDuringDispatchAreReadWithoutANewArrival) {
    connect();
    link.setDispatcher([this] {
        batches.push_back(link.RxHexBuffer);
        if (batches.size() == 1) port.queueSilently({0x22});  // no arrival event
    });
    port.inject({0x11});
    clock.advance(200);
    EXPECT_EQ(batches, (std::vector<std::string>{"11", "1122"}));
}

TEST_F(SerialLinkTest, NothingIsReadBeforeTheWatcherStarts) {
    link.CurrentPort = 1;
    link.Open();
    port.inject({0x01});
    clock.advance(100);
    EXPECT_TRUE(batches.empty());
    link.StartWatcher();  // what waited is taken now
    clock.advance(100);
    EXPECT_EQ(batches, (std::vector<std::string>{"01"}));
}

TEST_F(SerialLinkTest, WriteSendsTxBytesWholeAndLeavesThemUnchanged) {
    connect();
    link.TxBytes = {0xA5, 0xAA, 0x00};
    link.Write();
    EXPECT_EQ(port.writes(), (std::vector<Bytes>{{0xA5, 0xAA, 0x00}}));
    EXPECT_EQ(link.TxBytes, (Bytes{0xA5, 0xAA, 0x00}));
}

TEST_F(SerialLinkTest, WriteSendsNothingWhenEmptyOrClosed) {
    link.TxBytes = {0x01};
    link.Write();  // not open
    connect();
    link.TxBytes.clear();
    link.Write();
    EXPECT_TRUE(port.writes().empty());
}

TEST_F(SerialLinkTest, FailedStatusQueryPurgesAndKeepsTheLink) {
    connect();
    link.RxHexBuffer = "AB";
    port.failStatusQuery();
    port.inject({0x01, 0x02});
    clock.advance(60);
    EXPECT_TRUE(batches.empty());
    EXPECT_EQ(link.RxHexBuffer, "AB");
    EXPECT_EQ(port.queued(), 0u);
    EXPECT_TRUE(link.notifyFree());
    EXPECT_FALSE(link.broken());
    port.inject({0x03});
    clock.advance(60);
    EXPECT_EQ(batches, (std::vector<std::string>{"AB03"}));
}

// A read failure, a write failure and a vanished device all break the link
// the same way: the port is released, PortOpen stays true, and writes and
// notifications do nothing until Close, which only clears PortOpen.
class BrokenLinkTest : public SerialLinkTest, public ::testing::WithParamInterface<int> {};

TEST_P(BrokenLinkTest, BreaksQuietlyAndCloseOnlyClearsPortOpen) {
    connect();
    switch (GetParam()) {
        case 0:
            port.failReads(true);
            port.inject({0x01});
            clock.advance(60);
            break;
        case 1:
            port.failWrites(true);
            link.TxBytes = {0x01};
            link.Write();
            break;
        case 2:
            port.vanish();
            break;
    }
    EXPECT_TRUE(link.broken());
    EXPECT_TRUE(link.PortOpen());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(link.watcherRunning());
    EXPECT_TRUE(batches.empty());

    const int closes = port.closeCount();
    port.failWrites(false);
    link.TxBytes = {0x02};
    link.Write();
    link.OnCommNotify();
    EXPECT_TRUE(port.writes().empty());
    EXPECT_TRUE(batches.empty());

    link.Close();
    EXPECT_FALSE(link.PortOpen());
    EXPECT_EQ(port.closeCount(), closes);
    link.Close();  // closed: nothing
    EXPECT_EQ(port.closeCount(), closes);
}

INSTANTIATE_TEST_SUITE_P(ReadWriteVanish, BrokenLinkTest, ::testing::Values(0, 1, 2));

TEST_F(SerialLinkTest, CloseDropsAPendingNotificationWithoutWaiting) {
    connect();
    port.inject({0x01});
    link.Close();  // the notification is posted but not handled yet
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(link.notifyFree());
    link.OnCommNotify();  // handled late: finds the link closed
    clock.advance(100);
    EXPECT_TRUE(batches.empty());
}

TEST_F(SerialLinkTest, CloseWhileClosedDoesNothingAndReopenWorks) {
    link.Close();
    EXPECT_EQ(port.closeCount(), 0);
    connect();
    link.Close();
    connect();
    port.inject({0x7F});
    clock.advance(60);
    EXPECT_EQ(batches, (std::vector<std::string>{"7F"}));
}

TEST_F(SerialLinkTest, DispatcherClosingTheLinkEndsTheBatchCleanly) {
    connect();
    link.setDispatcher([this] {
        batches.push_back(link.RxHexBuffer);
        link.Close();
    });
    port.inject({0x01});
    clock.advance(60);
    EXPECT_EQ(batches.size(), 1u);
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(link.notifyFree());
}

}  // namespace
}  // namespace ampdesk
