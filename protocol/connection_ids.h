#pragma once

#include <cstdint>

namespace ampdesk {

// The address in use and the ID the user sees. DeviceId is the wire address
// 0..254, or 255 for broadcast; ShownId is DeviceId + 1 outside broadcast.
struct ConnectionIds {
    static constexpr std::uint8_t kBroadcast = 255;

    std::uint8_t DeviceId = 0;
    int ShownId = 1;

    bool broadcast() const { return DeviceId == kBroadcast; }
};

}  // namespace ampdesk
