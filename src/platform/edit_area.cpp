#include "platform/edit_area.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAction>
#include <QColor>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <algorithm>
#include <functional>

#include "core/code_page.h"
#include "platform/qt_clipboard.h"

namespace scribbet {
namespace {

const QColor kPaper(255, 255, 0);
constexpr std::uint32_t kTextColor = 0x0000FF;
constexpr int kTextPointSize = 9;
// 宋体 goes by its Chinese and its English name; the last face draws Chinese
// on machines without it.
const char* const kDefaultFamilies[] = {"宋体", "SimSun", "WenQuanYi Micro Hei"};
const char* const kFallbackFamily = kDefaultFamilies[2];
// Scintilla has no struck-out style, so an indicator strikes the text.
constexpr int kStrikeIndicator = QsciScintillaBase::INDIC_CONTAINER;
// The changes Scintilla reports: those of the text.
constexpr unsigned long kToldChanges =
    QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT;
// The edit commands of the context menu, as the system's edit control names them.
constexpr char kUndoCaption[] = "撤消(&U)";
constexpr char kCutCaption[] = "剪切(&T)";
constexpr char kCopyCaption[] = "复制(&C)";
constexpr char kPasteCaption[] = "粘贴(&P)";
constexpr char kDeleteCaption[] = "删除(&D)";
constexpr char kSelectAllCaption[] = "全选(&A)";
// Position conversions walk the text in pieces of this size, so that only the
// piece holding the sought position is searched closely.
constexpr Pos kChunk = 1 << 16;

[[nodiscard]] bool IsUtf8Continuation(long byte) { return (byte & 0xC0) == 0x80; }

[[nodiscard]] QColor ToQColor(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

// The face that draws `family`: a face missing here falls back to one that
// has Chinese glyphs rather than to whatever the font matcher picks.
[[nodiscard]] QString ScreenFamily(const std::string& family) {
    const QString wanted = QString::fromStdString(family);
    if (QFontDatabase::hasFamily(wanted)) return wanted;
    const QString fallback = QString::fromLatin1(kFallbackFamily);
    return QFontDatabase::hasFamily(fallback) ? fallback : wanted;
}

}  // namespace

EditArea::EditArea(QWidget* parent) : QsciScintilla(parent) {
    setUtf8(true);
    // Enter types CR LF. Nothing rewrites line ends: QScintilla's paste and
    // drop would, so both are done in this class.
    Call(SCI_SETEOLMODE, SC_EOL_CRLF);
    Call(SCI_SETMODEVENTMASK, kToldChanges);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &EditArea::OnModified);

    // A plain editor: no line numbers, symbols or folding.
    for (int margin = 0; margin < 5; ++margin) Call(SCI_SETMARGINWIDTHN, margin, 0);
    Call(SCI_SETSCROLLWIDTH, 1);
    Call(SCI_SETSCROLLWIDTHTRACKING, 1);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The undo and paste keys come to keyPressEvent; the redo keys would
    // walk Scintilla's longer history, and there is no overtype mode.
    for (QsciCommand::Command command : {QsciCommand::Redo, QsciCommand::EditToggleOvertype}) {
        if (QsciCommand* bound = standardCommands()->find(command)) {
            bound->setKey(0);
            bound->setAlternateKey(0);
        }
    }

