#pragma once

#include <QMainWindow>

#include "edition.h"

namespace ampdesk {

// The main window. It holds every control of the program.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 750;
    static constexpr int kHeightA = 787;
    static constexpr int kHeightB = 753;

    explicit TForm1(Edition edition, QWidget* parent = nullptr);

    Edition edition() const { return m_edition; }

private:
    Edition m_edition;
};

}  // namespace ampdesk
