#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "port_list.h"

namespace ampdesk {
namespace {

namespace fs = std::filesystem;

TEST(PortNumbers, DeviceNamesMapToFixedNumbers) {
    struct Case {
        const char* device;
        int number;
    };
    const Case cases[] = {
        {"ttyUSB0", 1},    {"ttyUSB5", 6},  {"ttyACM0", 7},   {"ttyACM1", 8},   {"ttyVA0", 9},
        {"ttyVA1", 10},    {"ttyUSB6", 11}, {"ttyUSB59", 64}, {"ttyACM2", 65},  {"ttyACM59", 122},
        {"ttyVA2", 123},   {"ttyVA9", 130}, {"ttyS0", 131},   {"ttyS31", 162},  {"ttyAMA0", 163},
        {"ttyAMA15", 178}, {"ttyUSB60", 0}, {"ttyS32", 0},    {"tty0", 0},      {"console", 0},
        {"ttyUSB", 0},     {"ttyUSB01", 0}, {"ttyUSBx", 0},   {"ttyprintk", 0}, {"ttyVA10", 0},
        {"pts", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PortList::portNumberForDevice(c.device), c.number) << c.device;
        if (c.number) {
            EXPECT_EQ(PortList::deviceForPortNumber(c.number), c.device);
        }
    }
}

TEST(PortNumbers, EveryNumberHasAtMostOneDevice) {
    for (int n = 1; n <= 255; ++n) {
        auto dev = PortList::deviceForPortNumber(n);
        if (!dev.empty()) {
            EXPECT_EQ(PortList::portNumberForDevice(dev), n);
        }
    }
    EXPECT_EQ(PortList::deviceForPortNumber(0), "");
    EXPECT_EQ(PortList::deviceForPortNumber(256), "");
}

TEST(PortNumbers, NumberFromEntryText) {
    EXPECT_EQ(PortList::numberFromName("COM12"), 12);
    EXPECT_EQ(PortList::numberFromName("COM3"), 3);
    EXPECT_EQ(PortList::numberFromName("COM"), 0);
    EXPECT_EQ(PortList::numberFromName("COMx1"), 0);
    EXPECT_EQ(PortList::numberFromName("COM1 "), 0);
}

// A small /dev and /sys tree: character devices are made with mknod when we
// may (root), otherwise the device cases are skipped.
class PortTreeTest : public ::testing::Test {
protected:
    fs::path root;
    fs::path dev, sys;

    void SetUp() override {
        root = fs::temp_directory_path() / ("ports-" + std::to_string(::getpid()));
        fs::remove_all(root);
        dev = root / "dev";
        sys = root / "sys";
        fs::create_directories(dev);
        fs::create_directories(sys / "class" / "tty" / "console");
    }
    void TearDown() override { fs::remove_all(root); }

    bool charDevice(const std::string& name) {
        // /dev/null's numbers: any character device will do.
        return ::mknod((dev / name).c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    }
    void hardware(const std::string& name, const char* type = nullptr) {
        fs::create_directories(sys / "class" / "tty" / name / "device");
        if (type) std::ofstream(sys / "class" / "tty" / name / "type") << type << "\n";
    }
    void console(const std::string& names) {
        std::ofstream(sys / "class" / "tty" / "console" / "active") << names << "\n";
    }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (auto& e : PortList::enumerate(dev.string(), sys.string()))
            out.push_back(e.name + "=" + fs::path(e.devicePath).filename().string());
        return out;
    }
};

TEST_F(PortTreeTest, ListsRealPortsAndLinksSortedAsTextButNeverTheConsole) {
    if (!charDevice("ttyUSB0")) GTEST_SKIP() << "needs mknod";
    hardware("ttyUSB0");
    charDevice("ttyS0");
    hardware("ttyS0", "4");  // a real UART, but the console
    charDevice("ttyS1");
    hardware("ttyS1", "4");
    charDevice("ttyS2");
    hardware("ttyS2", "0");  // legacy slot without hardware
    charDevice("ttyACM3");   // no sysfs device: not real
    charDevice("tty5");      // never a serial port name
    charDevice("pty-target");
    fs::create_symlink(dev / "pty-target", dev / "ttyVA0");
    fs::create_symlink(dev / "ttyS0", dev / "ttyVA1");  // leads to the console
    fs::create_symlink(dev / "missing", dev / "ttyVA2");
    console("tty0 ttyS0");

    EXPECT_EQ(names(), (std::vector<std::string>{"COM1=ttyUSB0", "COM132=ttyS1", "COM9=ttyVA0"}));
    EXPECT_EQ(PortList::devicePathForPort(9, dev.string(), sys.string()),
              (dev / "ttyVA0").string());
    EXPECT_EQ(PortList::devicePathForPort(131, dev.string(), sys.string()), std::nullopt);
    EXPECT_EQ(PortList::devicePathForPort(0, dev.string(), sys.string()), std::nullopt);
}

TEST_F(PortTreeTest, MissingDirectoriesGiveAnEmptyList) {
    EXPECT_TRUE(PortList::enumerate((root / "nodev").string(), (root / "nosys").string()).empty());
}

}  // namespace
}  // namespace ampdesk