    Call(SCI_INDICSETSTYLE, kStrikeIndicator, INDIC_STRIKE);
    m_font = DefaultFont();
    ApplyFont();
}

FontChoice EditArea::DefaultFont() {
    FontChoice font;
    font.family = kDefaultFamilies[0];
    font.pointSize = kTextPointSize;
    font.color = kTextColor;
    for (const char* family : kDefaultFamilies) {
        if (QFontDatabase::hasFamily(QString::fromUtf8(family))) {
            font.family = family;
            break;
        }
    }
    return font;
}

Pos EditArea::Utf8Length() const { return Call(SCI_GETLENGTH); }

std::string_view EditArea::Range(Pos start, Pos length) const {
    if (length <= 0) return {};
    const auto* text = reinterpret_cast<const char*>(Call(
        SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(length)));
    return {text, static_cast<std::size_t>(length)};
}

Pos EditArea::AnsiOffset(Pos utf8) const { return Utf8ToAnsiOffset(Range(0, utf8), utf8); }

EditArea::Mark EditArea::FindAnsiOffset(Pos ansiOffset, Mark from) const {
    const Pos size = Utf8Length();
    Mark at = from;
    while (at.utf8 < size) {
        // Each piece ends at a character start, so it holds whole characters.
        Pos end = std::min(size, at.utf8 + kChunk);
        while (end < size && end > at.utf8 + 1 && IsUtf8Continuation(Call(SCI_GETCHARAT, end))) {
            --end;
        }
        const std::string_view piece = Range(at.utf8, end - at.utf8);
        const Pos pieceAnsi = Utf8ToAnsiOffset(piece, TextLength(piece));
        if (at.ansi + pieceAnsi > ansiOffset) {
            // The sought character is in this piece: find the last UTF-8
            // byte whose character starts at or before the offset.
            const Pos wanted = ansiOffset - at.ansi;
            Pos low = 0;
            Pos high = TextLength(piece);
            while (high - low > 1) {
                const Pos middle = low + (high - low) / 2;
                if (Utf8ToAnsiOffset(piece, middle) <= wanted) {
                    low = middle;
                } else {
                    high = middle;
                }
            }
            while (low > 0 && IsUtf8Continuation(static_cast<unsigned char>(piece[low]))) --low;
            return {at.utf8 + low, at.ansi + Utf8ToAnsiOffset(piece, low)};
        }
        at = {end, at.ansi + pieceAnsi};
    }
    return at;
}

AnsiText EditArea::GetText() const {
    const auto* text = reinterpret_cast<const char*>(Call(SCI_GETCHARACTERPOINTER));
    return EncodeAnsi(std::string_view(text, static_cast<std::size_t>(Utf8Length())));
}

void EditArea::ReplaceAll(const std::string& utf8) {
    // QScintilla copies every change it is told of, once into a QString for
    // accessibility and once for its bindings, which for a whole text costs
    // about as much as Scintilla's own work. So this change goes untold and
    // its effects are applied here. SCI_SETTEXT is one undo group.
    Call(SCI_SETMODEVENTMASK, 0);
    SendScintilla(SCI_SETTEXT, utf8.c_str());
    Call(SCI_SETMODEVENTMASK, kToldChanges);
    m_modified = true;
    if (m_font.strikeout) MarkStrikeout(0, Utf8Length());
}

void EditArea::ShowStart() {
    Call(SCI_SETEMPTYSELECTION, 0);
    Call(SCI_SETFIRSTVISIBLELINE, 0);
    Call(SCI_SETXOFFSET, 0);
}

void EditArea::BeginEdit() {
    Call(SCI_EMPTYUNDOBUFFER);
    m_lastWasUndo = false;
}

void EditArea::SetText(const AnsiText& text) {
    const std::string utf8 = DecodeAnsi(text);
    const auto* current = reinterpret_cast<const char*>(Call(SCI_GETCHARACTERPOINTER));
    if (std::string_view(current, static_cast<std::size_t>(Utf8Length())) != utf8) {
        BeginEdit();
        ReplaceAll(utf8);
    }
    ShowStart();
}

void EditArea::ResetText(const AnsiText& text) {
    // A loaded text is no step to undo: collecting it would only copy it.
    const std::string utf8 = DecodeAnsi(text);
    Call(SCI_SETUNDOCOLLECTION, 0);
    Call(SCI_EMPTYUNDOBUFFER);
    ReplaceAll(utf8);
    Call(SCI_SETUNDOCOLLECTION, 1);
    // The scroll width follows the longest line shown, starting afresh.
    Call(SCI_SETSCROLLWIDTH, 1);
    m_modified = false;
    m_lastWasUndo = false;
    ShowStart();
}

void EditArea::AppendText(const AnsiText& text) {
    Call(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(Utf8Length()));
    if (!text.empty()) {
        const std::string utf8 = DecodeAnsi(text);
        BeginEdit();
        Call(SCI_BEGINUNDOACTION);
        SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.data());
        Call(SCI_ENDUNDOACTION);
    }
    Call(SCI_SCROLLCARET);
}

Selection EditArea::GetSelection() const {
    const Pos start = Call(SCI_GETSELECTIONSTART);
    const Pos end = Call(SCI_GETSELECTIONEND);
    const Pos ansiStart = AnsiOffset(start);
    return Selection{ansiStart, Utf8ToAnsiOffset(Range(start, end - start), end - start)};
}

void EditArea::SetSelection(Pos start, Pos length) {
    const Mark first = FindAnsiOffset(std::max<Pos>(start, 0), Mark{});
    const Mark last = FindAnsiOffset(first.ansi + std::max<Pos>(length, 0), first);
    // The anchor at the start and the caret after the range, scrolled into view.
    Call(SCI_SETSEL, static_cast<unsigned long>(first.utf8), static_cast<long>(last.utf8));
}

