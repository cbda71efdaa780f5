#include "qt_serial_backend.h"

namespace ampdesk {

QtSerialBackend::QtSerialBackend() {
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] {
        if (m_onReadable) m_onReadable();
    });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) {
                         // A vanished device or a failed transfer ends the link.
                         if (error == QSerialPort::ResourceError ||
                             error == QSerialPort::ReadError || error == QSerialPort::WriteError) {
                             if (m_onFailure && m_port.isOpen() && !m_closing) m_onFailure();
                         }
                     });
}

QtSerialBackend::~QtSerialBackend() {
    m_onReadable = {};
    m_onFailure = {};
}

bool QtSerialBackend::open(const std::string& devicePath) {
    if (m_port.isOpen()) return false;
    m_port.setPortName(QString::fromStdString(devicePath));
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    // QSerialPort takes the port exclusively (TIOCEXCL and a lock file).
    if (!m_port.open(QIODevice::ReadWrite)) return false;
    if (m_port.baudRate() != 9600 || m_port.dataBits() != QSerialPort::Data8 ||
        m_port.parity() != QSerialPort::NoParity || m_port.stopBits() != QSerialPort::OneStop) {
        m_port.close();
        return false;
    }
    return true;
}

void QtSerialBackend::close() {
    if (!m_port.isOpen() || m_closing) return;
    m_closing = true;
    m_port.clear();
    m_port.close();
    m_closing = false;
}

std::optional<std::size_t> QtSerialBackend::bytesWaiting() {
    if (!m_port.isOpen()) return std::nullopt;
    return static_cast<std::size_t>(m_port.bytesAvailable());
}

long QtSerialBackend::read(std::uint8_t* buffer, std::size_t max) {
    if (!m_port.isOpen()) return -1;
    qint64 got = m_port.read(reinterpret_cast<char*>(buffer), static_cast<qint64>(max));
    return got < 0 ? -1 : static_cast<long>(got);
}

bool QtSerialBackend::write(const std::uint8_t* data, std::size_t size) {
    if (!m_port.isOpen()) return false;
    qint64 done = m_port.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    if (done != static_cast<qint64>(size)) return false;
    // Frames are written whole before the caller goes on, as the protocol
    // paces its writes itself.
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(2000))
            return m_port.error() == QSerialPort::NoError ||
                   m_port.error() == QSerialPort::TimeoutError;
    }
    return true;
}

void QtSerialBackend::purgeInput() {
    if (m_port.isOpen()) m_port.clear(QSerialPort::Input);
}

void QtSerialBackend::setDtr(bool on) {
    if (m_port.isOpen()) m_port.setDataTerminalReady(on);
}

void QtSerialBackend::setListener(std::function<void()> onReadable,
                                  std::function<void()> onFailure) {
    m_onReadable = std::move(onReadable);
    m_onFailure = std::move(onFailure);
}

}  // namespace ampdesk
