#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "protocol_context.h"

namespace ampdesk {

// The SendQueue of parameter messages and the timers that send them: editors
// mark a MessageType, marking builds the frame from DeviceState right away,
// and one message at a time goes out with polling paused around it
// (sendTimer 10 ms scan, Timer7 200 ms send, Timer4 300 ms restart).
// Also the whole-block writes of commands 0x28 and 0x29.
class SendScheduler {
public:
    static constexpr int kQueueSize = 50;
    // MessageTypes 1..9 are the output sections (3 x output + section + 1),
    // 10..27 the output bands, 30..35 the master bands.
    static constexpr int kMasterMain = 28;
    static constexpr int kSettingsWrite = 29;
    static constexpr int kMasterCrossover = 36;
    static constexpr int kSettingsRequest = 37;
    // Target of a whole-block write meaning the settings in use.
    static constexpr int kSettingsInUse = 25;

    enum class OutputSection { Main = 0, Crossover = 1, Limiter = 2 };

    explicit SendScheduler(ProtocolContext& context);
    SendScheduler(const SendScheduler&) = delete;
    SendScheduler& operator=(const SendScheduler&) = delete;

    // Types 1..36: nothing while PortOpen is false; otherwise builds the slot
    // frame with the DeviceId of this moment and sets the flag. Type 29 (the
    // settings write) clears RxHexBuffer first and afterwards, outside
    // broadcast, moves DeviceId to ShownId - 1 and the device-ID list along.
    void MarkSection(int messageType);
    void MarkOutputSection(int output, OutputSection section);
    // Flat band 0..23.
    void MarkBand(int flatBand);
    // Crossover of channel 0..3 (3 = master).
    void MarkCrossover(int channel);
    // Sets flag 37 (no frame is built, no PortOpen test).
    void MarkSettingsRequest();
    // All 50 flags cleared. A message already taken stays with Timer7.
    void ClearQueue();

    static int messageTypeOfBand(int flatBand);
    static int messageTypeOfCrossover(int channel);

    bool pending(int messageType) const;
    // The MessageType waiting for Timer7; 0 when none.
    int CurrentType() const { return m_currentType; }
    // The frame built by the last mark of a type 1..36 (empty before).
    const std::vector<std::uint8_t>& slot(int messageType) const;

    // Whole-block write of HeldBlockText to target 25 (settings in use,
    // command 0x28) or stored group 1..20 (command 0x29), in two writes: the
    // 10 header bytes, then after a pause of the caller's choice the 320
    // payload bytes, the check byte over both parts and AA. The caller stops
    // polling and the scan first.
    void WriteBlockHeader(int target);
    // Nothing while PortOpen is false, for another target, or when
    // HeldBlockText holds no payload. After a stored group below 20, Timer10
    // is started for the next one.
    bool WriteBlockPayload(int target);
    void WriteBlock(int target, int pauseMs);

private:
    void scanTick();
    void sendTick();
    void restartTick();
    void countResetProgress();
    std::vector<std::uint8_t> frameFor(int messageType) const;
    std::vector<std::uint8_t> buildSlot(int messageType) const;

    ProtocolContext& m_ctx;
    std::array<bool, kQueueSize + 1> m_flags{};  // index 0 unused
    std::array<std::vector<std::uint8_t>, kMasterCrossover + 1> m_slots;
    int m_currentType = 0;
};

}  // namespace ampdesk
