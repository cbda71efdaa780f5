#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "frame_scanner.h"
#include "scheduler.h"
#include "sim_faults.h"
#include "virtual_amplifier.h"

namespace ampdesk {

class FakeSerialBackend;

// One serial line with one or more virtual amplifiers on it: it hears the
// host's bytes, hands each frame to the amplifiers it is addressed to
// (broadcast: to all, answered by none), and sends their answers back after
// a delay, paced at 9600 8N1 unless told to run at full speed. All timing
// runs on the given scheduler, so a VirtualClock drives it in tests.
class AmplifierLine {
public:
    using Sink = std::function<void(const std::vector<std::uint8_t>&)>;
    using LogSink = std::function<void(const std::string&)>;

    static constexpr int kDefaultDelayMs = 20;
    // A frame whose rest has not come for this long is given up.
    static constexpr std::int64_t kStaleFrameMs = 3000;

    struct Counters {
        std::size_t framesReceived = 0;   // complete frames, good or bad
        std::size_t badFrames = 0;        // wrong check byte or end byte
        std::size_t rejectedFrames = 0;   // unknown command, address or length
        std::size_t skippedBytes = 0;     // noise between frames
        std::size_t answersSent = 0;      // answers put on the line
        std::size_t answersWithheld = 0;  // answers kept back by a fault
    };

    explicit AmplifierLine(Scheduler& scheduler);
    ~AmplifierLine();
    AmplifierLine(const AmplifierLine&) = delete;
    AmplifierLine& operator=(const AmplifierLine&) = delete;

    // Adds an amplifier with this ID (1..255) and returns it.
    VirtualAmplifier& addAmplifier(int shownId);
    std::size_t amplifierCount() const { return m_amplifiers.size(); }
    VirtualAmplifier& amplifier(std::size_t index) { return *m_amplifiers.at(index); }
    // The amplifier that currently has this ID, or null.
    VirtualAmplifier* findByShownId(int shownId);

    // Where the amplifiers' bytes go (the host's receive side).
    void setSink(Sink sink) { m_sink = std::move(sink); }
    // Makes this line the far end of a fake port: what the program writes
    // reaches the amplifiers, their answers are injected as received bytes
    // (and lost while the port is closed, as on a real line). Takes the
    // port's write observer; the line lets go of it when destroyed.
    void attach(FakeSerialBackend& port);
    // One line per frame heard or sent, and per notable event.
    void setLog(LogSink log) { m_log = std::move(log); }

    void setAnswerDelay(int ms) { m_delayMs = ms < 0 ? 0 : ms; }
    int answerDelay() const { return m_delayMs; }
    // Full speed: an answer arrives all at once instead of byte by byte.
    void setFullSpeed(bool on) { m_fullSpeed = on; }
    bool fullSpeed() const { return m_fullSpeed; }
    SimFaults& faults() { return m_faults; }

    // Bytes from the host.
    void receive(std::span<const std::uint8_t> bytes);

    // Adds a time-stamped line to the log.
    void note(const std::string& text);

    // Nothing waiting to be sent.
    bool idle() const { return m_queue.empty(); }
    const Counters& counters() const { return m_counters; }
    // Milliseconds since the line was made.
    std::int64_t now() const;

    // Time the line needs for n bytes at 9600 8N1 (10 bits each), rounded up.
    static std::int64_t transmitMs(std::size_t n) {
        return static_cast<std::int64_t>((n * 25 + 23) / 24);
    }

private:
    struct Piece {
        std::vector<std::uint8_t> bytes;
        std::int64_t notBefore = 0;  // earliest start
        int gapBefore = 0;           // silence after the piece before it
        bool whole = false;          // delivered at once when its last byte is due
        std::string logLine;         // logged when the piece starts
        std::int64_t startAt = -1;   // fixed when it reaches the head of the queue
        std::size_t sent = 0;
    };

    void handleFrame(const FrameScanner::Scanned& scanned);
    void queueAnswer(const DeviceFrame& request, DeviceFrame answer);
    void pump();
    void schedulePump();
    bool silentNow() const;
    bool faultApplies(std::uint8_t command) const;

    Scheduler& m_scheduler;
    std::unique_ptr<Timer> m_timer;
    FakeSerialBackend* m_port = nullptr;
    std::vector<std::unique_ptr<VirtualAmplifier>> m_amplifiers;
    FrameScanner m_scanner;
    Sink m_sink;
    LogSink m_log;
    SimFaults m_faults;
    Counters m_counters;
    std::deque<Piece> m_queue;
    int m_delayMs = kDefaultDelayMs;
    bool m_fullSpeed = false;
    std::uint32_t m_startTick = 0;
    std::int64_t m_lineFreeAt = 0;
    std::int64_t m_lastReceiveAt = 0;
};

}  // namespace ampdesk
