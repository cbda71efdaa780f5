#include "sim_options.h"

#include <gtest/gtest.h>

#include "block_file.h"

namespace ampdesk {
namespace {

std::optional<SimOptions> parse(std::vector<std::string> args, std::string* error = nullptr) {
    std::string e;
    auto o = SimOptions::parse(args, e);
    if (error) *error = e;
    return o;
}

TEST(SimOptions, DefaultsAreOneAmplifierAtTheRealPace) {
    auto o = parse({"--link", "/dev/ttyVA0"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->link, "/dev/ttyVA0");
    EXPECT_EQ(o->ids, std::vector<int>{1});
    EXPECT_EQ(o->delayMs, 20);
    EXPECT_FALSE(o->fast);
    EXPECT_FALSE(o->faults.silentAfterMs);
    EXPECT_FALSE(o->faults.corruptCheck);
}

TEST(SimOptions, ReadsEveryOption) {
    auto o = parse({"--link=/tmp/x",
                    "--ids",
                    "1,5,255",
                    "--temperature",
                    "1115",
                    "--attenuation",
                    "6",
                    "--temperature-setting",
                    "30",
                    "--delay",
                    "0",
                    "--fast",
                    "--block",
                    "f",
                    "--log",
                    "l",
                    "--quiet",
                    "--force",
                    "--silent-after",
                    "5000",
                    "--drop-command",
                    "21",
                    "--fault-command",
                    "0x28",
                    "--late=2000",
                    "--chunk",
                    "7",
                    "--chunk-gap",
                    "100",
                    "--noise",
                    "3",
                    "--corrupt-check"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->link, "/tmp/x");
    EXPECT_EQ(o->ids, (std::vector<int>{1, 5, 255}));
    EXPECT_EQ(o->temperatureReading, 1115);
    EXPECT_EQ(o->attenuation, 6);
    EXPECT_EQ(o->temperatureSetting, 30);
    EXPECT_EQ(o->delayMs, 0);
    EXPECT_TRUE(o->fast);
    EXPECT_EQ(o->blockFile, "f");
    EXPECT_EQ(o->logFile, "l");
    EXPECT_TRUE(o->quiet);
    EXPECT_TRUE(o->force);
    EXPECT_EQ(o->faults.silentAfterMs, 5000);
    EXPECT_EQ(o->faults.dropCommand, 0x21);
    EXPECT_EQ(o->faults.faultCommand, 0x28);
    EXPECT_EQ(o->faults.lateMs, 2000);
    EXPECT_EQ(o->faults.chunkSize, 7u);
    EXPECT_EQ(o->faults.chunkGapMs, 100);
    EXPECT_EQ(o->faults.noiseBytes, 3u);
    EXPECT_TRUE(o->faults.corruptCheck);
}

TEST(SimOptions, RefusesWhatItCannotUse) {
    const std::vector<std::vector<std::string>> bad = {
        {},                             // no link
        {"--link"},                     // no value
        {"--link", "x", "--ids", "0"},  // ID out of range
        {"--link", "x", "--ids", "256"},
        {"--link", "x", "--ids", "1,1"},  // the same ID twice
        {"--link", "x", "--ids", "1,,2"},
        {"--link", "x", "--temperature", "70000"},
        {"--link", "x", "--attenuation", "-1"},
        {"--link", "x", "--delay", "fast"},
        {"--link", "x", "--drop-command", "XY"},
        {"--link", "x", "--chunk", "0"},
        {"--link", "x", "--fast=1"},  // a flag takes no value
        {"--link", "x", "--colour"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(parse(args, &error)) << testing::PrintToString(args);
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimOptions, HelpNeedsNoLinkAndDocumentsEveryOption) {
    auto o = parse({"--help"});
    ASSERT_TRUE(o);
    EXPECT_TRUE(o->help);
    const auto help = SimOptions::helpText();
    for (const char* option : {"--link",
                               "--ids",
                               "--temperature ",
                               "--attenuation",
                               "--temperature-setting",
                               "--delay",
                               "--fast",
                               "--block",
                               "--log",
                               "--quiet",
                               "--force",
                               "--silent-after",
                               "--drop-command",
                               "--fault-command",
                               "--late",
                               "--chunk ",
                               "--chunk-gap",
                               "--noise",
                               "--corrupt-check",
                               "--help",
                               "COM9",
                               "SIGTERM"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST(BlockFile, TakesTheParameterBytesOfAWholeBlockFrame) {
    std::string frame = "A5A5A503520028000140";
    for (int i = 0; i < 320; ++i) frame += (i % 2 ? "ab" : "0C");
    frame += "77AA";
    // Split over lines, lower case: still one block.
    const std::string text = frame.substr(0, 100) + "\r\n" + frame.substr(100) + "\r\n";
    std::string error;
    const auto block = parseSingleGroupText(text, error);
    ASSERT_TRUE(block) << error;
    EXPECT_EQ((*block)[0], 0x0C);
    EXPECT_EQ((*block)[1], 0xAB);
    EXPECT_EQ((*block)[319], 0xAB);

    EXPECT_FALSE(parseSingleGroupText(frame + " \r\n", error));  // a trailing blank
    EXPECT_FALSE(parseSingleGroupText(frame + frame, error));    // two blocks
    std::string notHex = frame;
    notHex[50] = 'G';
    EXPECT_FALSE(parseSingleGroupText(notHex, error));
    EXPECT_FALSE(readSingleGroupFile("/nonexistent/ampsim-block", error));
}

}  // namespace
}  // namespace ampdesk
