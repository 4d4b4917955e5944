#pragma once
// Prompts that answer from a script and record what was asked.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompts.h"

namespace scribbet {

class FakePrompts final : public Prompts {
public:
    struct Message {
        MessageKind kind;
        std::string text;
    };
    struct Chooser {
        ChooserKind kind;
        std::string title;
    };

    // Answers to give, in order; an unscripted question is cancelled.
    std::deque<Answer> answers;
    // Paths to choose, in order; an unscripted chooser is cancelled.
    std::deque<std::optional<std::string>> choices;

    // Fonts to choose, in order; an unscripted font chooser is cancelled.
    std::deque<std::optional<FontChoice>> fonts;

    std::vector<Message> messages;
    std::vector<Chooser> choosers;
    std::vector<std::optional<FontChoice>> fontPresets;

    // File selections and folders to choose, in order; an unscripted
    // chooser is cancelled.
    std::deque<std::vector<std::string>> fileSelections;
    std::deque<std::optional<std::string>> folders;
    struct FilesChooser {
        std::string title;
        std::string filter;
    };
    std::vector<FilesChooser> filesChoosers;
    std::vector<std::string> folderChoosers;

    Answer ShowMessage(MessageKind kind, const std::string& text) override {
        messages.push_back({kind, text});
        if (kind != MessageKind::Question) return Answer::Ok;
        if (answers.empty()) return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> ChooseFile(ChooserKind kind, const std::string& title) override {
        choosers.push_back({kind, title});
        if (choices.empty()) return std::nullopt;
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }

    std::optional<FontChoice> ChooseFont(const std::optional<FontChoice>& preset) override {
        fontPresets.push_back(preset);
        if (fonts.empty()) return std::nullopt;
        auto font = fonts.front();
        fonts.pop_front();
        return font;
    }

    std::vector<std::string> ChooseFiles(const std::string& title,
                                         const std::string& filter) override {
        filesChoosers.push_back({title, filter});
        if (fileSelections.empty()) return {};
        auto selection = fileSelections.front();
        fileSelections.pop_front();
        return selection;
    }

    std::optional<std::string> ChooseFolder(const std::string& title) override {
        folderChoosers.push_back(title);
        if (folders.empty()) return std::nullopt;
        auto folder = folders.front();
        folders.pop_front();
        return folder;
    }
};

}  // namespace scribbet
