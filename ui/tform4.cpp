#include "tform4.h"

#include "edition_texts.h"
#include "picture_box.h"
#include "window_pictures.h"

namespace ampdesk {

TForm4::TForm4(Edition edition, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm4");
    setWindowTitle(texts::kForm4Caption.in(edition));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);

    bridgePicture = new PictureBox(this);
    bridgePicture->setObjectName("bridgePicture");
    bridgePicture->setPicture(drawBridgeDiagram());
    bridgePicture->move(4, 0);
}

}  // namespace ampdesk
