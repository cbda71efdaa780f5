#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device_frame.h"

namespace ampdesk {

// Cuts the byte stream an amplifier hears into frames. It looks for
// A5 A5 A5 followed by a plausible header (a PC kind, a length the protocol
// allows), waits for the whole frame, and checks the check byte and the end
// byte. Anything else is skipped one byte at a time, so the scanner finds
// the next frame behind noise or behind a frame that was cut short.
class FrameScanner {
public:
    enum class Status { Ok, BadCheck, BadEnd };

    struct Scanned {
        Status status = Status::Ok;
        DeviceFrame frame;               // decoded header and payload
        std::vector<std::uint8_t> raw;   // the bytes as received
        std::uint8_t receivedCheck = 0;  // the check byte as received
    };

    // Appends received bytes; returns every frame they complete, good or bad.
    std::vector<Scanned> feed(std::span<const std::uint8_t> bytes);

    // Forgets a frame that started but never ended (its bytes count as skipped).
    void dropPartial();
    void reset();

    // Bytes held for a frame that is not complete yet.
    std::size_t pending() const { return m_buffer.size(); }
    // Bytes thrown away while looking for a frame start.
    std::size_t skippedBytes() const { return m_skipped; }

private:
    // Length of a plausible header at the start of the buffer, 0 when the
    // start cannot begin a frame, -1 when more bytes are needed to tell.
    int headerVerdict() const;

    std::vector<std::uint8_t> m_buffer;
    std::size_t m_skipped = 0;
};

}  // namespace ampdesk
