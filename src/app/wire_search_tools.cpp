#include "app/wiring.h"

#include "reshape/time_tools.h"
#include "search/regex_dialog.h"
#include "search/replace_dialog.h"
#include "search/separator_replace_dialog.h"

namespace scribbet {

void WireSearchTools(MainWindow& window, const Services& services) {
    Document& document = window.Edit();
    ToolWindows& tools = window.Tools();
    Clock& clock = services.clock;

    window.SetCommand("replace.basic", [&document, &tools] {
        tools.Open(
            "replace", [&document](QWidget* owner) { return new ReplaceDialog(document, owner); },
            WindowOwner::MainWindow);
    });
    window.SetCommand("replace.lineBreak", [&document, &tools] {
        tools.Open(
            "replace.lineBreak",
            [&document](QWidget* parent) { return new LineBreakReplaceDialog(document, parent); },
            WindowOwner::None);
    });
    window.SetCommand("replace.tab", [&document, &tools] {
        tools.Open(
            "replace.tab",
            [&document](QWidget* parent) { return new TabReplaceDialog(document, parent); },
            WindowOwner::None);
    });
    // Both commands share one window: choosing the other while it is open
    // changes only what its button does.
    auto openRegex = [&document, &tools](int mode) {
        tools.SetToolMode(mode);
        tools.Open(
            "regex",
            [&document, &tools](QWidget* parent) {
                return new RegexDialog(document, [&tools] { return tools.ToolMode(); }, parent);
            },
            WindowOwner::None);
    };
    window.SetCommand("replace.regex", [openRegex] { openRegex(kRegexToolMode); });
    window.SetCommand("text.byteRange", [openRegex] { openRegex(kByteRangeToolMode); });

    window.SetCommand("time.insert", [&document, &clock] { InsertTime(document, clock); });
    window.SetCommand("time.toSeconds", [&document] { ConvertDurationsToSeconds(document); });
    window.SetCommand("time.fromSeconds", [&document] { ConvertSecondsToDurations(document); });
}

}  // namespace scribbet
