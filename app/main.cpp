#include <QApplication>

#include "edition.h"
#include "tform1.h"

#define AMPDESK_STR2(x) #x
#define AMPDESK_STR(x) AMPDESK_STR2(x)

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    constexpr ampdesk::Edition kEdition =
        AMPDESK_STR(AMPDESK_EDITION)[0] == 'B' ? ampdesk::Edition::B : ampdesk::Edition::A;
    ampdesk::TForm1 window(kEdition);
    window.show();
    return app.exec();
}
