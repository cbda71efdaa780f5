#pragma once

#include <QDialog>
#include <QImage>

#include "edition.h"

namespace ampdesk {

class PictureBox;

// The bridge picture window: a fixed dialog showing the signal path of the
// bridged outputs, opened modally from the help menu.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 722;
    static constexpr int kClientHeight = 158;

    // Shows diagram, the main window's drawn bridge picture.
    TForm4(Edition edition, const QImage& diagram, QWidget* parent = nullptr);

    PictureBox* bridgePicture;  // 713 x 157
};

}  // namespace ampdesk
