#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ampdesk {

// Bytes as upper-case hex digit pairs.
std::string toHex(const std::vector<std::uint8_t>& bytes);
// The byte written by two hex digits of either case; nullopt for other text.
std::optional<std::uint8_t> hexByte(std::string_view twoDigits);
// Hex text of either case to bytes; nullopt for an odd length or a non-hex digit.
std::optional<std::vector<std::uint8_t>> fromHex(std::string_view text);

}  // namespace ampdesk
