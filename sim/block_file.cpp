#include "block_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "hex_text.h"

namespace ampdesk {

namespace {

constexpr std::size_t kFrameChars = 664;
constexpr std::size_t kPayloadOffset = 10;

}  // namespace

std::optional<VirtualAmplifier::Block> parseSingleGroupText(const std::string& text,
                                                            std::string& error) {
    std::string joined;
    joined.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') joined.push_back(c);
    if (joined.size() != kFrameChars) {
        error = "expected 664 hex digits, found " + std::to_string(joined.size()) + " characters";
        return std::nullopt;
    }
    auto bytes = fromHex(joined);
    if (!bytes) {
        error = "not hexadecimal";
        return std::nullopt;
    }
    VirtualAmplifier::Block block{};
    std::copy_n(bytes->begin() + kPayloadOffset, block.size(), block.begin());
    return block;
}

std::optional<VirtualAmplifier::Block> readSingleGroupFile(const std::string& path,
                                                           std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    auto block = parseSingleGroupText(text.str(), error);
    if (!block) error = path + ": " + error;
    return block;
}

}  // namespace ampdesk
