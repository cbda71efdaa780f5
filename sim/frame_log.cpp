#include "frame_log.h"

#include <cstdio>

namespace ampdesk {

std::string FrameLog::commandName(std::uint8_t command) {
    if (command <= 0x0A) return "section";
    switch (command) {
        case DeviceFrame::kCmdSettings:
            return "settings";
        case DeviceFrame::kCmdNames:
            return "names";
        case DeviceFrame::kCmdPresetName:
            return "preset-name";
        case DeviceFrame::kCmdBlock:
            return "block";
        case DeviceFrame::kCmdStoredGroup:
            return "stored-group";
        case DeviceFrame::kCmdStatus:
            return "status";
        default:
            return "?";
    }
}

std::string FrameLog::kindName(std::uint8_t kind) {
    switch (kind) {
        case DeviceFrame::kWrite:
            return "write";
        case DeviceFrame::kRequest:
            return "request";
        case DeviceFrame::kData:
            return "data";
        case DeviceFrame::kAck:
            return "ack";
        default:
            return "?";
    }
}

std::string FrameLog::timeStamp(std::int64_t ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
    return buf;
}

std::string FrameLog::describe(Direction direction, const DeviceFrame& f, bool checkOk) {
    char id[24];
    if (f.DeviceId == DeviceFrame::kBroadcastId)
        std::snprintf(id, sizeof id, "all (wire FF)");
    else
        std::snprintf(id, sizeof id, "%d (wire %02X)", f.DeviceId + 1, f.DeviceId);
    char buf[192];
    std::snprintf(buf, sizeof buf,
                  "%s id %s %02X %-7s cmd %02X %-12s group %d section %d len %zu check %s",
                  direction == Direction::Received ? "RX" : "TX", id, f.Kind,
                  kindName(f.Kind).c_str(), f.Command, commandName(f.Command).c_str(), f.Group,
                  f.Section, f.Payload.size(), checkOk ? "ok" : "bad");
    return buf;
}

}  // namespace ampdesk
