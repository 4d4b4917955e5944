#pragma once
// The one edited text, its selection, modified flag and one-step undo. Every
// tool reads and writes the document only through these operations.
#include "core/text_ops.h"

namespace scribbet {

// A selection in document bytes: `start` is 0-based, `length` 0 is a caret.
struct Selection {
    Pos start = 0;
    Pos length = 0;
    friend bool operator==(const Selection& a, const Selection& b) {
        return a.start == b.start && a.length == b.length;
    }
};

class Document {
public:
    virtual ~Document() = default;

    // The whole text.
    [[nodiscard]] virtual AnsiText GetText() const = 0;
    // Whether the text is empty, without building it.
    [[nodiscard]] virtual bool IsEmpty() const { return GetText().empty(); }

    // A tool's edit of the whole text: the text becomes `text` as one undo
    // step; the modified flag is set when the text changed and kept when it
    // was already set; the selection becomes 0/0 and the view returns to the
    // first line. Nothing is recorded for undo when the text is unchanged.
    virtual void SetText(const AnsiText& text) = 0;

    // A fresh text (New, a loaded or dropped file): the text becomes `text`,
    // the modified flag is cleared, the undo history is emptied, the
    // selection becomes 0/0 and the view returns to the first line.
    virtual void ResetText(const AnsiText& text) = 0;

    // A tool's addition at the end, one undo step: the caret moves to the
    // end, `text` is inserted there and the caret ends after it, scrolled
    // into view; the modified flag is set unless `text` is empty.
    virtual void AppendText(const AnsiText& text) = 0;

    // The current selection in bytes.
    [[nodiscard]] virtual Selection GetSelection() const = 0;

    // Selects bytes start .. start + length - 1 and scrolls the caret, which
    // stands after the range, into view. Text and modified flag stay. A
    // negative start or length counts as 0, a range past the end is cut at
    // the end, and a bound inside a character moves to that character's start.
    virtual void SetSelection(Pos start, Pos length) = 0;

    [[nodiscard]] virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;

    // Replaces the selection with `text` as the user's typing does: one undo
    // step, modified flag set, the caret after the inserted text. Nothing
    // happens when there is no selection and `text` is empty.
    virtual void ReplaceSelection(const AnsiText& text) = 0;

    // Reverts the last undoable edit (typing, deleting, cut, paste, a tool's
    // SetText or AppendText) and sets the modified flag. The history holds one
    // step, and a second Undo reverts the first. Nothing happens when the
    // history is empty.
    virtual void Undo() = 0;
    [[nodiscard]] virtual bool CanUndo() const = 0;

    // The selected bytes go to the clipboard and are removed, as one undo
    // step that sets the modified flag. Nothing happens without a selection.
    virtual void Cut() = 0;
    // The selected bytes go to the clipboard; without a selection nothing happens.
    virtual void Copy() = 0;
    // The clipboard's text replaces the selection, as ReplaceSelection does.
    // Nothing happens when the clipboard holds no text.
    virtual void Paste() = 0;
    // Selects the whole text.
    virtual void SelectAll() = 0;
};

// The clipboard as the document sees it: text in document bytes.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    [[nodiscard]] virtual AnsiText GetText() const = 0;
    virtual void SetText(const AnsiText& text) = 0;
};

}  // namespace scribbet
