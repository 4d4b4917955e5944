#include "search/find.h"

#include "core/code_page.h"

namespace scribbet {

void FindAndSelect(Document& document, Prompts& prompts, const FindSettings& settings,
                   FindDirection direction) {
    if (settings.text.empty()) return;
    const AnsiText text = document.GetText();
    const Selection selection = document.GetSelection();
    const bool ignoreCase = !settings.matchCase;
    // FindText counts from 1: the byte after the selection is its end + 1.
    const Pos found =
        direction == FindDirection::Forward
            ? FindText(text, settings.text, selection.start + selection.length + 1, ignoreCase)
            : FindTextReverse(text, settings.text, selection.start + 1, ignoreCase);
    if (found == -1) {
        prompts.ShowMessage(MessageKind::Error,
                            "未找到指定文本“" + DecodeAnsi(settings.text) + "”");
        return;
    }
    document.SetSelection(found - 1, TextLength(settings.text));
}

}  // namespace scribbet
