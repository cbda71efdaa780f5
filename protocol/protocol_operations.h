#pragma once

#include <string>

namespace ampdesk {

// Steps of other subsystems that the protocol starts. Implemented by the
// window (or the presets/devices code it delegates to).
class ProtocolOperations {
public:
    virtual ~ProtocolOperations() = default;

    enum class SaveKind { SingleGroup, EightGroups };

    // Use Button3 while connected, which disconnects.
    virtual void disconnectAsButton3() = 0;
    // Show the save dialog of the kind and, when confirmed, write the lines
    // of RzMemo1 to the chosen file. Edition A calls it from the FSaveDialog3
    // and FSaveDialog4 ticks, edition B at once for the 20th stored group.
    virtual void saveCollectedLines(SaveKind kind) = 0;
    // Edition B's single save: show the dialog first and only when it is
    // confirmed make RzMemo1 the one line given and write it.
    virtual void saveSingleLineOnConfirm(const std::string& blockLine) = 0;
    // The trunon1 tick: stop Timer332 and run the broadcast copy of the held
    // block (initial-data mode).
    virtual void runInitialDataCopy() = 0;
};

}  // namespace ampdesk
