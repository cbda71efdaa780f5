#include <QApplication>

#include "program.h"

#define AMPDESK_STR2(x) #x
#define AMPDESK_STR(x) AMPDESK_STR2(x)

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    constexpr ampdesk::Edition kEdition =
        AMPDESK_STR(AMPDESK_EDITION)[0] == 'B' ? ampdesk::Edition::B : ampdesk::Edition::A;
    return ampdesk::runProgram(kEdition);
}
