#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace ampdesk::test {

// Mouse events delivered straight to a widget, in its own coordinates.
inline void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void press(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}

inline void moveTo(QWidget* w, QPoint pos) {
    sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

inline void release(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

}  // namespace ampdesk::test
