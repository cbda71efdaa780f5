#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim_faults.h"

namespace ampdesk {

// The command line of the ampsim program.
struct SimOptions {
    std::string link;         // where the pseudo-terminal's link goes
    std::vector<int> ids{1};  // one amplifier per ID, 1..255
    std::optional<std::uint16_t> temperatureReading;
    std::optional<std::uint8_t> attenuation;
    std::optional<std::uint8_t> temperatureSetting;
    int delayMs = 20;
    bool fast = false;
    std::string blockFile;  // single-group file for the block in use
    std::string logFile;    // empty: standard error
    bool quiet = false;     // no log at all
    bool force = false;     // replace a link that leads to a live device
    SimFaults faults;
    bool help = false;

    // Parses the arguments after the program name. nullopt, with the reason
    // in error, when they are not understood.
    static std::optional<SimOptions> parse(const std::vector<std::string>& args,
                                           std::string& error);
    static std::string helpText();
};

}  // namespace ampdesk
