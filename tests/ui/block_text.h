#pragma once

#include <cstdio>
#include <string>

#include "block_codec.h"

namespace ampdesk::test {

// The BlockText of a command-0x28 answer from wire ID 0 carrying state.
inline std::string blockTextOf(const DeviceState& state) {
    std::string text = "A5A5A500520028000140";
    char hex[3];
    for (int s = 0; s < BlockCodec::kSectionCount; ++s) {
        for (std::uint8_t byte : BlockCodec::EncodeBlockSection(state, s)) {
            std::snprintf(hex, sizeof hex, "%02X", byte);
            text += hex;
        }
    }
    return text + "00AA";  // the check byte is not examined on receipt
}

}  // namespace ampdesk::test
