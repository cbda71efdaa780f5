#pragma once

#include <cstdint>
#include <string>

#include "device_frame.h"

namespace ampdesk {

// One-line descriptions of frames for the simulator's log, for example
// "RX id 5 (wire 04) A2 request  cmd 2B status  group 0 section 0 len 0 check ok".
class FrameLog {
public:
    enum class Direction { Received, Sent };

    static std::string describe(Direction direction, const DeviceFrame& frame, bool checkOk);
    // The name of a command code in the log ("status", "section", "?").
    static std::string commandName(std::uint8_t command);
    static std::string kindName(std::uint8_t kind);
    // "12.345" for 12345 ms: the time stamp that starts every log line.
    static std::string timeStamp(std::int64_t ms);
};

}  // namespace ampdesk
