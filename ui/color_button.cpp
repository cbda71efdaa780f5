#include "color_button.h"

#include <QEnterEvent>
#include <QPainter>

namespace ampdesk {

ColorButton::ColorButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
}

void ColorButton::setColor(const QColor& color) {
    if (m_color == color) return;
    m_color = color;
    update();
}

QColor ColorButton::faceColor() const {
    return (m_hovered && isEnabled()) ? hotTrackColor() : m_color;
}

void ColorButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    update();
    QPushButton::enterEvent(event);
}

void ColorButton::leaveEvent(QEvent* event) {
    m_hovered = false;
    update();
    QPushButton::leaveEvent(event);
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown() || isChecked();
    p.fillRect(r, faceColor());

    // A raised bevel at rest, sunken while pressed.
    const QColor light = down ? QColor(128, 128, 128) : QColor(255, 255, 255);
    const QColor dark = down ? QColor(255, 255, 255) : QColor(96, 96, 96);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    p.setFont(font());
    p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
    QRect textRect = r.adjusted(2, 1, -2, -1);
    if (down) textRect.translate(1, 1);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

}  // namespace ampdesk
