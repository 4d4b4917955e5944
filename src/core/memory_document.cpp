#include "core/memory_document.h"

#include <algorithm>
#include <utility>

namespace scribbet {

Pos CharStartAtOrBefore(std::string_view text, Pos offset) {
    offset = std::clamp<Pos>(offset, 0, TextLength(text));
    // A byte below 0x80 ends a character whether it stands alone or trails a
    // lead byte, so characters restart after the last such byte; from there
    // on every byte is a lead byte or the trail of one.
    Pos run = offset;
    while (run > 0 && IsLeadByte(text[static_cast<std::size_t>(run - 1)])) --run;
    return ((offset - run) % 2 == 0) ? offset : offset - 1;
}

void MemoryDocument::RememberForUndo() {
    m_undoText = m_text;
    m_undoSelection = m_selection;
    m_hasUndo = true;
}

void MemoryDocument::SetText(const AnsiText& text) {
    if (text != m_text) {
        RememberForUndo();
        m_text = text;
        m_modified = true;
    }
    m_selection = Selection{};
}

void MemoryDocument::ResetText(const AnsiText& text) {
    m_text = text;
    m_selection = Selection{};
    m_modified = false;
    m_hasUndo = false;
    m_undoText.clear();
}

void MemoryDocument::AppendText(const AnsiText& text) {
    if (!text.empty()) {
        RememberForUndo();
        m_text += text;
        m_modified = true;
    }
    m_selection = Selection{TextLength(m_text), 0};
}

void MemoryDocument::SetSelection(Pos start, Pos length) {
    const Pos size = TextLength(m_text);
    const Pos first = CharStartAtOrBefore(m_text, std::clamp<Pos>(start, 0, size));
    const Pos end = CharStartAtOrBefore(m_text, std::clamp<Pos>(first + std::max<Pos>(length, 0), 0, size));
    m_selection = Selection{first, end - first};
}

void MemoryDocument::ReplaceSelection(const AnsiText& text) {
    if (m_selection.length == 0 && text.empty()) return;
    RememberForUndo();
    m_text.replace(static_cast<std::size_t>(m_selection.start),
                   static_cast<std::size_t>(m_selection.length), text);
    m_selection = Selection{m_selection.start + TextLength(text), 0};
    m_modified = true;
}

void MemoryDocument::Undo() {
    if (!m_hasUndo) return;
    std::swap(m_text, m_undoText);
    std::swap(m_selection, m_undoSelection);
    m_modified = true;
}

void MemoryDocument::Cut() {
    if (m_selection.length == 0) return;
    Copy();
    ReplaceSelection(AnsiText());
}

void MemoryDocument::Copy() {
    if (m_selection.length == 0) return;
    m_clipboard.SetText(m_text.substr(static_cast<std::size_t>(m_selection.start),
                                      static_cast<std::size_t>(m_selection.length)));
}

void MemoryDocument::Paste() {
    const AnsiText text = m_clipboard.GetText();
    if (text.empty()) return;
    ReplaceSelection(text);
}

void MemoryDocument::SelectAll() { m_selection = Selection{0, TextLength(m_text)}; }

}  // namespace scribbet
