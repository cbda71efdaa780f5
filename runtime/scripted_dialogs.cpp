#include "scripted_dialogs.h"

namespace ampdesk {

void ScriptedDialogs::showMessage(const std::string& text, const std::string& caption,
                                  MessageIcon icon) {
    m_records.push_back({Kind::Message, text, caption, icon, DefaultButton::Yes, {}});
}

bool ScriptedDialogs::askYesNo(const std::string& text, const std::string& caption,
                               MessageIcon icon, DefaultButton defaultButton) {
    m_records.push_back({Kind::Question, text, caption, icon, defaultButton, {}});
    if (m_answers.empty()) return false;
    bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

std::optional<std::string> ScriptedDialogs::getOpenFileName(const FileDialogOptions& options) {
    return fileDialog(Kind::Open, options, m_openPaths);
}

std::optional<std::string> ScriptedDialogs::getSaveFileName(const FileDialogOptions& options) {
    return fileDialog(Kind::Save, options, m_savePaths);
}

std::optional<std::string> ScriptedDialogs::fileDialog(
    Kind kind, const FileDialogOptions& options, std::deque<std::optional<std::string>>& paths) {
    m_records.push_back(
        {kind, options.filterLabel, options.title, MessageIcon::None, DefaultButton::No, options});
    if (paths.empty()) return std::nullopt;
    auto path = paths.front();
    paths.pop_front();
    return path;
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> out;
    for (const auto& r : m_records)
        if (r.kind == Kind::Message) out.push_back(r.text);
    return out;
}

}  // namespace ampdesk
