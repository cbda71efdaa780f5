#include "tform1.h"

namespace ampdesk {

TForm1::TForm1(Edition edition, QWidget* parent) : QMainWindow(parent), m_edition(edition) {
    setObjectName("TForm1");
    setWindowTitle(edition == Edition::A ? "AmpDesk" : "AmpDesk B");
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    resize(kWidth, edition == Edition::A ? kHeightA : kHeightB);
}

}  // namespace ampdesk
