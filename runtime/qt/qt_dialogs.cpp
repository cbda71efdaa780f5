#include "qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ampdesk {

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString captionOr(const std::string& caption) {
    return caption.empty() ? QApplication::applicationDisplayName()
                           : QString::fromStdString(caption);
}

QString filterOf(const FileDialogOptions& o) {
    if (o.filterLabel.empty()) return {};
    return QString::fromStdString(o.filterLabel + " (" + o.filterPattern + ")");
}

}  // namespace

void QtDialogs::showMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    QMessageBox box(toQt(icon), captionOr(caption), QString::fromStdString(text), QMessageBox::Ok,
                    m_parent);
    box.exec();
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                         DefaultButton defaultButton) {
    QMessageBox box(toQt(icon), captionOr(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(defaultButton == DefaultButton::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::getOpenFileName(const FileDialogOptions& o) {
    QString path =
        QFileDialog::getOpenFileName(m_parent, QString::fromStdString(o.title), {}, filterOf(o));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtDialogs::getSaveFileName(const FileDialogOptions& o) {
    QFileDialog::Options flags;
    if (!o.overwritePrompt) flags |= QFileDialog::DontConfirmOverwrite;
    QString path = QFileDialog::getSaveFileName(m_parent, QString::fromStdString(o.title),
                                                QString::fromStdString(o.defaultName), filterOf(o),
                                                nullptr, flags);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace ampdesk
