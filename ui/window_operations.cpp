#include "window_operations.h"

namespace ampdesk {

void WindowOperations::disconnectAsButton3() {}

void WindowOperations::saveCollectedLines(SaveKind) {}

void WindowOperations::saveSingleLineOnConfirm(const std::string&) {}

void WindowOperations::runInitialDataCopy() {}

}  // namespace ampdesk