void EditArea::ReplaceSelection(const AnsiText& text) {
    if (text.empty() && Call(SCI_GETSELECTIONEMPTY)) return;
    const std::string utf8 = DecodeAnsi(text);
    BeginEdit();
    // Grouped so that it never merges with the typing before it.
    Call(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_REPLACESEL, utf8.c_str());
    Call(SCI_ENDUNDOACTION);
}

void EditArea::Undo() {
    if (!CanUndo()) return;
    // Scintilla keeps a longer history; its redo of the step just undone is
    // what the second Undo means.
    if (m_lastWasUndo) {
        Call(SCI_REDO);
        // An empty group ends the redone step, so that typing after it does
        // not merge into it.
        Call(SCI_BEGINUNDOACTION);
        Call(SCI_ENDUNDOACTION);
    } else {
        Call(SCI_UNDO);
    }
    m_lastWasUndo = !m_lastWasUndo;
    m_modified = true;
}

bool EditArea::CanUndo() const { return Call(m_lastWasUndo ? SCI_CANREDO : SCI_CANUNDO) != 0; }

void EditArea::Cut() {
    if (Call(SCI_GETSELECTIONEMPTY)) return;
    BeginEdit();
    Call(SCI_BEGINUNDOACTION);
    cut();
    Call(SCI_ENDUNDOACTION);
}

void EditArea::Copy() {
    if (Call(SCI_GETSELECTIONEMPTY)) return;
    copy();
}

void EditArea::Paste() {
    // Scintilla's own paste would turn every line end into CR LF.
    const AnsiText text = QtClipboard().GetText();
    if (!text.empty()) ReplaceSelection(text);
}

void EditArea::SelectAll() { Call(SCI_SELECTALL); }

void EditArea::SetWordWrap(bool on) {
    m_wordWrap = on;
    Call(SCI_SETWRAPMODE, on ? SC_WRAP_WORD : SC_WRAP_NONE);
    Call(SCI_SETHSCROLLBAR, on ? 0 : 1);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void EditArea::SetTextFont(const FontChoice& font) {
    m_font = font;
    ApplyFont();
}

void EditArea::ApplyFont() {
    // Scintilla takes the face as UTF-8, which keeps Chinese face names.
    const QByteArray family = ScreenFamily(m_font.family).toUtf8();
    const QColor color = ToQColor(m_font.color);
    // Style 0 draws all text (there is no lexer); the default style draws
    // the area after the text.
    for (const unsigned long style : {0UL, static_cast<unsigned long>(STYLE_DEFAULT)}) {
        SendScintilla(SCI_STYLESETFONT, style, family.constData());
        Call(SCI_STYLESETSIZE, style, m_font.pointSize);
        Call(SCI_STYLESETBOLD, style, m_font.bold);
        Call(SCI_STYLESETITALIC, style, m_font.italic);
        Call(SCI_STYLESETUNDERLINE, style, m_font.underline);
        SendScintilla(SCI_STYLESETFORE, style, color);
        SendScintilla(SCI_STYLESETBACK, style, kPaper);
    }
    SendScintilla(SCI_INDICSETFORE, kStrikeIndicator, color);
    Call(SCI_SETINDICATORCURRENT, kStrikeIndicator);
    Call(m_font.strikeout ? SCI_INDICATORFILLRANGE : SCI_INDICATORCLEARRANGE, 0, Utf8Length());
}

void EditArea::MarkStrikeout(Pos utf8Start, Pos utf8Length) {
    Call(SCI_SETINDICATORCURRENT, kStrikeIndicator);
    Call(SCI_INDICATORFILLRANGE, static_cast<unsigned long>(utf8Start), utf8Length);
}

void EditArea::OnModified(int position, int type, const char*, int length, int, int, int, int,
                          int, int) {
    if ((type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) == 0) return;
    m_modified = true;
    if (type & SC_PERFORMED_USER) m_lastWasUndo = false;
    // New text takes the strikeout of the text around it, also at the start.
    if ((type & SC_MOD_INSERTTEXT) && m_font.strikeout) MarkStrikeout(position, length);
}

void EditArea::undo() { Undo(); }

void EditArea::paste() { Paste(); }

namespace {
// Alt with a key (but not AltGr, which comes as Ctrl+Alt) belongs to the
// menu bar's access keys; it types nothing.
bool IsMenuKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
           event.key() != Qt::Key_Backspace && !event.text().isEmpty();
}
}  // namespace

bool EditArea::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && IsMenuKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QsciScintilla::event(event);
}

