#pragma once
// The application's clipboard as document bytes.
#include "core/document.h"

namespace scribbet {

class QtClipboard final : public Clipboard {
public:
    // The clipboard's text in the code page; empty when it holds no text.
    [[nodiscard]] AnsiText GetText() const override;
    void SetText(const AnsiText& text) override;
};

}  // namespace scribbet
