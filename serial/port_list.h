#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ampdesk {

// The serial ports of this machine under the names the program shows
// ("COMn"). The number of a port is fixed by its device name alone; see
// README for the table. Only real serial devices are listed (USB adapters,
// ACM modems, UARTs the kernel found hardware for) and symbolic links with
// those names; the system console is never listed.
class PortList {
public:
    struct Entry {
        std::string name;        // "COM7"
        int number = 0;          // 7
        std::string devicePath;  // "/dev/ttyACM0"
    };

    // The COM number of a device name such as "ttyUSB0"; 0 for a name that
    // is never listed.
    static int portNumberForDevice(std::string_view deviceName);
    // The device name of a COM number; empty when no name maps to it.
    static std::string deviceForPortNumber(int number);
    static std::string portName(int number) { return "COM" + std::to_string(number); }
    // The decimal number after the first three characters of a port-list
    // entry ("COM12" gives 12); 0 when that text is not a number.
    static int numberFromName(const std::string& name);

    // Lists the ports, sorted by name case-insensitively (COM10 before COM2).
    static std::vector<Entry> enumerate(const std::string& devRoot = "/dev",
                                        const std::string& sysRoot = "/sys");
    // The device that the port list shows as "COMn", if it is there now.
    static std::optional<std::string> devicePathForPort(int number,
                                                        const std::string& devRoot = "/dev",
                                                        const std::string& sysRoot = "/sys");
    // Names of the devices that are the system console.
    static std::vector<std::string> consoleDevices(const std::string& sysRoot = "/sys");
};

}  // namespace ampdesk
