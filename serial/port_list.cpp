#include "port_list.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ampdesk {

namespace {

namespace fs = std::filesystem;

// One family of device names and the COM numbers it takes. The first few
// devices of the usual USB adapters and of the virtual amplifier's links get
// COM1..COM10, which the start-up search covers.
struct Range {
    std::string_view prefix;
    int firstIndex;
    int lastIndex;
    int firstNumber;
};

constexpr Range kRanges[] = {
    {"ttyUSB", 0, 5, 1},   {"ttyACM", 0, 1, 7},  {"ttyVA", 0, 1, 9},   {"ttyUSB", 6, 59, 11},
    {"ttyACM", 2, 59, 65}, {"ttyVA", 2, 9, 123}, {"ttyS", 0, 31, 131}, {"ttyAMA", 0, 15, 163},
};

std::optional<int> parseIndex(std::string_view digits) {
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
    int value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::string readFirstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

bool isCharDevice(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

// Hardware behind a tty: a USB or ACM device node, or a UART whose driver
// found a port (legacy 8250 slots without hardware report type 0).
bool hasHardware(const std::string& name, const std::string& sysRoot) {
    fs::path dir = fs::path(sysRoot) / "class" / "tty" / name;
    std::error_code ec;
    if (!fs::exists(dir / "device", ec)) return false;
    if (name.rfind("ttyS", 0) == 0) {
        std::string type = readFirstLine(dir / "type");
        return !type.empty() && type != "0";
    }
    return true;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

int PortList::portNumberForDevice(std::string_view deviceName) {
    for (const auto& r : kRanges) {
        if (deviceName.substr(0, r.prefix.size()) != r.prefix) continue;
        auto index = parseIndex(deviceName.substr(r.prefix.size()));
        if (!index) continue;
        if (*index >= r.firstIndex && *index <= r.lastIndex)
            return r.firstNumber + (*index - r.firstIndex);
    }
    return 0;
}

std::string PortList::deviceForPortNumber(int number) {
    for (const auto& r : kRanges) {
        int last = r.firstNumber + (r.lastIndex - r.firstIndex);
        if (number >= r.firstNumber && number <= last)
            return std::string(r.prefix) + std::to_string(r.firstIndex + number - r.firstNumber);
    }
    return {};
}

int PortList::numberFromName(const std::string& name) {
    if (name.size() <= 3) return 0;
    std::string rest = name.substr(3);
    // Accepts what a decimal string-to-integer conversion accepts: an
    // optional sign and digits, nothing else.
    std::size_t start = (rest[0] == '+' || rest[0] == '-') ? 1 : 0;
    if (start == rest.size() || rest.size() - start > 9) return 0;
    for (std::size_t i = start; i < rest.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(rest[i]))) return 0;
    int value = std::stoi(rest.substr(start));
    return rest[0] == '-' ? -value : value;
}

std::vector<std::string> PortList::consoleDevices(const std::string& sysRoot) {
    std::vector<std::string> names;
    std::ifstream in(fs::path(sysRoot) / "class" / "tty" / "console" / "active");
    std::string word;
    while (in >> word) names.push_back(word);
    return names;
}

std::vector<PortList::Entry> PortList::enumerate(const std::string& devRoot,
                                                 const std::string& sysRoot) {
    std::vector<Entry> entries;
    const auto consoles = consoleDevices(sysRoot);
    auto isConsole = [&](const std::string& name) {
        return name == "console" ||
               std::find(consoles.begin(), consoles.end(), name) != consoles.end();
    };
    std::error_code ec;
    for (fs::directory_iterator it(devRoot, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        int number = portNumberForDevice(name);
        if (number == 0 || isConsole(name)) continue;
        std::error_code lec;
        if (it->is_symlink(lec)) {
            // A link (the virtual amplifier's pseudo-terminal, udev aliases)
            // must lead to a character device that is not the console.
            fs::path target = fs::canonical(it->path(), lec);
            if (lec || !isCharDevice(target) || isConsole(target.filename().string())) continue;
        } else {
            if (!isCharDevice(it->path()) || !hasHardware(name, sysRoot)) continue;
        }
        entries.push_back({portName(number), number, it->path().string()});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return lower(a.name) < lower(b.name); });
    return entries;
}

std::optional<std::string> PortList::devicePathForPort(int number, const std::string& devRoot,
                                                       const std::string& sysRoot) {
    if (number <= 0) return std::nullopt;
    for (auto& e : enumerate(devRoot, sysRoot))
        if (e.number == number) return e.devicePath;
    return std::nullopt;
}

}  // namespace ampdesk
