#pragma once
// Message boxes and file choosers. Texts are UTF-8. Each kind of message has
// its fixed title, icon and buttons; a message blocks every window of the
// program until it is answered.
#include <optional>
#include <string>

namespace scribbet {

enum class MessageKind {
    Error,     // "错误", error icon, OK
    Question,  // "询问", question icon, Yes / No / Cancel
    Warning,   // "警告！", error icon, OK
    Notice,    // "信息：", no icon, OK
};

enum class Answer { Ok, Yes, No, Cancel };

enum class ChooserKind { Open, Save };

class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows the message and returns the button pressed (Escape on a
    // question is Cancel).
    virtual Answer ShowMessage(MessageKind kind, const std::string& text) = 0;
    // The main window's one file chooser with the given title; the full path
    // chosen, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(ChooserKind kind, const std::string& title) = 0;
};

}  // namespace scribbet
