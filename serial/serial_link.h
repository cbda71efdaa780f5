#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scheduler.h"
#include "serial_backend.h"

namespace ampdesk {

// The one serial connection of the program. Received bytes accumulate in
// RxHexBuffer as upper-case hex digit pairs; each batch is handed to the
// dispatcher once, at most one batch notification being in flight, after a
// 50 ms pause that lets the rest of a short frame arrive.
class SerialLink {
public:
    using PortResolver = std::function<std::optional<std::string>(int port)>;

    static constexpr int kGatherMs = 50;
    static constexpr std::size_t kReadBufferSize = 1024;

    SerialLink(Scheduler& scheduler, SerialBackend& backend);
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Number of the port to open ("COMn" of the port list).
    int CurrentPort = 0;
    // Received bytes as hex text, oldest first.
    std::string RxHexBuffer;
    // The frame to write next.
    std::vector<std::uint8_t> TxBytes;

    // False while the port is closed or while it is suspended (see setSuspended).
    bool PortOpen() const { return m_portOpen && !m_suspended; }
    // True between a read or write failure and the next Close.
    bool broken() const { return m_broken; }
    bool watcherRunning() const { return m_watcherRunning; }
    // Set while no batch notification is outstanding.
    bool notifyFree() const { return m_notifyFree; }

    // While suspended the port stays open and keeps receiving, but PortOpen
    // reads false and Write does nothing, so code that refreshes editors from
    // a block queues nothing. Open and Close end a suspension; lifting it
    // after a Close leaves PortOpen false.
    void setSuspended(bool on) { m_suspended = on; }
    bool suspended() const { return m_suspended; }

    void Open();
    void StartWatcher();
    void Write();
    void Close();
    // Reads the waiting bytes of one batch and runs the dispatcher.
    void OnCommNotify();

    // Runs once per batch of received bytes.
    void setDispatcher(std::function<void()> dispatcher) { m_dispatcher = std::move(dispatcher); }
    // Maps a port number to its device; the port list provides the default.
    void setPortResolver(PortResolver resolver) { m_resolver = std::move(resolver); }
    // The device path opened by the last successful Open.
    const std::string& devicePath() const { return m_devicePath; }

    // Appends bytes to a hex text, two upper-case digits each.
    static void appendHex(std::string& text, const std::uint8_t* data, std::size_t size);

private:
    void onReadable();
    void onFailure();
    void breakLink();

    Scheduler& m_scheduler;
    SerialBackend& m_backend;
    std::unique_ptr<Timer> m_gather;
    std::function<void()> m_dispatcher;
    PortResolver m_resolver;
    std::string m_devicePath;
    bool m_portOpen = false;
    bool m_broken = false;
    bool m_suspended = false;
    bool m_watcherRunning = false;
    bool m_notifyFree = true;
    std::uint64_t m_generation = 0;  // bumped by Close; stale notifications compare it
};

}  // namespace ampdesk
