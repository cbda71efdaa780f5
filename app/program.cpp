#include "program.h"

#include <QApplication>

#include "qt_dialogs.h"
#include "qt_scheduler.h"
#include "qt_serial_backend.h"
#include "serial_link.h"
#include "tform1.h"

namespace ampdesk {

int runProgram(Edition edition) {
    QtScheduler scheduler;
    QtDialogs dialogs;
    QtSerialBackend backend;
    SerialLink link(scheduler, backend);
    TForm1 window(edition, {scheduler, dialogs, link});
    dialogs.setParent(&window);
    window.show();
    // An open port is left to the system; nothing is saved on the way out.
    return QApplication::exec();
}

}  // namespace ampdesk
