#pragma once

#include <QColor>
#include <QWidget>

class QToolButton;

namespace ampdesk {

// A pair of small arrow buttons beside a number field: the upper one steps
// up, the lower one steps down. Both repeat while held.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void downLeftClick();
    void upRightClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
    QColor m_color{224, 224, 224};
};

}  // namespace ampdesk
