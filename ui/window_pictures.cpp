#include "window_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "level_scales.h"

namespace ampdesk {

namespace {

QImage blank(int w, int h, QColor fill = Qt::transparent) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

QFont pictureFont(int pixelSize, bool bold = false) {
    QFont f("Arial");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// A small square with a cross, the close box drawn on the panels' pictures.
void drawCloseBox(QPainter& p, QRect r) {
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(r.left() + 4, r.top() + 4, r.right() - 4, r.bottom() - 4);
    p.drawLine(r.right() - 4, r.top() + 4, r.left() + 4, r.bottom() - 4);
}

// A sunken frame that an edit field or label sits in.
void drawRecess(QPainter& p, QRect r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 34, 40));
    p.drawRect(r);
    p.setPen(QColor(20, 20, 20));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(170, 176, 186));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void fillPanel(QPainter& p, QRect r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(92, 100, 112));
    g.setColorAt(1, QColor(54, 60, 70));
    p.fillRect(r, g);
    // Title band.
    p.fillRect(QRect(r.left(), r.top(), r.width(), 18), QColor(40, 46, 56));
    p.setPen(QColor(140, 148, 160));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void drawBlock(QPainter& p, QRect r, const QString& text) {
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(232, 238, 248));
    p.drawRect(r);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void drawArrowHead(QPainter& p, QPointF tip, QPointF dir) {
    const QPointF n(-dir.y(), dir.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - dir * 7 + n * 3.5);
    head.lineTo(tip - dir * 7 - n * 3.5);
    head.closeSubpath();
    p.fillPath(head, Qt::black);
}

void drawArrowLine(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(from, to);
    QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len > 0) drawArrowHead(p, to, d / len);
}

QImage drawFaderBackground() {
    QImage img = blank(163, 250);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    fillPanel(p, img.rect());
    drawCloseBox(p, QRect(143, 2, 14, 14));

    // The knob's track, centred under the knob (x 73..84).
    const int trackX = kFaderKnobLeft + kFaderKnobWidth / 2;
    drawRecess(p, QRect(trackX - 2, kFaderTop - 6, 5, kFaderBottom - kFaderTop + 12));

    // Ticks every dB, long ones with a label every 5 dB.
    p.setFont(pictureFont(10));
    for (int db = 5; db >= -20; --db) {
        const int y = DbToFaderPosition(db);
        const bool major = db % 5 == 0;
        p.setPen(major ? QColor(235, 235, 235) : QColor(170, 176, 186));
        const int len = major ? 10 : 5;
        p.drawLine(trackX - 8 - len, y, trackX - 8, y);
        p.drawLine(trackX + 8, y, trackX + 8 + len, y);
        if (major) {
            const QString label = db > 0 ? QStringLiteral("+%1").arg(db) : QString::number(db);
            p.setPen(QColor(235, 235, 235));
            p.drawText(QRect(8, y - 7, trackX - 30, 14), Qt::AlignRight | Qt::AlignVCenter, label);
        }
    }
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRect(trackX + 22, DbToFaderPosition(0) - 7, 40, 14),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("dB"));

    // The frame the gain field sits in.
    drawRecess(p, QRect(20, 218, 92, 26));
    return img;
}

QImage drawKnob(bool pressed) {
    QImage img = blank(kFaderKnobWidth, kFaderKnobHeight);
    QPainter p(&img);
    const QColor face = pressed ? QColor(255, 200, 80) : QColor(205, 208, 214);
    p.fillRect(img.rect(), face);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(0, 0, 11, 0);
    p.drawLine(0, 0, 0, 12);
    p.setPen(QColor(60, 60, 60));
    p.drawLine(0, 12, 11, 12);
    p.drawLine(11, 0, 11, 12);
    // The line that marks the position (knob top + 5).
    p.setPen(pressed ? QColor(160, 0, 0) : QColor(30, 30, 30));
    p.drawLine(1, 5, 10, 5);
    return img;
}

QImage drawConnectionIcon(bool connected) {
    QImage img = blank(25, 25);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(connected ? QColor(0, 170, 0) : QColor(220, 0, 0));
    p.drawEllipse(QRectF(1, 1, 23, 23));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (connected) {
        p.drawPolyline(QPolygonF({QPointF(6.5, 13), QPointF(10.5, 17.5), QPointF(18.5, 7.5)}));
    } else {
        p.drawLine(QPointF(8, 8), QPointF(17, 17));
        p.drawLine(QPointF(17, 8), QPointF(8, 17));
    }
    return img;
}

// The grey arrows of the output rows.
QImage drawGreyArrow(int w, int h, const QPolygonF& outline) {
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(150, 150, 150));
    p.drawPolygon(outline);
    return img;
}

QImage drawRowArrow() {
    return drawGreyArrow(30, 28,
                         QPolygonF({QPointF(1, 9), QPointF(17, 9), QPointF(17, 2), QPointF(29, 14),
                                    QPointF(17, 26), QPointF(17, 19), QPointF(1, 19)}));
}

