#pragma once
// Message boxes and file choosers. Texts are UTF-8. Each kind of message has
// its fixed title, icon and buttons; a message blocks every window of the
// program until it is answered.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scribbet {

enum class MessageKind {
    Error,     // "错误", error icon, OK
    Question,  // "询问", question icon, Yes / No / Cancel
    Warning,   // "警告！", error icon, OK
    Notice,    // "信息：", no icon, OK
};

enum class Answer { Ok, Yes, No, Cancel };

enum class ChooserKind { Open, Save };

// A font as the font chooser gives it, with the text colour.
struct FontChoice {
    std::string family;  // UTF-8 face name
    int pointSize = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    std::uint32_t color = 0x000000;  // 0xRRGGBB
    friend bool operator==(const FontChoice& a, const FontChoice& b) {
        return a.family == b.family && a.pointSize == b.pointSize && a.bold == b.bold &&
               a.italic == b.italic && a.underline == b.underline &&
               a.strikeout == b.strikeout && a.color == b.color;
    }
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // Shows the message and returns the button pressed (Escape on a
    // question is Cancel).
    virtual Answer ShowMessage(MessageKind kind, const std::string& text) = 0;
    // The main window's one file chooser with the given title; the full path
    // chosen, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(ChooserKind kind, const std::string& title) = 0;
    // The font chooser (screen fonts, with underline, strikeout and colour),
    // preset with `preset` when given; nothing when cancelled.
    virtual std::optional<FontChoice> ChooseFont(const std::optional<FontChoice>& preset) = 0;
    // An open chooser with multiple selection of existing files; `filter` is
    // pairs of description and pattern separated by "|", the first pair
    // preselected. The native full paths in the order the chooser gives
    // them; none when the user cancelled.
    virtual std::vector<std::string> ChooseFiles(const std::string& title,
                                                 const std::string& filter) = 0;
    // The folder browser, with a box to type a path in; the folder's native
    // path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
};

}  // namespace scribbet
