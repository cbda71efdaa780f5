#pragma once

#include "edition.h"

namespace ampdesk {

// Builds the program's services and main window for one edition and runs the
// event loop until the window is closed. A QApplication must exist.
int runProgram(Edition edition);

}  // namespace ampdesk
