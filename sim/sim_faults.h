#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace ampdesk {

// Misbehaviour of the line on demand, for testing how the program copes.
// Faults other than silence and the dropped command touch only the answers to
// faultCommand when it is set, otherwise every answer.
struct SimFaults {
    // No answer at all, from now on (switched at run time) ...
    bool silent = false;
    // ... or once this many milliseconds have passed since the line started.
    std::optional<std::int64_t> silentAfterMs;
    // Frames with this command are applied but never answered.
    std::optional<std::uint8_t> dropCommand;

    std::optional<std::uint8_t> faultCommand;
    // Answers start this long after their request instead of the usual delay.
    std::optional<int> lateMs;
    // Answers reach the line in pieces of this many bytes, each piece at once,
    // with chunkGapMs of silence between pieces.
    std::size_t chunkSize = 0;
    int chunkGapMs = 0;
    // Bytes of noise sent right before each answer frame.
    std::size_t noiseBytes = 0;
    // Answers carry a wrong check byte.
    bool corruptCheck = false;
};

}  // namespace ampdesk
