#pragma once
// The font chooser: a screen font, its size and styles, the effects
// underline and strikeout, and the text colour.
#include <optional>

#include "platform/prompts.h"

class QWidget;

namespace scribbet {

// Shows the modal chooser preset with `preset`; without one nothing is
// chosen yet and the colour is black. The choice, or nothing when cancelled.
[[nodiscard]] std::optional<FontChoice> RunFontDialog(QWidget* parent,
                                                      const std::optional<FontChoice>& preset);

}  // namespace scribbet
