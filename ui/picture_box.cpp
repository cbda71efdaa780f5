#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace ampdesk {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& image) {
    m_canvas = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    resize(m_canvas.size());
    update();
}

void PictureBox::setCanvasSize(int width, int height) {
    m_canvas = QImage(width, height, QImage::Format_RGB32);
    m_canvas.fill(Qt::white);
    resize(width, height);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.fillRect(r, palette().color(QPalette::Window));
    p.drawImage(r.topLeft(), m_canvas, r);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit mouseDown(event->button(), pos.x(), pos.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit mouseMove(event->buttons(), pos.x(), pos.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit mouseUp(event->button(), pos.x(), pos.y());
}

}  // namespace ampdesk
