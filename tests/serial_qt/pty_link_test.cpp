#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <cstdlib>
#include <string>
#include <vector>

#include "qt_scheduler.h"
#include "qt_serial_backend.h"
#include "serial_link.h"

namespace ampdesk {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A real pseudo-terminal pair: the link opens the slave side, the test plays
// the far end on the master side. Real time, so waits are generous.
class PtyLinkTest : public ::testing::Test {
protected:
    int master = -1;
    std::string slavePath;
    QtScheduler scheduler;
    QtSerialBackend backend;
    SerialLink link{scheduler, backend};
    int dispatches = 0;

    void SetUp() override {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master, 0);
        ASSERT_EQ(::grantpt(master), 0);
        ASSERT_EQ(::unlockpt(master), 0);
        slavePath = ::ptsname(master);
        termios t{};
        ::tcgetattr(master, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(master, TCSANOW, &t);
        link.setPortResolver([this](int) { return std::optional<std::string>(slavePath); });
        link.setDispatcher([this] { ++dispatches; });
        link.CurrentPort = 9;
        link.Open();
        ASSERT_TRUE(link.PortOpen());
        link.StartWatcher();
    }
    void TearDown() override {
        link.Close();
        if (master >= 0) ::close(master);
    }

    void farEndSends(const Bytes& bytes) {
        ASSERT_EQ(::write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    Bytes farEndReceives(std::size_t count) {
        Bytes got;
        QElapsedTimer t;
        t.start();
        while (got.size() < count && t.elapsed() < 5000) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0) {
                std::uint8_t buf[256];
                ssize_t n = ::read(master, buf, sizeof buf);
                if (n > 0) got.insert(got.end(), buf, buf + n);
            }
        }
        return got;
    }
    void waitFor(const std::function<bool()>& done, int ms = 5000) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < ms) scheduler.pumpWait(10);
    }
};

TEST_F(PtyLinkTest, BytesTravelBothWaysUnchanged) {
    link.TxBytes = {0xA5, 0xA5, 0xA5, 0x00, 0xA2, 0x00, 0x2B, 0x00, 0x00,
                    0x00, 0x89, 0xAA, 0x0A, 0x0D, 0x11, 0x13, 0x00, 0xFF};
    link.Write();
    EXPECT_EQ(farEndReceives(link.TxBytes.size()), link.TxBytes);

    farEndSends({0xA5, 0xA5, 0xA5, 0x00, 0x52, 0x0D, 0x0A, 0x03, 0x11, 0x13, 0x7F, 0x00});
    waitFor([&] { return link.RxHexBuffer.size() >= 24; });
    EXPECT_EQ(link.RxHexBuffer, "A5A5A500520D0A0311137F00");
    EXPECT_GE(dispatches, 1);
}

TEST_F(PtyLinkTest, AFrameSplitOverBatchesIsAssembled) {
    farEndSends({0xA5, 0xA5, 0xA5, 0x00, 0x52});
    waitFor([&] { return dispatches >= 1; });
    scheduler.pumpWait(100);
    farEndSends({0x00, 0x2B, 0x00, 0x00, 0x08});
    waitFor([&] { return dispatches >= 2; });
    EXPECT_EQ(link.RxHexBuffer, "A5A5A50052002B000008");
    EXPECT_EQ(dispatches, 2);
}

TEST_F(PtyLinkTest, FarEndVanishingBreaksTheLinkWithoutACrash) {
    ::close(master);
    master = -1;
    waitFor([&] { return link.broken(); }, 3000);
    // Whether the failure shows at once or only with the next write, the
    // link ends up broken and quiet.
    link.TxBytes = {0x01};
    link.Write();
    waitFor([&] { return link.broken(); }, 3000);
    EXPECT_TRUE(link.broken());
    EXPECT_TRUE(link.PortOpen());
    link.Close();
    EXPECT_FALSE(link.PortOpen());
}

TEST_F(PtyLinkTest, APortInUseCannotBeOpenedAgain) {
    QtSerialBackend second;
    EXPECT_FALSE(second.open(slavePath));
    EXPECT_FALSE(second.isOpen());
}

TEST(PtyOpen, AMissingDeviceDoesNotOpen) {
    QtScheduler scheduler;
    QtSerialBackend backend;
    SerialLink link(scheduler, backend);
    link.setPortResolver([](int) { return std::optional<std::string>("/nonexistent/ttyUSB0"); });
    link.CurrentPort = 1;
    link.Open();
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(backend.isOpen());
}

}  // namespace
}  // namespace ampdesk
