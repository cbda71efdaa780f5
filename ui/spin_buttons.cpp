#include "spin_buttons.h"

#include <QToolButton>

namespace ampdesk {

namespace {

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoFillBackground(true);
    return b;
}

}  // namespace

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent) {
    m_up = makeArrow(this, Qt::UpArrow, "up");
    m_down = makeArrow(this, Qt::DownArrow, "down");
    connect(m_up, &QToolButton::clicked, this, &SpinButtons::upRightClick);
    connect(m_down, &QToolButton::clicked, this, &SpinButtons::downLeftClick);
    setColor(m_color);
}

void SpinButtons::setColor(const QColor& color) {
    m_color = color;
    for (QToolButton* b : {m_up, m_down}) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, color);
        pal.setColor(QPalette::Window, color);
        b->setPalette(pal);
    }
}

void SpinButtons::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

}  // namespace ampdesk
