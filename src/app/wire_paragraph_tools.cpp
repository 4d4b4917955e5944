#include "app/wiring.h"
#include "reshape/paragraph_part_dialog.h"
#include "reshape/paragraph_select_dialog.h"
#include "reshape/sequence_dialog.h"

namespace scribbet {

void WireParagraphTools(MainWindow& window, const Services& services) {
    // The three commands share one window; the mode tells it what to do.
    const auto openSequence = [&window, &services](SequenceMode mode) {
        return [&window, &services, mode] {
            window.Tools().SetToolMode(static_cast<int>(mode));
            window.Tools().Open(
                "sequence",
                [&window, &services](QWidget* parent) {
                    return new SequenceDialog(window.Edit(), services.prompts, window.Tools(),
                                              parent);
                },
                WindowOwner::None);
        };
    };
    window.SetCommand("generate.numberedLines", openSequence(SequenceMode::NumberedLines));
    window.SetCommand("paragraphs.prefix", openSequence(SequenceMode::ParagraphStart));
    window.SetCommand("paragraphs.suffix", openSequence(SequenceMode::ParagraphEnd));

    window.SetCommand("paragraphs.part", [&window] {
        window.Tools().Open(
            "paragraphPart", [](QWidget* parent) { return new ParagraphPartDialog(parent); },
            WindowOwner::None);
    });
    window.SetCommand("paragraphs.select", [&window] {
        window.Tools().Open(
            "paragraphSelect",
            [&window](QWidget* parent) { return new ParagraphSelectDialog(window.Edit(), parent); },
            WindowOwner::None);
    });
}

}  // namespace scribbet