QImage drawBridgeArrow() {
    return drawGreyArrow(28, 30,
                         QPolygonF({QPointF(9, 1), QPointF(19, 1), QPointF(19, 17), QPointF(26, 17),
                                    QPointF(14, 29), QPointF(2, 17), QPointF(9, 17)}));
}

QImage drawDelayBackground() {
    QImage img = blank(164, 219);
    QPainter p(&img);
    fillPanel(p, img.rect());
    drawCloseBox(p, QRect(144, 2, 14, 14));
    drawRecess(p, QRect(18, 40, 128, 27));   // milliseconds field
    drawRecess(p, QRect(6, 80, 152, 21));    // scroll bar
    drawRecess(p, QRect(18, 118, 128, 24));  // metres
    drawRecess(p, QRect(18, 154, 128, 24));  // feet
    // Scale marks under the scroll bar: 0 to 8 ms.
    p.setPen(QColor(200, 204, 210));
    for (int i = 0; i <= 8; ++i) {
        const int x =
            8 + (148 * i * 1000) / static_cast<int>(kDelayCodeMax * kDelayMsPerStep * 1000);
        p.drawLine(x, 103, x, i % 4 == 0 ? 109 : 106);
    }
    return img;
}

QImage drawBridgeDiagram() {
    QImage img = blank(713, 157, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(pictureFont(15, true));
    p.setPen(Qt::black);
    p.drawText(QRect(8, 4, 60, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("BTL"));

    p.setFont(pictureFont(11));
    const int midY = 50;
    const int lowY = 112;
    const int busY = (midY + lowY) / 2;
    const int boxH = 28;

    // The mid and low inputs, summed.
    drawBlock(p, QRect(8, midY - boxH / 2, 62, boxH), QStringLiteral("MID IN"));
    drawBlock(p, QRect(8, lowY - boxH / 2, 62, boxH), QStringLiteral("LOW IN"));
    const QPointF sum(100, busY);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(sum, 12, 12);
    p.drawLine(sum + QPointF(-6, 0), sum + QPointF(6, 0));
    p.drawLine(sum + QPointF(0, -6), sum + QPointF(0, 6));
    p.drawLine(QPointF(70, midY), QPointF(100, midY));
    drawArrowLine(p, QPointF(100, midY), sum + QPointF(0, -12));
    p.drawLine(QPointF(70, lowY), QPointF(100, lowY));
    drawArrowLine(p, QPointF(100, lowY), sum + QPointF(0, 12));

    // The processing chain of the bridged channel.
    const char* const blocks[] = {"MUTE", "GAIN",    "HPF",   "LPF",
                                  "EQ",   "LIMITER", "DELAY", "BASS\nCOMP"};
    const int blockW = 48;
    const int gap = 12;
    int x = 126;
    QPointF from = sum + QPointF(12, 0);
    for (const char* name : blocks) {
        const QRect r(x, busY - boxH / 2, blockW, boxH);
        drawArrowLine(p, from, QPointF(r.left(), busY));
        drawBlock(p, r, QString::fromLatin1(name));
        from = QPointF(r.right() + 1, busY);
        x += blockW + gap;
    }

    // Split to both outputs.
    const double splitX = from.x() + 12;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(from, QPointF(splitX, busY));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(splitX, busY), 2.5, 2.5);
    p.drawLine(QPointF(splitX, midY), QPointF(splitX, lowY));
    const QRect midOut(static_cast<int>(splitX) + 16, midY - boxH / 2, 62, boxH);
    const QRect lowOut(static_cast<int>(splitX) + 16, lowY - boxH / 2, 62, boxH);
    drawArrowLine(p, QPointF(splitX, midY), QPointF(midOut.left(), midY));
    drawArrowLine(p, QPointF(splitX, lowY), QPointF(lowOut.left(), lowY));
    drawBlock(p, midOut, QStringLiteral("MID OUT"));
    drawBlock(p, lowOut, QStringLiteral("LOW OUT"));
    return img;
}

}  // namespace

QImage drawRowLine(int width) {
    QImage img = blank(width, 2);
    QPainter p(&img);
    p.setPen(QColor(150, 150, 150));
    p.drawLine(0, 0, width - 1, 0);
    p.setPen(QColor(90, 90, 90));
    p.drawLine(0, 1, width - 1, 1);
    return img;
}

WindowPictures::WindowPictures()
    : faderBackground(drawFaderBackground()),
      knob(drawKnob(false)),
      knobPressed(drawKnob(true)),
      iconDisconnected(drawConnectionIcon(false)),
      iconConnected(drawConnectionIcon(true)),
      rowArrow(drawRowArrow()),
      bridgeArrow(drawBridgeArrow()),
      delayBackground(drawDelayBackground()),
      bridgeDiagram(drawBridgeDiagram()) {}

}  // namespace ampdesk
