#include "fake_serial_backend.h"

namespace ampdesk {

bool FakeSerialBackend::open(const std::string& devicePath) {
    if (m_open || m_refuse || !m_devices.count(devicePath)) return false;
    m_open = true;
    m_openedPath = devicePath;
    ++m_openCount;
    return true;
}

void FakeSerialBackend::close() {
    if (!m_open) return;
    m_open = false;
    m_input.clear();
    ++m_closeCount;
}

std::optional<std::size_t> FakeSerialBackend::bytesWaiting() {
    if (!m_open) return std::nullopt;
    if (m_statusFailures > 0) {
        --m_statusFailures;
        return std::nullopt;
    }
    return m_input.size();
}

long FakeSerialBackend::read(std::uint8_t* buffer, std::size_t max) {
    if (!m_open || m_readFails) return -1;
    std::size_t n = std::min(max, m_input.size());
    for (std::size_t i = 0; i < n; ++i) {
        buffer[i] = m_input.front();
        m_input.pop_front();
    }
    return static_cast<long>(n);
}

bool FakeSerialBackend::write(const std::uint8_t* data, std::size_t size) {
    if (!m_open || m_writeFails) return false;
    m_writes.emplace_back(data, data + size);
    if (m_writeObserver) m_writeObserver(m_writes.back());
    return true;
}

void FakeSerialBackend::setListener(std::function<void()> onReadable,
                                    std::function<void()> onFailure) {
    m_onReadable = std::move(onReadable);
    m_onFailure = std::move(onFailure);
}

void FakeSerialBackend::inject(const std::vector<std::uint8_t>& bytes) {
    if (!m_open) return;
    queueSilently(bytes);
    if (m_onReadable && !bytes.empty()) m_onReadable();
}

void FakeSerialBackend::queueSilently(const std::vector<std::uint8_t>& bytes) {
    if (!m_open) return;
    m_input.insert(m_input.end(), bytes.begin(), bytes.end());
}

void FakeSerialBackend::vanish() {
    if (!m_open) return;
    m_readFails = true;
    m_writeFails = true;
    if (m_onFailure) m_onFailure();
}

std::vector<std::uint8_t> FakeSerialBackend::writtenBytes() const {
    std::vector<std::uint8_t> all;
    for (const auto& w : m_writes) all.insert(all.end(), w.begin(), w.end());
    return all;
}

}  // namespace ampdesk
