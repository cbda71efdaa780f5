// The ampsim program on a real pseudo-terminal. Real time, so few tests and
// generous limits; everything else is tested in-process on the virtual clock.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "virtual_amplifier.h"

extern char** environ;

namespace ampdesk {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(10);

std::string programPath() {
#ifdef AMPSIM_PROGRAM
    return AMPSIM_PROGRAM;
#else
    return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "sim" / "ampsim")
        .string();
#endif
}

std::string readText(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// One run of the program, stopped (by its process ID) when the test ends.
class Ampsim {
public:
    explicit Ampsim(const fs::path& dir) : m_dir(dir) {}
    ~Ampsim() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    // Starts the program and returns its exit status if it ends at once,
    // -1 once the link is there.
    int start(std::vector<std::string> args) {
        std::vector<char*> argv;
        const auto program = programPath();
        argv.push_back(const_cast<char*>(program.c_str()));
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (m_dir / "stdout").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (m_dir / "stderr").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int rc =
            posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) {
            m_pid = -1;
            return 127;
        }
        const auto deadline = Clock::now() + kPatience;
        while (Clock::now() < deadline) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            }
            if (readText(m_dir / "stdout").find("ampsim:") != std::string::npos) return -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return 126;
    }

    // Sends the signal and returns the exit status (or -1 if it does not end).
    int stop(int signal = SIGTERM) {
        if (m_pid <= 0) return -1;
        ::kill(m_pid, signal);
        const auto deadline = Clock::now() + kPatience;
        while (Clock::now() < deadline) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    std::string out() const { return readText(m_dir / "stdout"); }
    std::string err() const { return readText(m_dir / "stderr"); }

private:
    fs::path m_dir;
    pid_t m_pid = -1;
};

// A program's end of the line, opened through the link like a serial port.
class Client {
public:
    explicit Client(const fs::path& link) {
        m_fd = ::open(link.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    }
    ~Client() { close(); }
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    void close() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }
    void send(const Bytes& b) { ASSERT_EQ(::write(m_fd, b.data(), b.size()), ssize_t(b.size())); }
    // Reads until n bytes have come or the time is up.
    Bytes receive(std::size_t n, std::chrono::milliseconds limit = kPatience) {
        Bytes got;
        const auto deadline = Clock::now() + limit;
        while (got.size() < n) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) break;
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
            std::uint8_t buf[512];
            const auto r = ::read(m_fd, buf, sizeof buf);
            if (r > 0) got.insert(got.end(), buf, buf + r);
        }
        return got;
    }

private:
    int m_fd = -1;
};

class AmpsimProgram : public testing::Test {
protected:
    AmpsimProgram() {
        char name[] = "/tmp/ampsim-test-XXXXXX";
        dir = ::mkdtemp(name);
        link = dir / "ttyVA0";
    }
    ~AmpsimProgram() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    fs::path dir;
    fs::path link;
};

Bytes statusOf(int shownId) {
    return VirtualAmplifier(shownId).statusAnswer().bytes();
}

TEST_F(AmpsimProgram, AnswersOnThePseudoTerminalAcrossReopeningsAndStopsCleanly) {
    Ampsim sim(dir);
    ASSERT_EQ(sim.start({"--link", link.string(), "--ids", "1,5", "--log", (dir / "log").string()}),
              -1)
        << sim.err();
    EXPECT_NE(sim.out().find("amplifier ID 1,5 on " + link.string() + " -> /dev/pts/"),
              std::string::npos)
        << sim.out();
    ASSERT_TRUE(fs::is_character_file(link));

    {
        Client c(link);
        ASSERT_TRUE(c.isOpen());
        c.send(DeviceFrame::statusRequest(4).bytes());
        EXPECT_EQ(c.receive(20), statusOf(5));
    }
    // The client closed; the next one opens the same port and is answered.
    for (int round = 0; round < 2; ++round) {
        Client c(link);
        ASSERT_TRUE(c.isOpen()) << "round " << round;
        c.send(DeviceFrame::statusRequest(0).bytes());
        EXPECT_EQ(c.receive(20), statusOf(1)) << "round " << round;
    }
    {
        // An ID change by settings write holds for the next session too.
        Client c(link);
        c.send(DeviceFrame::settingsWrite(0, {1, 0x10, 0x01, 3, 0, 15, 0, 0}).bytes());
        EXPECT_EQ(c.receive(12),
                  VirtualAmplifier(1)
                      .handle(DeviceFrame::settingsWrite(0, {1, 0, 0, 3, 0, 0, 0, 0}))
                      .answer->bytes());
    }
    {
        Client c(link);
        c.send(DeviceFrame::statusRequest(2).bytes());
        EXPECT_EQ(c.receive(20), statusOf(3));
    }

    EXPECT_EQ(sim.stop(SIGTERM), 0) << sim.err();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    const auto log = readText(dir / "log");
    EXPECT_NE(log.find("RX id 5 (wire 04) A2 request cmd 2B status"), std::string::npos) << log;
    EXPECT_NE(log.find("TX id 3 (wire 02) 52 data    cmd 2B status"), std::string::npos) << log;
    EXPECT_NE(log.find("port closed"), std::string::npos) << log;
}

