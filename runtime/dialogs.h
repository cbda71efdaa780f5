#pragma once

#include <optional>
#include <string>

namespace ampdesk {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class DefaultButton { Yes, No };

struct FileDialogOptions {
    std::string title;        // empty: the platform's own title
    std::string filterLabel;  // the file-type label shown in the dialog
    std::string filterPattern = "*";
    std::string defaultName;  // save dialogs: the name offered
    bool overwritePrompt = true;
};

// Every modal thing the program shows. Texts are UTF-8 and shown as given.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box with an OK button; an empty caption means the
    // program's title.
    virtual void showMessage(const std::string& text, const std::string& caption = {},
                             MessageIcon icon = MessageIcon::None) = 0;

    // The Yes/No question box; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption, MessageIcon icon,
                          DefaultButton defaultButton) = 0;

    // Open and save dialogs; nullopt when the user cancels.
    virtual std::optional<std::string> getOpenFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> getSaveFileName(const FileDialogOptions& options) = 0;
};

}  // namespace ampdesk
