#include "tform4.h"

#include "edition_texts.h"
#include "picture_box.h"

namespace ampdesk {

TForm4::TForm4(Edition edition, const QImage& diagram, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm4");
    setWindowTitle(texts::kForm4Caption.in(edition));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);

    bridgePicture = new PictureBox(this);
    bridgePicture->setObjectName("bridgePicture");
    bridgePicture->setPicture(diagram);
    bridgePicture->move(4, 0);
}

}  // namespace ampdesk
