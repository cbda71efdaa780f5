#include "pty_endpoint.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace ampdesk {

namespace {

std::string systemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::string readLink(const std::string& path) {
    char buf[PATH_MAX];
    const auto n = ::readlink(path.c_str(), buf, sizeof buf - 1);
    if (n < 0) return {};
    return std::string(buf, static_cast<std::size_t>(n));
}

}  // namespace

PtyEndpoint::~PtyEndpoint() {
    removeLink();
    for (int fd : {m_watch, m_ownSlave, m_master})
        if (fd >= 0) ::close(fd);
}

bool PtyEndpoint::create(const std::string& linkPath, bool force, std::string& error) {
    m_linkPath = linkPath;
    struct stat st {};
    if (::lstat(linkPath.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = linkPath + " exists and is not a symbolic link; not replacing it";
            return false;
        }
        struct stat target {};
        const bool live = ::stat(linkPath.c_str(), &target) == 0 && S_ISCHR(target.st_mode);
        if (live && !force) {
            error = linkPath + " already leads to " + readLink(linkPath) +
                    " (another ampsim?); stop that one or use --force";
            return false;
        }
    }

    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = systemError("cannot make a pseudo-terminal");
        return false;
    }
    const char* name = ::ptsname(m_master);
    if (!name) {
        error = systemError("ptsname");
        return false;
    }
    m_slavePath = name;

    // Raw line: no echo, no line editing, no CR/LF translation. Set from
    // the master side, this applies to the slave the client opens.
    termios tio{};
    if (::tcgetattr(m_master, &tio) != 0) {
        error = systemError("tcgetattr");
        return false;
    }
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B9600);
    if (::tcsetattr(m_master, TCSANOW, &tio) != 0) {
        error = systemError("tcsetattr");
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);

    m_ownSlave = ::open(m_slavePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_ownSlave < 0) {
        error = systemError("cannot open " + m_slavePath);
        return false;
    }
    // Under sudo the slave belongs to root; the programs run as the user.
    ::chmod(m_slavePath.c_str(), 0666);

    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_watch < 0 || ::inotify_add_watch(m_watch, m_slavePath.c_str(), IN_OPEN | IN_CLOSE) < 0) {
        error = systemError("inotify on " + m_slavePath);
        return false;
    }

    const std::string temp = linkPath + ".ampsim-" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(m_slavePath.c_str(), temp.c_str()) != 0) {
        error = systemError("cannot create " + linkPath);
        if (errno == EACCES || errno == EPERM) error += " (links in /dev need root: use sudo)";
        return false;
    }
    if (::rename(temp.c_str(), linkPath.c_str()) != 0) {
        error = systemError("cannot create " + linkPath);
        ::unlink(temp.c_str());
        return false;
    }
    m_linked = true;
    return true;
}

void PtyEndpoint::removeLink() {
    if (!m_linked) return;
    m_linked = false;
    // Another run may have taken the name over with --force; leave its link.
    if (readLink(m_linkPath) == m_slavePath) ::unlink(m_linkPath.c_str());
}

std::vector<std::uint8_t> PtyEndpoint::readAll() {
    std::vector<std::uint8_t> out;
    std::uint8_t buf[4096];
    for (;;) {
        const auto n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            out.insert(out.end(), buf, buf + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        break;  // EAGAIN: all taken
    }
    return out;
}

bool PtyEndpoint::write(const std::vector<std::uint8_t>& bytes) {
    if (m_clients <= 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        return false;  // the client stopped reading and the queue is full
    }
    return true;
}

PtyEndpoint::ClientEvents PtyEndpoint::readClientEvents(
    const std::function<void()>& lastClientLeft) {
    ClientEvents ev;
    alignas(inotify_event) char buf[4096];
    for (;;) {
        const auto n = ::read(m_watch, buf, sizeof buf);
        if (n <= 0) break;
        for (const char* p = buf; p < buf + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            if (e->mask & IN_OPEN) {
                ++ev.opened;
                ++m_clients;
            }
            if ((e->mask & IN_CLOSE) && m_clients > 0) {
                ++ev.closed;
                --m_clients;
            }
            if (e->mask & IN_Q_OVERFLOW) {
                // Lost count: assume someone is there rather than drop answers.
                m_clients = 1;
            }
            p += sizeof(inotify_event) + e->len;
        }
    }
    // Judged on the whole batch: a close followed by the next client's open
    // is a hand-over, not a port left alone, and must not cost the new
    // client anything.
    if (ev.closed > 0 && m_clients == 0 && lastClientLeft) lastClientLeft();
    return ev;
}

void PtyEndpoint::clientGone() {
    // Only answers the departed client left unread; requests still on their
    // way in belong to whoever writes next.
    ::tcflush(m_ownSlave, TCIFLUSH);
    ::ioctl(m_ownSlave, TIOCNXCL);
}

}  // namespace ampdesk