void EditArea::keyPressEvent(QKeyEvent* event) {
    if (IsMenuKey(*event)) {
        event->ignore();
        return;
    }
    const bool altBackspace =
        event->key() == Qt::Key_Backspace && event->modifiers() == Qt::AltModifier;
    if (event->matches(QKeySequence::Undo) || altBackspace) {
        Undo();
    } else if (event->matches(QKeySequence::Paste)) {
        Paste();
    } else {
        QsciScintilla::keyPressEvent(event);
        return;
    }
    event->accept();
}

void EditArea::mousePressEvent(QMouseEvent* event) {
    // Scintilla's middle-button paste of the selection would rewrite line
    // ends, and the editor has none.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QsciScintilla::mousePressEvent(event);
}

void EditArea::contextMenuEvent(QContextMenuEvent* event) {
    // The edit commands of the document in place of Scintilla's menu, whose
    // undo and redo walk a longer history and whose paste rewrites line ends.
    const bool selected = Call(SCI_GETSELECTIONEMPTY) == 0;
    const struct {
        const char* caption;  // nullptr: a separator
        std::function<void()> run;
        bool enabled;
    } entries[] = {
        {kUndoCaption, [this] { Undo(); }, CanUndo()},
        {nullptr, nullptr, false},
        {kCutCaption, [this] { Cut(); }, selected},
        {kCopyCaption, [this] { Copy(); }, selected},
        {kPasteCaption, [this] { Paste(); }, !QtClipboard().GetText().empty()},
        {kDeleteCaption, [this] { ReplaceSelection(AnsiText()); }, selected},
        {nullptr, nullptr, false},
        {kSelectAllCaption, [this] { SelectAll(); }, Utf8Length() > 0},
    };
    QMenu menu(this);
    for (const auto& entry : entries) {
        if (entry.caption == nullptr) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(entry.caption), entry.run);
        action->setEnabled(entry.enabled);
    }
    menu.exec(event->globalPos());
    event->accept();
}

QStringList EditArea::DroppedFiles(const QDropEvent* event) {
    QStringList paths;
    const QMimeData* data = event->mimeData();
    if (data == nullptr || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths << QDir::toNativeSeparators(url.toLocalFile());
    }
    return paths;
}

void EditArea::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFiles(event).isEmpty()) {
        QsciScintilla::dragEnterEvent(event);
        return;
    }
    event->acceptProposedAction();
}

void EditArea::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedFiles(event).isEmpty()) {
        QsciScintilla::dragMoveEvent(event);
        return;
    }
    event->acceptProposedAction();
}

void EditArea::dropEvent(QDropEvent* event) {
    const QStringList paths = DroppedFiles(event);
    if (!paths.isEmpty()) {
        event->acceptProposedAction();
        emit filesDropped(paths);
        return;
    }
    const QMimeData* data = event->mimeData();
    if (data == nullptr || !data->hasText() || data->text().isEmpty()) {
        event->ignore();
        return;
    }
    // Scintilla's own drop would turn every line end into CR LF, so the text
    // goes in here, where Scintilla showed the drop caret: moved when it is
    // dragged within the edit area without Ctrl, else copied.
    const bool fromHere = event->source() == this || event->source() == viewport();
    const bool moving = fromHere && !(event->modifiers() & Qt::ControlModifier);
    if (moving) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
    const QByteArray dropped = data->text().toUtf8();
    const std::string utf8 = DecodeAnsi(EncodeAnsi(std::string_view(
        dropped.constData(), static_cast<std::size_t>(dropped.size()))));
    const QPoint at = event->position().toPoint();
    DropText(utf8, Call(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(at.x()), at.y()),
             moving);
    QDragLeaveEvent leave;
    QsciScintilla::dragLeaveEvent(&leave);  // hides the drop caret
}

void EditArea::DropText(const std::string& utf8, Pos target, bool moving) {
    const Pos start = Call(SCI_GETSELECTIONSTART);
    const Pos end = Call(SCI_GETSELECTIONEND);
    if (moving && target >= start && target <= end) return;  // dropped onto itself
    BeginEdit();
    Call(SCI_BEGINUNDOACTION);
    Pos insertAt = target;
    if (moving) {
        Call(SCI_DELETERANGE, static_cast<unsigned long>(start), end - start);
        if (insertAt > end) insertAt -= end - start;
    }
    SendScintilla(SCI_INSERTTEXT, static_cast<uintptr_t>(insertAt), utf8.c_str());
    Call(SCI_SETSEL, static_cast<unsigned long>(insertAt), insertAt + TextLength(utf8));
    Call(SCI_ENDUNDOACTION);
}

}  // namespace scribbet
