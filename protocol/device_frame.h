#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace ampdesk {

class SerialLink;

// One frame on the line: A5 A5 A5, device ID, kind, group, command, section,
// 16-bit big-endian payload length, payload, XOR check byte, AA.
struct DeviceFrame {
    static constexpr std::uint8_t kSync = 0xA5;
    static constexpr std::uint8_t kEnd = 0xAA;
    static constexpr std::uint8_t kWrite = 0xA1;
    static constexpr std::uint8_t kRequest = 0xA2;
    static constexpr std::uint8_t kData = 0x52;
    static constexpr std::uint8_t kAck = 0x51;
    static constexpr std::uint8_t kBroadcastId = 0xFF;
    static constexpr std::size_t kHeaderSize = 10;
    static constexpr std::size_t kMaxPayload = 400;

    static constexpr std::uint8_t kCmdSettings = 0x21;
    static constexpr std::uint8_t kCmdNames = 0x26;
    static constexpr std::uint8_t kCmdPresetName = 0x27;
    static constexpr std::uint8_t kCmdBlock = 0x28;
    static constexpr std::uint8_t kCmdStoredGroup = 0x29;
    static constexpr std::uint8_t kCmdStatus = 0x2B;

    std::uint8_t DeviceId = 0;
    std::uint8_t Kind = kRequest;
    std::uint8_t Group = 0;
    std::uint8_t Command = 0;
    std::uint8_t Section = 0;
    std::vector<std::uint8_t> Payload;

    // The whole frame, 12 + payload bytes.
    std::vector<std::uint8_t> bytes() const;

    // XOR of every byte from offset 3 up to the last payload byte.
    static std::uint8_t checkByte(std::span<const std::uint8_t> frameWithoutTrailer);

    // The frames of the command catalogue.
    static DeviceFrame statusRequest(std::uint8_t deviceId);
    static DeviceFrame settingsRequest(std::uint8_t deviceId);
    static DeviceFrame settingsWrite(std::uint8_t deviceId, const std::array<std::uint8_t, 8>& s);
    static DeviceFrame namesRequest(std::uint8_t deviceId);
    static DeviceFrame presetNameWrite(std::uint8_t deviceId, std::uint8_t slot,
                                       const std::array<std::uint8_t, 20>& name);
    // slot 0: the block in use; 1..8: load that preset and answer with it.
    static DeviceFrame blockRequest(std::uint8_t deviceId, std::uint8_t slot = 0);
    static DeviceFrame blockWrite(std::uint8_t deviceId, std::span<const std::uint8_t> block320);
    static DeviceFrame storedGroupRequest(std::uint8_t deviceId, std::uint8_t group);
    static DeviceFrame storedGroupWrite(std::uint8_t deviceId, std::uint8_t group,
                                        std::span<const std::uint8_t> block320);
    // One 8-byte section of the parameter block: block 0x00..0x0A, section 0..8.
    static DeviceFrame sectionWrite(std::uint8_t deviceId, std::uint8_t block, std::uint8_t section,
                                    const std::array<std::uint8_t, 8>& payload);
};

// Places bytes in TxBytes (cleared first) and writes them.
void sendBytes(SerialLink& link, std::span<const std::uint8_t> bytes);
inline void sendFrame(SerialLink& link, const DeviceFrame& frame) {
    sendBytes(link, frame.bytes());
}

}  // namespace ampdesk
