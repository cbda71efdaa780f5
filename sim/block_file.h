#pragma once

#include <optional>
#include <string>

#include "virtual_amplifier.h"

namespace ampdesk {

// Reads the parameter block out of a single-group file: its lines joined
// form the 664 hex digits of a whole block frame, of which only the 320
// parameter bytes count. nullopt, with a reason in error, for anything else.
std::optional<VirtualAmplifier::Block> readSingleGroupFile(const std::string& path,
                                                           std::string& error);
// The same from the file's text.
std::optional<VirtualAmplifier::Block> parseSingleGroupText(const std::string& text,
                                                            std::string& error);

}  // namespace ampdesk
