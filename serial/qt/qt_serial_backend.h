#pragma once

#include <QSerialPort>

#include "serial_backend.h"

namespace ampdesk {

// The serial port through QSerialPort: raw 9600 8N1, opened exclusively.
class QtSerialBackend : public SerialBackend {
public:
    QtSerialBackend();
    ~QtSerialBackend() override;

    bool open(const std::string& devicePath) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    std::optional<std::size_t> bytesWaiting() override;
    long read(std::uint8_t* buffer, std::size_t max) override;
    bool write(const std::uint8_t* data, std::size_t size) override;
    void purgeInput() override;
    void setDtr(bool on) override;
    void setListener(std::function<void()> onReadable, std::function<void()> onFailure) override;

private:
    QSerialPort m_port;
    bool m_closing = false;
    std::function<void()> m_onReadable;
    std::function<void()> m_onFailure;
};

}  // namespace ampdesk
