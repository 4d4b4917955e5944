#include "reshape/paragraphs.h"

#include <vector>

namespace scribbet {

AnsiText SelectParagraphs(std::string_view text, std::string_view numbers,
                          ParagraphChoice choice) {
    const TextList paragraphs = SplitText(text, "\r\n");
    const Pos count = static_cast<Pos>(paragraphs.size());

    // One mark per paragraph, so that the list is read once however many
    // paragraphs there are.
    std::vector<bool> named(static_cast<std::size_t>(count) + 1, false);
    for (const AnsiText& element : SplitText(numbers, ",")) {
        const Pos number = TextToInt(element);
        if (number >= 1 && number <= count) named[static_cast<std::size_t>(number)] = true;
    }

    const auto kept = [&](Pos i) {
        return named[static_cast<std::size_t>(i)] == (choice == ParagraphChoice::Keep);
    };
    const auto paragraph = [&](Pos i) -> const AnsiText& {
        return paragraphs[static_cast<std::size_t>(i - 1)];
    };
    std::size_t bytes = 0;
    for (Pos i = 1; i <= count; ++i) {
        if (kept(i)) bytes += paragraph(i).size() + (i < count ? 2 : 0);
    }
    AnsiText out;
    out.reserve(bytes);
    for (Pos i = 1; i <= count; ++i) {
        if (!kept(i)) continue;
        out.append(paragraph(i));
        if (i < count) out.append("\r\n");
    }
    return out;
}

}  // namespace scribbet
