#pragma once

#include "protocol_operations.h"

namespace ampdesk {

class TForm1;

// Steps of the file, preset, connection and initial-data operations that the
// protocol starts. Those operations are built on the window later; until
// then these steps do nothing.
class WindowOperations : public ProtocolOperations {
public:
    explicit WindowOperations(TForm1& form) : m_form(form) {}

    void disconnectAsButton3() override;
    void saveCollectedLines(SaveKind kind) override;
    void saveSingleLineOnConfirm(const std::string& blockLine) override;
    void runInitialDataCopy() override;

private:
    [[maybe_unused]] TForm1& m_form;
};

}  // namespace ampdesk
