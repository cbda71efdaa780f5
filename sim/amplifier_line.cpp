#include "amplifier_line.h"

#include <algorithm>

#include "fake_serial_backend.h"
#include "frame_log.h"

namespace ampdesk {

namespace {

// Bytes of noise: a fixed pattern, so that runs repeat exactly. It holds
// single sync bytes to catch receivers that resynchronise too eagerly.
constexpr std::uint8_t kNoise[] = {0x00, 0xFF, 0xA5, 0x55, 0x0F, 0xA5, 0xA5, 0x3C};

}  // namespace

AmplifierLine::AmplifierLine(Scheduler& scheduler)
    : m_scheduler(scheduler), m_startTick(scheduler.tickCount()) {
    m_timer = m_scheduler.createTimer("ampsimLine", 1, [this] {
        m_timer->stop();
        pump();
    });
}

AmplifierLine::~AmplifierLine() {
    if (m_port) m_port->setWriteObserver({});
}

VirtualAmplifier& AmplifierLine::addAmplifier(int shownId) {
    m_amplifiers.push_back(std::make_unique<VirtualAmplifier>(shownId));
    return *m_amplifiers.back();
}

VirtualAmplifier* AmplifierLine::findByShownId(int shownId) {
    for (auto& a : m_amplifiers)
        if (a->shownId() == shownId) return a.get();
    return nullptr;
}

void AmplifierLine::attach(FakeSerialBackend& port) {
    m_port = &port;
    port.setWriteObserver([this](const std::vector<std::uint8_t>& bytes) { receive(bytes); });
    m_sink = [&port](const std::vector<std::uint8_t>& bytes) { port.inject(bytes); };
}

std::int64_t AmplifierLine::now() const {
    return static_cast<std::uint32_t>(m_scheduler.tickCount() - m_startTick);
}

void AmplifierLine::note(const std::string& text) {
    if (m_log) m_log(FrameLog::timeStamp(now()) + " " + text);
}

bool AmplifierLine::silentNow() const {
    return m_faults.silent || (m_faults.silentAfterMs && now() >= *m_faults.silentAfterMs);
}

bool AmplifierLine::faultApplies(std::uint8_t command) const {
    return !m_faults.faultCommand || *m_faults.faultCommand == command;
}

void AmplifierLine::receive(std::span<const std::uint8_t> bytes) {
    const auto t = now();
    if (m_scanner.pending() > 0 && t - m_lastReceiveAt > kStaleFrameMs) {
        note("-- incomplete frame given up (" + std::to_string(m_scanner.pending()) + " bytes)");
        m_scanner.dropPartial();
    }
    m_lastReceiveAt = t;
    const auto skippedBefore = m_scanner.skippedBytes();
    const auto frames = m_scanner.feed(bytes);
    const auto skipped = m_scanner.skippedBytes() - skippedBefore;
    m_counters.skippedBytes += skipped;
    if (skipped > 0) note("-- skipped " + std::to_string(skipped) + " byte(s) of noise");
    for (const auto& f : frames) handleFrame(f);
}

void AmplifierLine::handleFrame(const FrameScanner::Scanned& scanned) {
    ++m_counters.framesReceived;
    const auto& frame = scanned.frame;
    std::string line = FrameLog::describe(FrameLog::Direction::Received, frame,
                                          scanned.status == FrameScanner::Status::Ok);
    if (scanned.status != FrameScanner::Status::Ok) {
        ++m_counters.badFrames;
        if (scanned.status == FrameScanner::Status::BadEnd) line += " (end byte wrong)";
        note(line + ": ignored");
        return;
    }

    // Everyone hears a broadcast; only the addressed amplifier hears the rest.
    // Collect first: a settings write may change an ID while we go.
    std::vector<VirtualAmplifier*> targets;
    const bool broadcast = frame.DeviceId == DeviceFrame::kBroadcastId;
    for (auto& a : m_amplifiers)
        if (broadcast || a->wireId() == frame.DeviceId) targets.push_back(a.get());
    if (targets.empty()) {
        note(line + ": no amplifier with this ID");
        return;
    }

    bool accepted = false;
    std::vector<DeviceFrame> answers;
    for (auto* a : targets) {
        auto outcome = a->handle(frame);
        accepted = accepted || outcome.accepted;
        if (outcome.answer && !broadcast) answers.push_back(std::move(*outcome.answer));
    }
    if (!accepted) {
        ++m_counters.rejectedFrames;
        note(line + ": ignored (unknown command, address or length)");
        return;
    }
    note(line);
    for (auto& answer : answers) queueAnswer(frame, std::move(answer));
}

void AmplifierLine::queueAnswer(const DeviceFrame& request, DeviceFrame answer) {
    const char* withheld = nullptr;
    if (silentNow())
        withheld = "silent";
    else if (m_faults.dropCommand && *m_faults.dropCommand == request.Command)
        withheld = "this command is never answered";
    if (withheld) {
        ++m_counters.answersWithheld;
        note(std::string("-- no answer: ") + withheld);
        return;
    }

    const bool faulty = faultApplies(request.Command);
    auto bytes = answer.bytes();
    bool checkOk = true;
    if (faulty && m_faults.corruptCheck) {
        bytes[bytes.size() - 2] ^= 0xFF;
        checkOk = false;
    }
    std::string logLine = FrameLog::describe(FrameLog::Direction::Sent, answer, checkOk);
    if (faulty && m_faults.noiseBytes > 0) {
        std::vector<std::uint8_t> noisy;
        for (std::size_t i = 0; i < m_faults.noiseBytes; ++i)
            noisy.push_back(kNoise[i % std::size(kNoise)]);
        logLine += " after " + std::to_string(noisy.size()) + " byte(s) of noise";
        noisy.insert(noisy.end(), bytes.begin(), bytes.end());
        bytes = std::move(noisy);
    }

    const int delay = faulty && m_faults.lateMs ? *m_faults.lateMs : m_delayMs;
    const std::int64_t notBefore = now() + delay;
    const std::size_t chunk = faulty && m_faults.chunkSize > 0 ? m_faults.chunkSize : bytes.size();
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        Piece p;
        p.bytes.assign(
            bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), at + chunk)));
        p.notBefore = notBefore;
        if (at > 0) p.gapBefore = m_faults.chunkGapMs;
        p.whole = chunk < bytes.size();
        if (at == 0) p.logLine = logLine;
        m_queue.push_back(std::move(p));
    }
    ++m_counters.answersSent;
    schedulePump();
}

