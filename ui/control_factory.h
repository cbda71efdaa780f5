#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace ampdesk {

class ColorButton;
class PictureBox;
class SpinButtons;

// Small helpers that create a named control at its place, so that the
// window's layout code reads as a list of controls.
namespace controls {

QGroupBox* group(QWidget* parent, const char* name, const QString& title, QRect geometry);
// A label sized to its text at pos.
QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint pos);
// A label with a fixed box.
QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry);
ColorButton* colorButton(QWidget* parent, const char* name, const QString& text, QRect geometry);
QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry);
// The small flat close box of the panels.
QToolButton* closeBox(QWidget* parent, const char* name, QRect geometry);
QLineEdit* edit(QWidget* parent, const char* name, const QString& text, QRect geometry);
// A drop-down list that takes no typing.
QComboBox* list(QWidget* parent, const char* name, const QStringList& items, QRect geometry);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect geometry);
SpinButtons* spin(QWidget* parent, const char* name, QRect geometry);
PictureBox* picture(QWidget* parent, const char* name, const QImage& image, QPoint pos);

// The entries of a drop-down list from one of the program's text tables.
QStringList textList(std::span<const std::string_view> texts);

// Fills a label's background with a colour.
void setLabelColor(QLabel* label, const QColor& color);

}  // namespace controls
}  // namespace ampdesk
