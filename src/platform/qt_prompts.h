#pragma once
// The prompts as Qt message boxes and the main window's one file chooser.
#include <QString>

#include "platform/prompts.h"

namespace scribbet {

class QtPrompts final : public Prompts {
public:
    Answer ShowMessage(MessageKind kind, const std::string& text) override;
    std::optional<std::string> ChooseFile(ChooserKind kind, const std::string& title) override;
    std::optional<FontChoice> ChooseFont(const std::optional<FontChoice>& preset) override;
    std::vector<std::string> ChooseFiles(const std::string& title,
                                         const std::string& filter) override;
    std::optional<std::string> ChooseFolder(const std::string& title) override;

private:
    // The chooser starts with the last chosen path filled in.
    QString m_lastPath;
};

}  // namespace scribbet
