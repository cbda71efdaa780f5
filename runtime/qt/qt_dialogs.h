#pragma once

#include "dialogs.h"

class QWidget;

namespace ampdesk {

// Dialogs on QMessageBox and QFileDialog, parented to the main window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void showMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    bool askYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                  DefaultButton defaultButton) override;
    std::optional<std::string> getOpenFileName(const FileDialogOptions& options) override;
    std::optional<std::string> getSaveFileName(const FileDialogOptions& options) override;

private:
    QWidget* m_parent;
};

}  // namespace ampdesk
