#pragma once
// A complete document held in memory, for tests and for headless use.
#include "core/document.h"

namespace scribbet {

// A clipboard that holds its text in memory.
class MemoryClipboard final : public Clipboard {
public:
    [[nodiscard]] AnsiText GetText() const override { return m_text; }
    void SetText(const AnsiText& text) override { m_text = text; }

private:
    AnsiText m_text;
};

class MemoryDocument final : public Document {
public:
    explicit MemoryDocument(Clipboard& clipboard) : m_clipboard(clipboard) {}

    [[nodiscard]] AnsiText GetText() const override { return m_text; }
    [[nodiscard]] bool IsEmpty() const override { return m_text.empty(); }
    void SetText(const AnsiText& text) override;
    void ResetText(const AnsiText& text) override;
    void AppendText(const AnsiText& text) override;
    [[nodiscard]] Selection GetSelection() const override { return m_selection; }
    void SetSelection(Pos start, Pos length) override;
    [[nodiscard]] bool IsModified() const override { return m_modified; }
    void SetModified(bool modified) override { m_modified = modified; }
    void ReplaceSelection(const AnsiText& text) override;
    void Undo() override;
    [[nodiscard]] bool CanUndo() const override { return m_hasUndo; }
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void SelectAll() override;

private:
    // Keeps the state before an edit as the one undo step.
    void RememberForUndo();

    Clipboard& m_clipboard;
    AnsiText m_text;
    Selection m_selection;
    bool m_modified = false;
    bool m_hasUndo = false;
    AnsiText m_undoText;
    Selection m_undoSelection;
};

// The start of the character that holds byte `offset` of text (characters
// stepped from the first byte): offset itself when it starts one.
[[nodiscard]] Pos CharStartAtOrBefore(std::string_view text, Pos offset);

}  // namespace scribbet
