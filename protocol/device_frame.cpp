#include "device_frame.h"

#include <algorithm>
#include <iterator>

#include "serial_link.h"

namespace ampdesk {

std::vector<std::uint8_t> DeviceFrame::bytes() const {
    const auto n = Payload.size();
    std::vector<std::uint8_t> out(12 + n);
    const std::uint8_t header[kHeaderSize] = {kSync,
                                              kSync,
                                              kSync,
                                              DeviceId,
                                              Kind,
                                              Group,
                                              Command,
                                              Section,
                                              static_cast<std::uint8_t>(n >> 8),
                                              static_cast<std::uint8_t>(n & 0xFF)};
    std::copy(std::begin(header), std::end(header), out.begin());
    std::copy(Payload.begin(), Payload.end(), out.begin() + kHeaderSize);
    out[kHeaderSize + n] = checkByte(std::span(out.data(), kHeaderSize + n));
    out[kHeaderSize + n + 1] = kEnd;
    return out;
}

std::uint8_t DeviceFrame::checkByte(std::span<const std::uint8_t> frame) {
    std::uint8_t x = 0;
    for (std::size_t i = 3; i < frame.size(); ++i) x ^= frame[i];
    return x;
}

DeviceFrame DeviceFrame::statusRequest(std::uint8_t id) {
    return {id, kRequest, 0, kCmdStatus, 0, {}};
}

DeviceFrame DeviceFrame::settingsRequest(std::uint8_t id) {
    return {id, kRequest, 0, kCmdSettings, 0, std::vector<std::uint8_t>(8, 0)};
}

DeviceFrame DeviceFrame::settingsWrite(std::uint8_t id, const std::array<std::uint8_t, 8>& s) {
    return {id, kWrite, 0, kCmdSettings, 0, {s.begin(), s.end()}};
}

DeviceFrame DeviceFrame::namesRequest(std::uint8_t id) {
    return {id, kRequest, 0, kCmdNames, 0, {}};
}

DeviceFrame DeviceFrame::presetNameWrite(std::uint8_t id, std::uint8_t slot,
                                         const std::array<std::uint8_t, 20>& name) {
    return {id, kWrite, slot, kCmdPresetName, 0, {name.begin(), name.end()}};
}

DeviceFrame DeviceFrame::blockRequest(std::uint8_t id, std::uint8_t slot) {
    return {id, kRequest, slot, kCmdBlock, 0, {}};
}

DeviceFrame DeviceFrame::blockWrite(std::uint8_t id, std::span<const std::uint8_t> block) {
    return {id, kWrite, 0, kCmdBlock, 0, {block.begin(), block.end()}};
}

DeviceFrame DeviceFrame::storedGroupRequest(std::uint8_t id, std::uint8_t group) {
    return {id, kRequest, group, kCmdStoredGroup, 0, {}};
}

DeviceFrame DeviceFrame::storedGroupWrite(std::uint8_t id, std::uint8_t group,
                                          std::span<const std::uint8_t> block) {
    return {id, kWrite, group, kCmdStoredGroup, 0, {block.begin(), block.end()}};
}

DeviceFrame DeviceFrame::sectionWrite(std::uint8_t id, std::uint8_t block, std::uint8_t section,
                                      const std::array<std::uint8_t, 8>& payload) {
    return {id, kWrite, 0, block, section, {payload.begin(), payload.end()}};
}

void sendBytes(SerialLink& link, std::span<const std::uint8_t> bytes) {
    link.TxBytes.assign(bytes.begin(), bytes.end());
    link.Write();
}

}  // namespace ampdesk
