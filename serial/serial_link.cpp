#include "serial_link.h"

#include <array>

#include "port_list.h"

namespace ampdesk {

SerialLink::SerialLink(Scheduler& scheduler, SerialBackend& backend)
    : m_scheduler(scheduler), m_backend(backend) {
    m_gather = m_scheduler.createTimer("commNotify", kGatherMs, [this] {
        m_gather->stop();
        OnCommNotify();
    });
    m_resolver = [](int port) { return PortList::devicePathForPort(port); };
    m_backend.setListener([this] { onReadable(); }, [this] { onFailure(); });
}

SerialLink::~SerialLink() {
    m_backend.setListener({}, {});
}

void SerialLink::Open() {
    // A port still open would otherwise be lost: Close no longer reaches it
    // and, held exclusively, it refuses every later open.
    Close();
    m_notifyFree = true;
    m_broken = false;
    m_suspended = false;
    auto device = m_resolver ? m_resolver(CurrentPort) : std::nullopt;
    if (!device || !m_backend.open(*device)) {
        m_portOpen = false;
        return;
    }
    m_devicePath = *device;
    m_portOpen = true;
}

void SerialLink::StartWatcher() {
    if (!m_portOpen || m_broken) return;
    m_watcherRunning = true;
    // Characters that came before the watcher started are not left waiting.
    auto waiting = m_backend.bytesWaiting();
    if (waiting && *waiting > 0) onReadable();
}

void SerialLink::Write() {
    if (!PortOpen() || m_broken || TxBytes.empty()) return;
    if (!m_backend.write(TxBytes.data(), TxBytes.size())) breakLink();
}

void SerialLink::Close() {
    if (!m_portOpen) return;
    m_suspended = false;
    ++m_generation;
    if (m_broken) {
        // The port is already released; nothing else to touch.
        m_broken = false;
        m_portOpen = false;
        return;
    }
    m_watcherRunning = false;
    // A notification that is posted but not yet handled is simply dropped:
    // the UI thread cannot wait for itself.
    m_gather->stop();
    m_notifyFree = true;
    m_backend.close();
    m_portOpen = false;
}

void SerialLink::OnCommNotify() {
    if (!m_portOpen || m_broken || !m_watcherRunning) {
        m_notifyFree = true;
        return;
    }
    const auto generation = m_generation;
    auto waiting = m_backend.bytesWaiting();
    if (!waiting) {
        m_backend.purgeInput();
        m_notifyFree = true;
        return;
    }
    if (*waiting == 0) {
        m_notifyFree = true;
        return;
    }
    // The read buffer holds 1024 bytes; a larger backlog is taken in several
    // reads within the same batch so that every byte arrives in order.
    std::array<std::uint8_t, kReadBufferSize> buffer{};
    std::size_t remaining = *waiting;
    RxHexBuffer.reserve(RxHexBuffer.size() + 2 * remaining);
    while (remaining > 0) {
        long got = m_backend.read(buffer.data(), std::min(remaining, buffer.size()));
        if (got < 0) {
            breakLink();
            return;
        }
        if (got == 0) break;
        appendHex(RxHexBuffer, buffer.data(), static_cast<std::size_t>(got));
        remaining -= static_cast<std::size_t>(got);
    }
    if (m_dispatcher) m_dispatcher();
    // The dispatcher may have closed or reopened the link.
    if (generation != m_generation || !m_portOpen || m_broken) return;
    m_notifyFree = true;
    // Bytes that arrived while this batch was handled are read without
    // waiting for yet another arrival.
    auto left = m_backend.bytesWaiting();
    if (left && *left > 0) onReadable();
}

void SerialLink::appendHex(std::string& text, const std::uint8_t* data, std::size_t size) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < size; ++i) {
        text.push_back(kDigits[data[i] >> 4]);
        text.push_back(kDigits[data[i] & 0x0F]);
    }
}

void SerialLink::onReadable() {
    if (!m_portOpen || m_broken || !m_watcherRunning || !m_notifyFree) return;
    m_notifyFree = false;
    m_gather->start();
}

void SerialLink::onFailure() {
    if (m_portOpen && !m_broken) breakLink();
}

void SerialLink::breakLink() {
    // Marked first: releasing a failed port may report yet another failure.
    m_broken = true;
    m_watcherRunning = false;
    m_gather->stop();
    m_notifyFree = true;
    m_backend.close();
}

}  // namespace ampdesk