void AmplifierLine::pump() {
    const auto t = now();
    while (!m_queue.empty()) {
        Piece& p = m_queue.front();
        if (p.startAt < 0) p.startAt = std::max(p.notBefore, m_lineFreeAt + p.gapBefore);
        if (t < p.startAt) break;
        if (!p.logLine.empty()) {
            note(p.logLine);
            p.logLine.clear();
        }
        const std::size_t size = p.bytes.size();
        std::size_t due = size;
        if (!m_fullSpeed) {
            const auto elapsed = static_cast<std::size_t>(t - p.startAt);
            due = std::min(size, elapsed * 24 / 25);
        }
        if (p.whole ? due == size : due > p.sent) {
            std::vector<std::uint8_t> out(p.bytes.begin() + static_cast<std::ptrdiff_t>(p.sent),
                                          p.bytes.begin() + static_cast<std::ptrdiff_t>(due));
            p.sent = due;
            // The sink may call back into us (a fake port's listener), so
            // the piece is finished with before it runs.
            const bool done = p.sent == size;
            if (done) {
                m_lineFreeAt = m_fullSpeed ? p.startAt : p.startAt + transmitMs(size);
                m_queue.pop_front();
            }
            if (m_sink) m_sink(out);
            if (done) continue;
        }
        break;
    }
    schedulePump();
}

void AmplifierLine::schedulePump() {
    m_timer->stop();
    if (m_queue.empty()) return;
    const auto t = now();
    Piece& p = m_queue.front();
    const auto startAt =
        p.startAt >= 0 ? p.startAt : std::max(p.notBefore, m_lineFreeAt + p.gapBefore);
    std::int64_t wake = startAt;
    if (t >= startAt && !m_fullSpeed) {
        // The next byte, or the last one of a piece delivered whole.
        const std::size_t upTo = p.whole ? p.bytes.size() : p.sent + 1;
        wake = startAt + transmitMs(upTo);
    }
    m_timer->setInterval(static_cast<int>(std::max<std::int64_t>(1, wake - t)));
    m_timer->start();
}

}  // namespace ampdesk
