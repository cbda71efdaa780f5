#pragma once

#include <QColor>
#include <QPushButton>

namespace ampdesk {

// A push button with a settable face colour, as the strip and editor buttons
// need: the colour shows state (open panel, muted, bridged), and while the
// pointer is over the button it lights up in the hover colour without
// changing the stored colour.
class ColorButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr QRgb kNormalColor = 0xFFE0E0E0;  // RGB(224,224,224)
    static constexpr QRgb kHoverColor = 0xFFFFFF80;   // RGB(255,255,128)

    explicit ColorButton(const QString& text = {}, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    QColor hotTrackColor() const { return QColor(kHoverColor); }

    bool hovered() const { return m_hovered; }
    // The colour the face is painted in right now.
    QColor faceColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor m_color{kNormalColor};
    bool m_hovered = false;
};

}  // namespace ampdesk
