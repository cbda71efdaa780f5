#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "dialogs.h"

namespace ampdesk {

// Test double: records every dialog exactly and answers from scripts.
// Unscripted questions answer No and unscripted file dialogs are cancelled.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Question, Open, Save };
    struct Record {
        Kind kind;
        std::string text;  // message or question text; file dialogs: the filter label
        std::string caption;
        MessageIcon icon = MessageIcon::None;
        DefaultButton defaultButton = DefaultButton::No;
        FileDialogOptions file;
    };

    void showMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    bool askYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                  DefaultButton defaultButton) override;
    std::optional<std::string> getOpenFileName(const FileDialogOptions& options) override;
    std::optional<std::string> getSaveFileName(const FileDialogOptions& options) override;

    void answerYes(bool yes) { m_answers.push_back(yes); }
    void answerOpen(std::optional<std::string> path) { m_openPaths.push_back(std::move(path)); }
    void answerSave(std::optional<std::string> path) { m_savePaths.push_back(std::move(path)); }

    const std::vector<Record>& records() const { return m_records; }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> messages() const;
    void clear() { m_records.clear(); }

private:
    std::optional<std::string> fileDialog(Kind kind, const FileDialogOptions& options,
                                          std::deque<std::optional<std::string>>& paths);

    std::vector<Record> m_records;
    std::deque<bool> m_answers;
    std::deque<std::optional<std::string>> m_openPaths;
    std::deque<std::optional<std::string>> m_savePaths;
};

}  // namespace ampdesk
