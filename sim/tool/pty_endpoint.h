#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ampdesk {

// The program side of a pseudo-terminal that stands in for a serial port.
// The slave end gets a link (say /dev/ttyVA0) that serial programs open; we
// read and write the master end. We hold the slave open ourselves, so a
// client closing it never hangs the master up, its line settings stay raw,
// and the next client can simply open it again. Client opens and closes are
// followed with inotify on the slave device.
class PtyEndpoint {
public:
    PtyEndpoint() = default;
    ~PtyEndpoint();
    PtyEndpoint(const PtyEndpoint&) = delete;
    PtyEndpoint& operator=(const PtyEndpoint&) = delete;

    // Makes the pseudo-terminal and links its slave at linkPath. An existing
    // link is replaced when it leads nowhere (left by a killed run) or when
    // force is set; anything else at linkPath is left alone and an error is
    // returned.
    bool create(const std::string& linkPath, bool force, std::string& error);
    // Removes the link if it is still ours.
    void removeLink();

    int masterFd() const { return m_master; }
    int watchFd() const { return m_watch; }
    const std::string& slavePath() const { return m_slavePath; }
    const std::string& linkPath() const { return m_linkPath; }

    // Everything the client has written so far; empty when nothing waits.
    std::vector<std::uint8_t> readAll();
    // Writes what the line sends. As on a real port, bytes that arrive while
    // no client has the port open are lost. False when bytes were lost.
    bool write(const std::vector<std::uint8_t>& bytes);

    struct ClientEvents {
        int opened = 0;
        int closed = 0;
    };
    // Takes the pending open and close notices of the slave, in order;
    // lastClientLeft runs whenever the count of clients drops to zero.
    ClientEvents readClientEvents(const std::function<void()>& lastClientLeft);
    // Clients that have the port open now.
    int clients() const { return m_clients; }
    // After the last client closed: drop what it left unread, as closing a
    // real port does, and any exclusive lock it forgot to release.
    void clientGone();

private:
    int m_master = -1;
    int m_ownSlave = -1;
    int m_watch = -1;
    int m_clients = 0;
    std::string m_slavePath;
    std::string m_linkPath;
    bool m_linked = false;
};

}  // namespace ampdesk
