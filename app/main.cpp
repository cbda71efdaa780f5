#include <QApplication>

#include "edition.h"
#include "qt_dialogs.h"
#include "qt_scheduler.h"
#include "qt_serial_backend.h"
#include "serial_link.h"
#include "tform1.h"

#define AMPDESK_STR2(x) #x
#define AMPDESK_STR(x) AMPDESK_STR2(x)

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    constexpr ampdesk::Edition kEdition =
        AMPDESK_STR(AMPDESK_EDITION)[0] == 'B' ? ampdesk::Edition::B : ampdesk::Edition::A;

    ampdesk::QtScheduler scheduler;
    ampdesk::QtDialogs dialogs;
    ampdesk::QtSerialBackend backend;
    ampdesk::SerialLink link(scheduler, backend);
    ampdesk::TForm1 window(kEdition, {scheduler, dialogs, link});
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