TEST_F(AmpsimProgram, BytesReachOnlyAnOpenPortAsOnARealLine) {
    Ampsim sim(dir);
    ASSERT_EQ(
        sim.start({"--link", link.string(), "--fault-command", "28", "--late", "600", "--quiet"}),
        -1)
        << sim.err();
    using std::chrono::milliseconds;
    {
        // Answered while the client was there, never read: closing the
        // port discards it.
        Client c(link);
        c.send(DeviceFrame::statusRequest(0).bytes());
        std::this_thread::sleep_for(milliseconds(300));
    }
    std::this_thread::sleep_for(milliseconds(200));
    {
        Client c(link);
        EXPECT_TRUE(c.receive(1, milliseconds(500)).empty());
        // An answer that comes while nobody has the port open is lost.
        c.send(DeviceFrame::blockRequest(0).bytes());
    }
    std::this_thread::sleep_for(milliseconds(1000));
    {
        Client c(link);
        EXPECT_TRUE(c.receive(1, milliseconds(500)).empty());
        // One still on its way reaches whoever opens the port in time.
        c.send(DeviceFrame::blockRequest(0).bytes());
    }
    std::this_thread::sleep_for(milliseconds(200));
    Client c(link);
    EXPECT_EQ(c.receive(332), VirtualAmplifier(1).blockAnswer().bytes());
    c.close();
    EXPECT_EQ(sim.stop(SIGINT), 0);
}

TEST_F(AmpsimProgram, AnExclusiveLockLeftByACrashedClientIsReleased) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to try the port as another user";
    fs::permissions(dir, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    Ampsim sim(dir);
    ASSERT_EQ(sim.start({"--link", link.string(), "--quiet"}), -1) << sim.err();
    {
        // Serial libraries lock the port this way and unlock it on close;
        // a client that dies never unlocks.
        Client c(link);
        ASSERT_EQ(::ioctl(c.fd(), TIOCEXCL), 0);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        for (int i = 0; i < 500; ++i) {
            const int fd = ::open(link.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            if (fd >= 0) ::_exit(0);
            ::usleep(10000);
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "another user could not open the port";
    EXPECT_EQ(sim.stop(), 0);
}

TEST_F(AmpsimProgram, CommandLineAndLinkSafety) {
    {
        Ampsim sim(dir);
        EXPECT_EQ(sim.start({"--help"}), 0);
        EXPECT_NE(sim.out().find("--drop-command"), std::string::npos);
    }
    {
        Ampsim sim(dir);
        EXPECT_EQ(sim.start({"--ids", "1"}), 2);
        EXPECT_NE(sim.err().find("--link"), std::string::npos);
    }
    {
        // A file that is not a link is never replaced.
        std::ofstream(link) << "keep";
        Ampsim sim(dir);
        EXPECT_EQ(sim.start({"--link", link.string()}), 1);
        EXPECT_EQ(readText(link), "keep");
        fs::remove(link);
    }
    {
        // A link to a live device is kept unless forced; a dangling one
        // (left by a killed run) is replaced.
        fs::create_symlink("/dev/null", link);
        Ampsim refused(dir);
        EXPECT_EQ(refused.start({"--link", link.string()}), 1);
        EXPECT_EQ(fs::read_symlink(link), "/dev/null");
        fs::remove(link);
        fs::create_symlink(dir / "gone", link);
        Ampsim sim(dir);
        ASSERT_EQ(sim.start({"--link", link.string(), "--quiet"}), -1) << sim.err();
        EXPECT_TRUE(fs::is_character_file(link));
        EXPECT_EQ(sim.stop(), 0);
    }
}

}  // namespace
}  // namespace ampdesk
