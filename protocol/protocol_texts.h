#pragma once

#include <string>

#include "edition.h"

namespace ampdesk {

// The protocol's own texts, which differ between the editions.
enum class ProtocolText {
    LinkLost,                // watchdog expiry
    ConnectTimeout,          // chcon expiry
    IdChanged,               // followed by the new ID
    PresetSaved,             //
    LastGroupUser,           // followed by group - 1 and nine blanks
    LastGroupPreset,         //
    MasterPolarityPlus,      // master polarity after a live block
    MasterPolarityMinus,     //
    MasterPolarityPlusFile,  // master polarity after a block written from a file or staged
    MasterPolarityMinusFile,
};

const std::string& protocolText(ProtocolText id, Edition edition);

}  // namespace ampdesk
