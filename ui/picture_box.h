#pragma once

#include <QImage>
#include <QWidget>

namespace ampdesk {

// A picture control: the program draws into an off-screen image and the
// widget copies it to the screen, so a full redraw never flickers. Mouse
// presses, moves and releases are reported in image coordinates; while a
// button is held the moves keep coming also outside the picture.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The image that is shown; call update() after drawing into it.
    QImage& canvas() { return m_canvas; }
    const QImage& canvas() const { return m_canvas; }
    // Replaces the picture and sizes the control to it.
    void setPicture(const QImage& image);
    // A blank picture of the given size.
    void setCanvasSize(int width, int height);

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_canvas;
};

}  // namespace ampdesk
