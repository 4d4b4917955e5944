#pragma once
// Each group of tools binds its menu commands to its windows and actions.
// `services` lives as long as the window, so commands may keep it.
#include "core/main_window.h"

namespace scribbet {

// Replace, replace around line breaks and tabs, regular expressions and byte ranges.
void WireSearchTools(MainWindow& window, const Services& services);
// Case and width, line breaks, split text, indentation and spaces.
void WireReshapeTools(MainWindow& window, const Services& services);
// Numbered lines and paragraph affixes, paragraph selection and part, time tools.
void WireParagraphTools(MainWindow& window, const Services& services);
// Template text, accounts and passwords, random text, and the random source they share.
void WireGenerators(MainWindow& window, const Services& services);
// The batch window with merge and split, header and footer.
void WireBatchTools(MainWindow& window, const Services& services);
// Fetching a web page's source, running the text as a script, printing.
void WireWebTools(MainWindow& window, const Services& services);

}  // namespace scribbet
