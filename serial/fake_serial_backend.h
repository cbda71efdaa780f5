#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "serial_backend.h"

namespace ampdesk {

// In-memory port for tests and the in-process virtual amplifier: it records
// every write, lets the test inject received bytes in chosen batches, and
// fails opens, status queries, reads or writes on demand.
class FakeSerialBackend : public SerialBackend {
public:
    bool open(const std::string& devicePath) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    std::optional<std::size_t> bytesWaiting() override;
    long read(std::uint8_t* buffer, std::size_t max) override;
    bool write(const std::uint8_t* data, std::size_t size) override;
    void purgeInput() override { m_input.clear(); }
    void setDtr(bool on) override { m_dtr = on; }
    void setListener(std::function<void()> onReadable, std::function<void()> onFailure) override;

    // Devices that exist; open() of any other path fails.
    void addDevice(const std::string& path) { m_devices.insert(path); }
    void removeDevice(const std::string& path) { m_devices.erase(path); }
    // The device exists but refuses 9600 8N1 (or is busy): open() fails.
    void setRefuseSettings(bool refuse) { m_refuse = refuse; }

    // Bytes arriving from the far end as one batch.
    void inject(const std::vector<std::uint8_t>& bytes);
    // Bytes queued without telling the link (they arrived while it looked away).
    void queueSilently(const std::vector<std::uint8_t>& bytes);
    // The device fails as if unplugged.
    void vanish();

    void failStatusQuery(int times = 1) { m_statusFailures = times; }
    void failReads(bool on) { m_readFails = on; }
    void failWrites(bool on) { m_writeFails = on; }

    // Called with each successful write (the far end listening).
    void setWriteObserver(std::function<void(const std::vector<std::uint8_t>&)> observer) {
        m_writeObserver = std::move(observer);
    }

    const std::vector<std::vector<std::uint8_t>>& writes() const { return m_writes; }
    std::vector<std::uint8_t> writtenBytes() const;
    void clearWrites() { m_writes.clear(); }
    const std::string& openedPath() const { return m_openedPath; }
    int openCount() const { return m_openCount; }
    int closeCount() const { return m_closeCount; }
    std::size_t queued() const { return m_input.size(); }
    bool dtr() const { return m_dtr; }

private:
    std::set<std::string> m_devices;
    bool m_open = false;
    bool m_refuse = false;
    bool m_readFails = false;
    bool m_writeFails = false;
    bool m_dtr = false;
    int m_statusFailures = 0;
    int m_openCount = 0;
    int m_closeCount = 0;
    std::string m_openedPath;
    std::deque<std::uint8_t> m_input;
    std::vector<std::vector<std::uint8_t>> m_writes;
    std::function<void()> m_onReadable;
    std::function<void()> m_onFailure;
    std::function<void(const std::vector<std::uint8_t>&)> m_writeObserver;
};

}  // namespace ampdesk
