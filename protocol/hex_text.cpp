#include "hex_text.h"

namespace ampdesk {

namespace {
int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::string toHex(const std::vector<std::uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (auto b : bytes) {
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0x0F]);
    }
    return text;
}

std::optional<std::uint8_t> hexByte(std::string_view twoDigits) {
    if (twoDigits.size() != 2) return std::nullopt;
    int hi = digitValue(twoDigits[0]);
    int lo = digitValue(twoDigits[1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    return static_cast<std::uint8_t>(hi * 16 + lo);
}

std::optional<std::vector<std::uint8_t>> fromHex(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        auto b = hexByte(text.substr(i, 2));
        if (!b) return std::nullopt;
        bytes.push_back(*b);
    }
    return bytes;
}

}  // namespace ampdesk
