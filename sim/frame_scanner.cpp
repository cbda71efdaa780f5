#include "frame_scanner.h"

namespace ampdesk {

namespace {

bool isPcKind(std::uint8_t kind) {
    return kind == DeviceFrame::kWrite || kind == DeviceFrame::kRequest;
}

}  // namespace

int FrameScanner::headerVerdict() const {
    const std::size_t have = m_buffer.size();
    for (std::size_t i = 0; i < 3 && i < have; ++i)
        if (m_buffer[i] != DeviceFrame::kSync) return 0;
    if (have > 4 && !isPcKind(m_buffer[4])) return 0;
    if (have < DeviceFrame::kHeaderSize) return -1;
    const std::size_t n = (std::size_t{m_buffer[8]} << 8) | m_buffer[9];
    if (n > DeviceFrame::kMaxPayload) return 0;
    return static_cast<int>(DeviceFrame::kHeaderSize + n + 2);
}

std::vector<FrameScanner::Scanned> FrameScanner::feed(std::span<const std::uint8_t> bytes) {
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
    std::vector<Scanned> out;
    auto skipOne = [&] {
        m_buffer.erase(m_buffer.begin());
        ++m_skipped;
    };
    while (!m_buffer.empty()) {
        const int verdict = headerVerdict();
        if (verdict < 0) break;
        if (verdict == 0) {
            skipOne();
            continue;
        }
        const auto total = static_cast<std::size_t>(verdict);
        if (m_buffer.size() < total) break;

        Scanned s;
        s.raw.assign(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(total));
        const std::size_t n = total - DeviceFrame::kHeaderSize - 2;
        s.frame.DeviceId = s.raw[3];
        s.frame.Kind = s.raw[4];
        s.frame.Group = s.raw[5];
        s.frame.Command = s.raw[6];
        s.frame.Section = s.raw[7];
        s.frame.Payload.assign(
            s.raw.begin() + DeviceFrame::kHeaderSize,
            s.raw.begin() + static_cast<std::ptrdiff_t>(DeviceFrame::kHeaderSize + n));
        s.receivedCheck = s.raw[DeviceFrame::kHeaderSize + n];
        if (s.raw[total - 1] != DeviceFrame::kEnd) {
            // Probably a frame cut short with another one behind it: look
            // for the next start inside these bytes.
            s.status = Status::BadEnd;
            out.push_back(std::move(s));
            skipOne();
            continue;
        }
        const auto check =
            DeviceFrame::checkByte(std::span(s.raw.data(), DeviceFrame::kHeaderSize + n));
        s.status = check == s.receivedCheck ? Status::Ok : Status::BadCheck;
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(total));
        out.push_back(std::move(s));
    }
    return out;
}

void FrameScanner::dropPartial() {
    m_skipped += m_buffer.size();
    m_buffer.clear();
}

void FrameScanner::reset() {
    m_buffer.clear();
    m_skipped = 0;
}

}  // namespace ampdesk
