#pragma once
// The edit area: QScintilla as the document. Scintilla holds the text as
// UTF-8; every byte string and byte position of the Document interface is
// converted with the code page, so the document's bytes (lone CR and LF and
// undecodable pairs included) come back exactly as they went in.
#include <Qsci/qsciscintilla.h>

#include <QStringList>
#include <string>
#include <string_view>

#include "core/document.h"
#include "platform/prompts.h"

class QContextMenuEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QMouseEvent;

namespace scribbet {

class EditArea final : public QsciScintilla, public Document {
    Q_OBJECT

public:
    explicit EditArea(QWidget* parent = nullptr);

    [[nodiscard]] AnsiText GetText() const override;
    [[nodiscard]] bool IsEmpty() const override { return Utf8Length() == 0; }
    void SetText(const AnsiText& text) override;
    void ResetText(const AnsiText& text) override;
    void AppendText(const AnsiText& text) override;
    [[nodiscard]] Selection GetSelection() const override;
    void SetSelection(Pos start, Pos length) override;
    [[nodiscard]] bool IsModified() const override { return m_modified; }
    void SetModified(bool modified) override { m_modified = modified; }
    void ReplaceSelection(const AnsiText& text) override;
    void Undo() override;
    [[nodiscard]] bool CanUndo() const override;
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void SelectAll() override;

    // Wrapping at the window's width; the horizontal scroll bar is hidden
    // while it is on. Text, selection, modified flag and undo stay.
    void SetWordWrap(bool on);
    [[nodiscard]] bool WordWrap() const { return m_wordWrap; }

    // The face, size, styles and text colour; the background stays yellow.
    void SetTextFont(const FontChoice& font);
    [[nodiscard]] FontChoice TextFont() const { return m_font; }

    // The font the edit area starts with: 宋体 9 pt in blue, or a CJK face
    // of this machine when 宋体 is missing.
    [[nodiscard]] static FontChoice DefaultFont();

    // QScintilla's own entry points, kept to the document's rules.
    void undo() override;
    void paste() override;

signals:
    // Local files dropped on the edit area, native paths in their order; such
    // a drop inserts nothing.
    void filesDropped(const QStringList& paths);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A character start in both encodings: Scintilla's UTF-8 position and the
    // document byte offset of the same character.
    struct Mark {
        Pos utf8 = 0;
        Pos ansi = 0;
    };

    long Call(unsigned int message, unsigned long wParam = 0, long lParam = 0) const {
        return SendScintilla(message, wParam, lParam);
    }
    [[nodiscard]] Pos Utf8Length() const;
    // The UTF-8 bytes [start, start + length), valid until the next change.
    [[nodiscard]] std::string_view Range(Pos start, Pos length) const;
    // The document byte offset of UTF-8 position `utf8`, a character start.
    [[nodiscard]] Pos AnsiOffset(Pos utf8) const;
    // The character that holds document byte `ansiOffset`, searched forward
    // from `from`; the end of the text when the offset lies past it.
    [[nodiscard]] Mark FindAnsiOffset(Pos ansiOffset, Mark from) const;
    // Replaces the whole text, as one undo step when undo collection is on,
    // and sets the modified flag.
    void ReplaceAll(const std::string& utf8);
    // Selection 0/0 with the first line and column in view.
    void ShowStart();
    // Starts an edit made here: only the last step is ever undone, so older ones
    // are dropped before they pile up copies of a large text.
    void BeginEdit();
    void ApplyFont();
    void MarkStrikeout(Pos utf8Start, Pos utf8Length);
    // Inserts dropped text at UTF-8 position `target` and selects it; a
    // moved selection leaves its old place in the same undo step.
    void DropText(const std::string& utf8, Pos target, bool moving);
    void OnModified(int position, int type, const char* text, int length, int linesAdded,
                    int line, int foldNow, int foldPrevious, int token, int annotationLines);
    [[nodiscard]] static QStringList DroppedFiles(const QDropEvent* event);

    FontChoice m_font;
    bool m_modified = false;
    bool m_lastWasUndo = false;  // the next Undo redoes what the last one undid
    bool m_wordWrap = false;
};

}  // namespace scribbet
