#include <gtest/gtest.h>

#include <vector>

#include "protocol_test_support.h"

namespace ampdesk {
namespace {

using test::Bytes;
using test::hex;
using test::workedExampleBlock;

struct GoldenCase {
    const char* what;
    DeviceFrame frame;
    const char* bytes;
};

TEST(DeviceFrameGolden, CatalogueFramesByteForByte) {
    std::array<std::uint8_t, 8> mainSection{0x78, 0x01, 0, 0, 0, 0, 0, 0};
    std::array<std::uint8_t, 8> settings{3, 0x11, 0x22, 5, 0, 7, 0, 0};
    std::array<std::uint8_t, 20> name{'A', 'B', 0xAA, 0xA5};
    const GoldenCase cases[] = {
        {"poll to 0", DeviceFrame::statusRequest(0), "A5 A5 A5 00 A2 00 2B 00 00 00 89 AA"},
        {"poll to 4", DeviceFrame::statusRequest(4), "A5 A5 A5 04 A2 00 2B 00 00 00 8D AA"},
        {"live block", DeviceFrame::blockRequest(0), "A5 A5 A5 00 A2 00 28 00 00 00 8A AA"},
        {"preset 3", DeviceFrame::blockRequest(0, 3), "A5 A5 A5 00 A2 03 28 00 00 00 89 AA"},
        {"stored group 7", DeviceFrame::storedGroupRequest(0, 7),
         "A5 A5 A5 00 A2 07 29 00 00 00 8C AA"},
        {"names", DeviceFrame::namesRequest(0), "A5 A5 A5 00 A2 00 26 00 00 00 84 AA"},
        {"settings request", DeviceFrame::settingsRequest(0),
         "A5 A5 A5 00 A2 00 21 00 00 08 00 00 00 00 00 00 00 00 8B AA"},
        {"output 1 main section", DeviceFrame::sectionWrite(0, 0x00, 0, mainSection),
         "A5 A5 A5 00 A1 00 00 00 00 08 78 01 00 00 00 00 00 00 D0 AA"},
        {"broadcast poll", DeviceFrame::statusRequest(0xFF), "A5 A5 A5 FF A2 00 2B 00 00 00 76 AA"},
        {"settings write", DeviceFrame::settingsWrite(0, settings),
         "A5 A5 A5 00 A1 00 21 00 00 08 03 11 22 05 00 07 00 00 BA AA"},
        {"preset name, raw AA and A5 in the payload", DeviceFrame::presetNameWrite(0, 2, name),
         "A5 A5 A5 00 A1 02 27 00 00 14 41 42 AA A5 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
         "00 9C AA"},
    };
    for (const auto& c : cases) EXPECT_EQ(toHex(c.frame.bytes()), toHex(hex(c.bytes))) << c.what;
}

TEST(DeviceFrameGolden, WorkedExampleBlockAnswerAndWrite) {
    const Bytes block = workedExampleBlock();
    ASSERT_EQ(block.size(), 320u);

    DeviceFrame answer{0, DeviceFrame::kData, 0, DeviceFrame::kCmdBlock, 0, block};
    const Bytes bytes = answer.bytes();
    ASSERT_EQ(bytes.size(), 332u);
    EXPECT_EQ(toHex(Bytes(bytes.begin(), bytes.begin() + 10)), "A5A5A500520028000140");
    EXPECT_EQ(bytes[330], 0xCD);
    EXPECT_EQ(bytes[331], 0xAA);

    // A whole-block write folds the header in as the constant 0xC8 (with ID 0).
    const Bytes write = DeviceFrame::blockWrite(0, block).bytes();
    std::uint8_t x = 0xC8;
    for (auto b : block) x ^= b;
    EXPECT_EQ(toHex(Bytes(write.begin(), write.begin() + 10)), "A5A5A500A10028000140");
    EXPECT_EQ(write[330], x);

    // A stored-group write folds in ID ^ group ^ 0xC9.
    const Bytes group = DeviceFrame::storedGroupWrite(4, 13, block).bytes();
    std::uint8_t y = 4 ^ 13 ^ 0xC9;
    for (auto b : block) y ^= b;
    EXPECT_EQ(group[330], y);
}

TEST(DeviceFrame, SendPlacesTheFrameInTxBytesAndWritesItWhole) {
    VirtualClock clock;
    FakeSerialBackend port;
    port.addDevice("/dev/ttyUSB0");
    SerialLink link(clock, port);
    link.setPortResolver([](int) { return std::optional<std::string>("/dev/ttyUSB0"); });
    link.CurrentPort = 1;
    link.Open();
    link.TxBytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D};
    sendFrame(link, DeviceFrame::statusRequest(0));
    ASSERT_EQ(port.writes().size(), 1u);
    EXPECT_EQ(toHex(port.writes()[0]), "A5A5A500A2002B00000089AA");
    EXPECT_EQ(link.TxBytes, port.writes()[0]);
}

TEST(HexText, ReadsEitherCaseAndRejectsOtherText) {
    EXPECT_EQ(fromHex("a5Aa0f"), (Bytes{0xA5, 0xAA, 0x0F}));
    EXPECT_EQ(fromHex("A5A"), std::nullopt);
    EXPECT_EQ(fromHex("G0"), std::nullopt);
    EXPECT_EQ(toHex({0x0A, 0xFF}), "0AFF");
}

}  // namespace
}  // namespace ampdesk
