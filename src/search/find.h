#pragma once
// Finding the next or previous occurrence of a text in the document and
// selecting it. The find window and the repeat commands of the main window
// share one FindSettings for the whole run.
#include "core/document.h"
#include "platform/prompts.h"

namespace scribbet {

// What to look for; kept by the caller for the run and never saved.
struct FindSettings {
    AnsiText text;
    bool matchCase = false;
};

enum class FindDirection { Forward, Backward };

// Searches from the end of the selection forwards, or backwards for an
// occurrence that ends before the selection starts, at character starts
// only; without matchCase ASCII letters are folded. A match becomes the
// selection. When there is none an error message names the text and the
// selection stays. An empty search text does nothing.
void FindAndSelect(Document& document, Prompts& prompts, const FindSettings& settings,
                   FindDirection direction);

}  // namespace scribbet
