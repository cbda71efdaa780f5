#include "control_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "color_button.h"
#include "picture_box.h"
#include "spin_buttons.h"

namespace ampdesk::controls {

namespace {

template <class T>
T* place(T* widget, const char* name, QRect geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace

QGroupBox* group(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    return place(new QGroupBox(title, parent), name, geometry);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint pos) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(pos);
    l->adjustSize();
    return l;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    return place(new QLabel(text, parent), name, geometry);
}

ColorButton* colorButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    return place(new ColorButton(text, parent), name, geometry);
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    return place(new QPushButton(text, parent), name, geometry);
}

QToolButton* closeBox(QWidget* parent, const char* name, QRect geometry) {
    auto* b = place(new QToolButton(parent), name, geometry);
    b->setText(QStringLiteral("×"));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    return place(new QLineEdit(text, parent), name, geometry);
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items, QRect geometry) {
    auto* c = place(new QComboBox(parent), name, geometry);
    c->setEditable(false);
    c->addItems(items);
    return c;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    return place(new QCheckBox(text, parent), name, geometry);
}

SpinButtons* spin(QWidget* parent, const char* name, QRect geometry) {
    return place(new SpinButtons(parent), name, geometry);
}

PictureBox* picture(QWidget* parent, const char* name, const QImage& image, QPoint pos) {
    auto* p = new PictureBox(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setPicture(image);
    p->move(pos);
    return p;
}

QStringList textList(std::span<const std::string_view> texts) {
    QStringList out;
    for (std::string_view t : texts)
        out << QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    return out;
}

void setLabelColor(QLabel* label, const QColor& color) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, color);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
}

}  // namespace ampdesk::controls
