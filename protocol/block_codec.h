#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "device_state.h"

namespace ampdesk {

// The 320-byte parameter block: 40 sections of 8 bytes, 16-bit values low
// byte first. Sections 0..34 hold parameters; 35..39 are carried untouched.
using ParameterBlock = std::array<std::uint8_t, 320>;
using SectionBytes = std::array<std::uint8_t, 8>;

// Between the block and DeviceState. A block reaches the program as the hex
// text of its whole 332-byte frame (a BlockText): 20 header characters, then
// payload byte k at characters 20 + 2k and 21 + 2k (0-based).
class BlockCodec {
public:
    static constexpr std::size_t kBlockTextLength = 664;
    static constexpr std::size_t kPayloadTextOffset = 20;
    static constexpr int kSectionCount = 40;
    static constexpr int kParameterSections = 35;  // 35..39 are never decoded

    // Section of the block addressed by a section write: blocks 0..2 are the
    // outputs with sections 0..8, block 3 the master main section, 4 the
    // master crossover and 5..10 the master bands (section 0). -1 otherwise.
    static int sectionIndex(int block, int section);

    // Steps 1 to 3 of decoding: every field of sections 0..34 from its hex
    // digits (either case) into state in section order, the master volume held
    // to the slider's range 0..301, then gains, bands and crossovers held to
    // their ranges. Reserved bytes and sections 35..39 are not read. A digit
    // pair that is not hex reads as 0. Returns false, leaving state alone,
    // when the text is too short to hold the payload.
    static bool DecodeBlockText(std::string_view blockText, DeviceState& state);

    // Holds every range-checked field of state to its range.
    static void ClampToRanges(DeviceState& state);

    // The 8 payload bytes of a section write; all zero for an unknown address.
    static SectionBytes EncodeSection(const DeviceState& state, int block, int section);
    // The same by section index 0..39 (35..39 and unknown indices: zeros).
    static SectionBytes EncodeBlockSection(const DeviceState& state, int sectionIndex);

    // The 320 payload bytes of a held BlockText, for whole-block writes;
    // nullopt when the text is too short or a pair is not hex.
    static std::optional<ParameterBlock> PayloadOf(std::string_view blockText);
};

}  // namespace ampdesk
