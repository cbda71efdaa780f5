#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ampdesk {

// The operating-system side of the serial link: one port, opened by device
// path. Everything is called on the UI thread, and the callbacks come on it.
class SerialBackend {
public:
    virtual ~SerialBackend() = default;

    // Opens the device for exclusive reading and writing at 9600 baud, 8 data
    // bits, no parity, one stop bit. False when the device is missing, busy or
    // refuses the line settings; nothing stays open then.
    virtual bool open(const std::string& devicePath) = 0;
    // Discards both queues and releases the port; harmless when not open.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Bytes waiting in the input queue; nullopt when the status query fails.
    virtual std::optional<std::size_t> bytesWaiting() = 0;
    // Reads up to max queued bytes without waiting; -1 on failure.
    virtual long read(std::uint8_t* buffer, std::size_t max) = 0;
    // Writes all bytes; false on failure.
    virtual bool write(const std::uint8_t* data, std::size_t size) = 0;
    // Discards what is waiting in the input queue.
    virtual void purgeInput() = 0;
    // Raises or lowers DTR.
    virtual void setDtr(bool on) = 0;

    // onReadable: characters arrived. onFailure: the device failed (for
    // example it vanished). Both may come at any time while the port is open.
    virtual void setListener(std::function<void()> onReadable, std::function<void()> onFailure) = 0;
};

}  // namespace ampdesk
