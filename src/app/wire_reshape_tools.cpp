#include "app/wiring.h"
#include "reshape/case_width.h"
#include "reshape/delete_spaces_dialog.h"
#include "reshape/indent_dialog.h"
#include "reshape/line_break_count_dialog.h"
#include "reshape/line_breaks.h"
#include "reshape/split_text_dialog.h"

namespace scribbet {

void WireReshapeTools(MainWindow& window, const Services& services) {
    Document& document = window.Edit();
    Prompts& prompts = services.prompts;
    ToolWindows& tools = window.Tools();

    const std::pair<const char*, CaseWidth> conversions[] = {
        {"convert.upper", CaseWidth::Upper},
        {"convert.lower", CaseWidth::Lower},
        {"convert.fullWidth", CaseWidth::FullWidth},
        {"convert.halfWidth", CaseWidth::HalfWidth},
    };
    for (const auto& [command, conversion] : conversions) {
        window.SetCommand(command, [&document, conversion = conversion] {
            document.SetText(ConvertCaseWidth(document.GetText(), conversion));
        });
    }

    window.SetCommand("lineBreaks.collapse", [&document] {
        // A text without a double line break is not written at all.
        if (const auto collapsed = CollapseLineBreaks(document.GetText())) {
            document.SetText(*collapsed);
        }
    });
    window.SetCommand("paragraphs.merge", [&document] {
        document.SetText(MergeParagraphs(document.GetText()));
    });

    window.SetCommand("lineBreaks.count", [&document, &prompts, &tools] {
        tools.Open(
            "lineBreaks.count",
            [&](QWidget* parent) { return new LineBreakCountDialog(document, prompts, parent); },
            WindowOwner::None);
    });
    window.SetCommand("text.split", [&document, &tools] {
        tools.Open(
            "text.split", [&](QWidget* parent) { return new SplitTextDialog(document, parent); },
            WindowOwner::None);
    });
    window.SetCommand("spaces.indent", [&document, &prompts, &tools] {
        tools.Open(
            "spaces.indent",
            [&](QWidget* parent) { return new IndentDialog(document, prompts, parent); },
            WindowOwner::None);
    });
    window.SetCommand("spaces.delete", [&document, &tools] {
        tools.Open(
            "spaces.delete",
            [&](QWidget* parent) { return new DeleteSpacesDialog(document, parent); },
            WindowOwner::None);
    });
}

}  // namespace scribbet
