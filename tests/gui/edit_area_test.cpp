#include "platform/edit_area.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QContextMenuEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <string>

#include "core/document_contract.h"
#include "core/memory_document.h"
#include "platform/font_dialog.h"
#include "platform/qt_clipboard.h"

namespace scribbet {
namespace {

using Sci = QsciScintillaBase;

// 中 D6 D0, 文 CE C4
const AnsiText kZhong = "\xD6\xD0";
const AnsiText kWen = "\xCE\xC4";

DocumentUnderTest MakeEditArea() {
    static QtClipboard clipboard;
    clipboard.SetText("");
    return DocumentUnderTest{std::make_unique<EditArea>(), &clipboard};
}

INSTANTIATE_TEST_SUITE_P(EditArea, DocumentContract, ::testing::Values(MakeEditArea));

// Scintilla's colours are 0xBBGGRR.
long ScintillaColor(std::uint32_t rgb) {
    return static_cast<long>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

class EditAreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_edit.resize(480, 320);
        m_edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_edit));
    }

    long Call(unsigned int message, unsigned long wParam = 0, long lParam = 0) {
        return m_edit.SendScintilla(message, wParam, lParam);
    }

    std::string StyleFont(int style) {
        char name[256] = {};
        m_edit.SendScintilla(Sci::SCI_STYLEGETFONT, static_cast<unsigned long>(style),
                             static_cast<void*>(name));
        return name;
    }

    // Whether a strike-through indicator covers UTF-8 position `position`.
    bool StruckOut(Pos position) {
        const long on = Call(Sci::SCI_INDICATORALLONFOR, static_cast<unsigned long>(position));
        for (int indicator = 0; indicator < 32; ++indicator) {
            if ((on & (1L << indicator)) &&
                Call(Sci::SCI_INDICGETSTYLE, static_cast<unsigned long>(indicator)) ==
                    Sci::INDIC_STRIKE) {
                return true;
            }
        }
        return false;
    }

    // Plays keys as the user presses them: '\n' Enter, '\b' Backspace,
    // '\x7f' Delete, '<' Ctrl+Z, '#' Alt+Backspace, '>' Ctrl+Y; any other
    // character is typed.
    void Press(const std::string& keys) {
        for (const char key : keys) {
            switch (key) {
                case '\n': QTest::keyClick(&m_edit, Qt::Key_Return); break;
                case '\b': QTest::keyClick(&m_edit, Qt::Key_Backspace); break;
                case '\x7f': QTest::keyClick(&m_edit, Qt::Key_Delete); break;
                case '<': QTest::keyClick(&m_edit, Qt::Key_Z, Qt::ControlModifier); break;
                case '#': QTest::keyClick(&m_edit, Qt::Key_Backspace, Qt::AltModifier); break;
                case '>': QTest::keyClick(&m_edit, Qt::Key_Y, Qt::ControlModifier); break;
                default: QTest::keyClicks(&m_edit, QString(QLatin1Char(key))); break;
            }
        }
    }

    void TypeByInputMethod(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(&m_edit, &event);
    }

    EditArea m_edit;
};

struct TypingCase {
    const char* name;
    AnsiText text;
    Selection selection;
    std::string keys;
    AnsiText expectedText;
    Selection expectedSelection;
};

TEST_F(EditAreaTest, KeysEditTheDocumentBytes) {
    const TypingCase cases[] = {
        {"letters at the caret", "", {0, 0}, "ab", "ab", {2, 0}},
        {"Enter types CR LF", "ab", {1, 0}, "\n", "a\r\nb", {3, 0}},
        {"lone line ends stay beside a typed one", "a\rb\nc", {3, 0}, "\n", "a\rb\r\n\nc", {5, 0}},
        {"typing replaces the selection", "a" + kZhong + "b", {1, 2}, "x", "axb", {2, 0}},
        {"Backspace deletes a whole character", "a" + kZhong + "b", {3, 0}, "\b", "ab", {1, 0}},
        {"Delete deletes a whole character", "a" + kZhong + "b", {1, 0}, "\x7f", "ab", {1, 0}},
        {"Backspace deletes a whole CR LF", "a\r\nb", {3, 0}, "\b", "ab", {1, 0}},
    };
    for (const TypingCase& c : cases) {
        m_edit.ResetText(c.text);
        m_edit.SetSelection(c.selection.start, c.selection.length);
        Press(c.keys);
        EXPECT_EQ(m_edit.GetText(), c.expectedText) << c.name;
        EXPECT_EQ(m_edit.GetSelection(), c.expectedSelection) << c.name;
        EXPECT_TRUE(m_edit.IsModified()) << c.name;
        EXPECT_TRUE(m_edit.CanUndo()) << c.name;
    }
}

TEST_F(EditAreaTest, ChineseFromTheInputMethodGoesInAsGbk) {
    m_edit.ResetText("ab");
    m_edit.SetSelection(1, 0);
    TypeByInputMethod(QStringLiteral("中文"));
    EXPECT_EQ(m_edit.GetText(), "a" + kZhong + kWen + "b");
    EXPECT_EQ(m_edit.GetSelection(), (Selection{5, 0}));
    EXPECT_TRUE(m_edit.IsModified());
    m_edit.Undo();
    EXPECT_EQ(m_edit.GetText(), "ab");
}

struct UndoCase {
    const char* name;
    std::string keys;
    AnsiText expected;
};

TEST_F(EditAreaTest, UndoOfTypingHoldsOneStep) {
    const UndoCase cases[] = {
        {"Ctrl+Z undoes the typing", "abc<", ""},
        {"a second Ctrl+Z redoes it", "abc<<", "abc"},
        {"a third undoes it again", "abc<<<", ""},
        {"Alt+Backspace undoes as Ctrl+Z does", "abc#", ""},
        {"typed line breaks belong to the typing", "ab\ncd<", ""},
        {"typing after an undo is its own step", "abc<d<", ""},
        {"typing after a redo is its own step", "abc<<d<", "abc"},
        {"deleting is a step of its own", "abc\b<", "abc"},
        {"Ctrl+Y redoes nothing", "abc<>", ""},
    };
    for (const UndoCase& c : cases) {
        m_edit.ResetText("");
        Press(c.keys);
        EXPECT_EQ(m_edit.GetText(), c.expected) << c.name;
        EXPECT_TRUE(m_edit.IsModified()) << c.name;
    }
}

TEST_F(EditAreaTest, UndoMarksTheDocumentAndKeepsWorkingAfterSetModified) {
    m_edit.ResetText("x");
    Press("y");
    m_edit.SetModified(false);
    EXPECT_FALSE(m_edit.IsModified());
    m_edit.Undo();
    EXPECT_EQ(m_edit.GetText(), "x");
    EXPECT_TRUE(m_edit.IsModified());
    EXPECT_TRUE(m_edit.CanUndo());  // the redo of the step is the next Undo
    m_edit.SetModified(false);
    m_edit.SetModified(true);
    EXPECT_TRUE(m_edit.IsModified());
}

TEST_F(EditAreaTest, WordWrapKeepsTextSelectionFlagAndUndo) {
    AnsiText line;
    for (int i = 0; i < 200; ++i) line += kZhong + "ab ";
    const AnsiText text = line + "\r\n" + line;
    m_edit.ResetText(text);
    m_edit.SetSelection(6, 4);
    m_edit.ReplaceSelection(kWen);
    const AnsiText edited = m_edit.GetText();
    const Selection selection{3, 5};
    m_edit.SetSelection(selection.start, selection.length);
    for (const bool on : {true, false, true, false}) {
        m_edit.SetWordWrap(on);
        QApplication::processEvents();
        EXPECT_EQ(m_edit.WordWrap(), on);
        EXPECT_EQ(Call(Sci::SCI_GETWRAPMODE), on ? Sci::SC_WRAP_WORD : Sci::SC_WRAP_NONE);
        EXPECT_EQ(m_edit.horizontalScrollBar()->isVisible(), !on) << on;
        EXPECT_EQ(m_edit.GetText(), edited) << on;
        EXPECT_EQ(m_edit.GetSelection(), selection) << on;
        EXPECT_TRUE(m_edit.IsModified()) << on;
        EXPECT_TRUE(m_edit.CanUndo()) << on;
    }
    m_edit.SetModified(false);
    m_edit.SetWordWrap(true);
    EXPECT_FALSE(m_edit.IsModified());
    m_edit.Undo();
    EXPECT_EQ(m_edit.GetText(), text);
}

TEST_F(EditAreaTest, StartsBlueOnYellowInAChineseFontWithoutMargins) {
    const FontChoice font = m_edit.TextFont();
    EXPECT_EQ(font, EditArea::DefaultFont());
    EXPECT_EQ(font.pointSize, 9);
    EXPECT_EQ(font.color, 0x0000FFu);
    EXPECT_FALSE(font.bold || font.italic || font.underline || font.strikeout);
    EXPECT_TRUE(font.family == "宋体" || font.family == "SimSun" ||
                font.family == "WenQuanYi Micro Hei")
        << font.family;
    for (const int style : {0, static_cast<int>(Sci::STYLE_DEFAULT)}) {
        EXPECT_EQ(Call(Sci::SCI_STYLEGETFORE, style), ScintillaColor(0x0000FF)) << style;
        EXPECT_EQ(Call(Sci::SCI_STYLEGETBACK, style), ScintillaColor(0xFFFF00)) << style;
        EXPECT_EQ(Call(Sci::SCI_STYLEGETSIZE, style), 9) << style;
    }
    for (unsigned long margin = 0; margin < 5; ++margin) {
        EXPECT_EQ(Call(Sci::SCI_GETMARGINWIDTHN, margin), 0) << margin;
    }
    EXPECT_FALSE(m_edit.WordWrap());
    EXPECT_EQ(Call(Sci::SCI_GETWRAPMODE), Sci::SC_WRAP_NONE);
    EXPECT_EQ(Call(Sci::SCI_GETEOLMODE), Sci::SC_EOL_CRLF);
    EXPECT_TRUE(m_edit.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(m_edit.verticalScrollBar()->isVisible());

    // What is painted: the paper below the text is yellow, and a line of
    // Chinese puts blue pixels on it.
    m_edit.ResetText(kZhong + kWen + kZhong + kWen);
    const QImage picture = m_edit.viewport()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() - 5, picture.height() - 5), QColor(255, 255, 0));
    int blue = 0;
    const int lineHeight = static_cast<int>(Call(Sci::SCI_TEXTHEIGHT, 0));
    for (int y = 0; y < lineHeight; ++y) {
        for (int x = 0; x < 80; ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.blue() > 200 && pixel.red() < 100 && pixel.green() < 100) ++blue;
        }
    }
    EXPECT_GT(blue, 20);
}

TEST_F(EditAreaTest, TextFontSetsFaceSizeStylesAndColour) {
    const FontChoice fonts[] = {
        {"WenQuanYi Micro Hei", 14, true, true, true, true, 0x123456},
        {"DejaVu Sans", 11, false, true, false, false, 0xFF0000},
        {"文泉驿微米黑", 10, true, false, true, false, 0x00FF00},
    };
    m_edit.ResetText("ab" + kZhong);
    for (const FontChoice& font : fonts) {
        m_edit.SetTextFont(font);
        EXPECT_EQ(m_edit.TextFont(), font) << font.family;
        EXPECT_EQ(Call(Sci::SCI_STYLEGETSIZE, 0), font.pointSize) << font.family;
        EXPECT_EQ(Call(Sci::SCI_STYLEGETBOLD, 0) != 0, font.bold) << font.family;
        EXPECT_EQ(Call(Sci::SCI_STYLEGETITALIC, 0) != 0, font.italic) << font.family;
        EXPECT_EQ(Call(Sci::SCI_STYLEGETUNDERLINE, 0) != 0, font.underline) << font.family;
        EXPECT_EQ(Call(Sci::SCI_STYLEGETFORE, 0), ScintillaColor(font.color)) << font.family;
        EXPECT_EQ(Call(Sci::SCI_STYLEGETBACK, 0), ScintillaColor(0xFFFF00)) << font.family;
        EXPECT_EQ(StruckOut(0), font.strikeout) << font.family;
        EXPECT_EQ(StruckOut(3), font.strikeout) << font.family;
        EXPECT_FALSE(m_edit.IsModified()) << font.family;
    }
    // Faces of this machine are used as they are named.
    m_edit.SetTextFont(fonts[0]);
    EXPECT_EQ(StyleFont(0), "WenQuanYi Micro Hei");
}

TEST_F(EditAreaTest, StruckOutTextStaysStruckOutWhereverTextIsAdded) {
    FontChoice font = m_edit.TextFont();
    font.strikeout = true;
    m_edit.SetTextFont(font);
    m_edit.ResetText("ab");
    EXPECT_TRUE(StruckOut(0));
    m_edit.SetSelection(0, 0);
    Press("x");  // at the very start, where no struck text precedes it
    m_edit.AppendText(kZhong);
    for (Pos position = 0; position < 6; ++position) {
        EXPECT_TRUE(StruckOut(position)) << position;
    }
    m_edit.SetText(kWen + "yz");
    EXPECT_TRUE(StruckOut(0));
    EXPECT_TRUE(StruckOut(4));
    font.strikeout = false;
    m_edit.SetTextFont(font);
    EXPECT_FALSE(StruckOut(0));
    EXPECT_FALSE(StruckOut(4));
}

// a | 中 D6 D0 | 81 7F, a pair that is no character | 𠀀 95 32 82 36, a
// four-byte code | b | 80, a lone lead byte at the end. In UTF-8 these
// take 1, 3, 4, 4, 1 and 4 bytes.
const AnsiText kMixed = "a\xD6\xD0\x81\x7F\x95\x32\x82\x36" "b\x80";

struct ConversionCase {
    Pos start;
    Pos length;
    Selection expected;
    Pos utf8Start;
    Pos utf8End;
};

TEST_F(EditAreaTest, SelectionsConvertBetweenBytesAndCharacters) {
    m_edit.ResetText(kMixed);
    ASSERT_EQ(Call(Sci::SCI_GETLENGTH), 17);
    const ConversionCase cases[] = {
        {0, 11, {0, 11}, 0, 17},  // everything
        {1, 2, {1, 2}, 1, 4},     // 中
        {2, 0, {1, 0}, 1, 1},     // inside 中
        {3, 2, {3, 2}, 4, 8},     // the undecodable pair
        {4, 5, {3, 2}, 4, 8},     // from inside the pair to inside the four-byte code
        {5, 4, {5, 4}, 8, 12},    // the four-byte code
        {6, 1, {5, 0}, 8, 8},     // inside it
        {9, 5, {9, 2}, 12, 17},   // b and the lone lead byte, cut at the end
        {10, 1, {10, 1}, 13, 17}, // the lone lead byte
        {12, 3, {11, 0}, 17, 17}, // past the end
    };
    for (const ConversionCase& c : cases) {
        m_edit.SetSelection(c.start, c.length);
        EXPECT_EQ(m_edit.GetSelection(), c.expected) << c.start << "+" << c.length;
        EXPECT_EQ(Call(Sci::SCI_GETSELECTIONSTART), c.utf8Start) << c.start << "+" << c.length;
        EXPECT_EQ(Call(Sci::SCI_GETSELECTIONEND), c.utf8End) << c.start << "+" << c.length;
    }
    m_edit.SetSelection(5, 4);
    EXPECT_EQ(m_edit.selectedText(), QString::fromUcs4(U"\U00020000"));
    EXPECT_EQ(m_edit.GetText(), kMixed);

    // A selection the user makes is reported in bytes.
    Call(Sci::SCI_SETSEL, 4, 13);
    EXPECT_EQ(m_edit.GetSelection(), (Selection{3, 7}));
}

TEST_F(EditAreaTest, SelectionsAgreeWithTheMemoryDocumentOverALongText) {
    // Long enough to span several pieces of the conversion walk, with lines
    // of Chinese and ASCII so that offsets land on lead and trail bytes.
    AnsiText text;
    for (int line = 0; text.size() < 300000; ++line) {
        for (int i = 0; i < line % 23; ++i) text += (i % 3 == 0) ? AnsiText("x") : kZhong + kWen;
        text += "\r\n";
    }
    MemoryClipboard clipboard;
    MemoryDocument reference(clipboard);
    reference.ResetText(text);
    m_edit.ResetText(text);
    const Pos size = TextLength(text);
    for (Pos start = 0; start < size + 10; start += 4099) {
        for (const Pos length : {Pos{0}, Pos{1}, Pos{70001}}) {
            reference.SetSelection(start, length);
            m_edit.SetSelection(start, length);
            EXPECT_EQ(m_edit.GetSelection(), reference.GetSelection()) << start << "+" << length;
        }
    }
}

TEST(EditAreaFocus, SelectionStaysVisibleWhenTheFocusIsElsewhere) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new EditArea;
    auto* other = new QLineEdit;
    layout->addWidget(edit);
    layout->addWidget(other);
    window.resize(400, 200);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->ResetText(kZhong + kWen + kZhong + kWen);
    edit->SetSelection(0, 4);
    // Counts the pixels of the first line painted in the selection colour.
    const auto selectedPixels = [edit] {
        const QImage picture = edit->viewport()->grab().toImage();
        const QColor highlight = edit->palette().color(QPalette::Highlight);
        const int lineHeight = static_cast<int>(edit->SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL));
        int count = 0;
        for (int y = 0; y < lineHeight; ++y) {
            for (int x = 0; x < picture.width(); ++x) count += picture.pixelColor(x, y) == highlight;
        }
        return count;
    };
    edit->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(edit->hasFocus());
    const int focused = selectedPixels();
    EXPECT_GT(focused, 50);
    other->setFocus();
    QApplication::processEvents();
    ASSERT_FALSE(edit->hasFocus());
    EXPECT_GT(selectedPixels(), focused * 9 / 10);  // only the caret is gone
}

struct ViewCase {
    const char* name;
    std::function<void(EditArea&)> change;
};

TEST_F(EditAreaTest, WholeTextChangesReturnToTheFirstLine) {
    AnsiText text;
    for (int i = 0; i < 500; ++i) text += AnsiText(300, 'w') + "\r\n";
    const ViewCase cases[] = {
        {"ResetText", [&](EditArea& e) { e.ResetText(text + "x"); }},
        {"SetText", [&](EditArea& e) { e.SetText(text + "y"); }},
        {"SetText of the same text", [&](EditArea& e) { e.SetText(text); }},
    };
    for (const ViewCase& c : cases) {
        m_edit.ResetText(text);
        m_edit.SetSelection(TextLength(text), 0);
        Call(Sci::SCI_SETXOFFSET, 200);
        ASSERT_GT(Call(Sci::SCI_GETFIRSTVISIBLELINE), 0) << c.name;
        c.change(m_edit);
        EXPECT_EQ(Call(Sci::SCI_GETFIRSTVISIBLELINE), 0) << c.name;
        EXPECT_EQ(Call(Sci::SCI_GETXOFFSET), 0) << c.name;
        EXPECT_EQ(m_edit.GetSelection(), (Selection{0, 0})) << c.name;
    }
}

TEST_F(EditAreaTest, AppendTextScrollsTheCaretIntoView) {
    AnsiText text;
    for (int i = 0; i < 500; ++i) text += "line\r\n";
    m_edit.ResetText(text);
    m_edit.AppendText("end");
    const long caretLine = Call(Sci::SCI_LINEFROMPOSITION, Call(Sci::SCI_GETCURRENTPOS));
    const long first = Call(Sci::SCI_GETFIRSTVISIBLELINE);
    EXPECT_EQ(caretLine, 500);
    EXPECT_GE(caretLine, first);
    EXPECT_LT(caretLine, first + Call(Sci::SCI_LINESONSCREEN));
}

TEST_F(EditAreaTest, PastedTextKeepsItsLineEnds) {
    const ViewCase ways[] = {
        {"Paste", [](EditArea& e) { e.Paste(); }},
        {"QScintilla's paste", [](EditArea& e) { e.paste(); }},
        {"Ctrl+V", [](EditArea& e) { QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier); }},
        {"Shift+Insert", [](EditArea& e) { QTest::keyClick(&e, Qt::Key_Insert, Qt::ShiftModifier); }},
    };
    QtClipboard clipboard;
    for (const ViewCase& way : ways) {
        clipboard.SetText("1\r2\n3\r\n" + kZhong);
        m_edit.ResetText("ab");
        m_edit.SetSelection(1, 0);
        way.change(m_edit);
        EXPECT_EQ(m_edit.GetText(), "a1\r2\n3\r\n" + kZhong + "b") << way.name;
        EXPECT_EQ(m_edit.GetSelection(), (Selection{10, 0})) << way.name;
        m_edit.Undo();
        EXPECT_EQ(m_edit.GetText(), "ab") << way.name;
    }
}

TEST_F(EditAreaTest, ClipboardHoldsTheDocumentBytes) {
    QtClipboard clipboard;
    clipboard.SetText(kMixed);
    EXPECT_EQ(QGuiApplication::clipboard()->text().left(2), QStringLiteral("a中"));
    EXPECT_EQ(clipboard.GetText(), kMixed);
    QGuiApplication::clipboard()->setText(QStringLiteral("中文\n"));
    EXPECT_EQ(clipboard.GetText(), kZhong + kWen + "\n");
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(clipboard.GetText(), "");
}

TEST_F(EditAreaTest, DroppedFilesAreReportedNotInserted) {
    m_edit.ResetText("keep");
    QSignalSpy dropped(&m_edit, &EditArea::filesDropped);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/第一.txt")),
                  QUrl(QStringLiteral("https://example.com/x.txt")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/b c.txt"))});
    data.setText(QStringLiteral("file:///tmp/b c.txt"));
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &move);
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &drop);
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toStringList(),
              (QStringList{QStringLiteral("/tmp/第一.txt"), QStringLiteral("/tmp/b c.txt")}));
    EXPECT_EQ(m_edit.GetText(), "keep");
    EXPECT_FALSE(m_edit.IsModified());
}

TEST_F(EditAreaTest, DroppedTextIsInsertedWithItsLineEnds) {
    m_edit.ResetText("");
    QSignalSpy dropped(&m_edit, &EditArea::filesDropped);
    QMimeData data;
    data.setText(QStringLiteral("中\r文\n"));
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.viewport(), &drop);
    EXPECT_EQ(dropped.count(), 0);
    EXPECT_EQ(m_edit.GetText(), kZhong + "\r" + kWen + "\n");
    EXPECT_EQ(m_edit.GetSelection(), (Selection{0, 6}));
    EXPECT_TRUE(m_edit.IsModified());
    m_edit.Undo();
    EXPECT_EQ(m_edit.GetText(), "");
}

// Runs `act` on the widget `find` gives once it is up; `act` must close it.
void WhenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [find = std::move(find), act = std::move(act)]() mutable {
        if (QWidget* shown = find()) {
            act(shown);
        } else {
            WhenShown(std::move(find), std::move(act));
        }
    });
}

void WhenModal(std::function<void(QWidget*)> act) {
    WhenShown(&QApplication::activeModalWidget, std::move(act));
}

TEST_F(EditAreaTest, ContextMenuRunsTheDocumentsEditCommands) {
    m_edit.ResetText("ab");
    Press("c");
    QStringList captions;
    WhenShown(&QApplication::activePopupWidget, [&captions](QWidget* popup) {
        for (QAction* action : popup->actions()) {
            if (action->isSeparator()) continue;
            captions << action->text();
            if (action->text() == QStringLiteral("撤消(&U)")) action->trigger();
        }
        popup->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            m_edit.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_edit.viewport(), &event);
    EXPECT_EQ(captions, (QStringList{QStringLiteral("撤消(&U)"), QStringLiteral("剪切(&T)"),
                                     QStringLiteral("复制(&C)"), QStringLiteral("粘贴(&P)"),
                                     QStringLiteral("删除(&D)"), QStringLiteral("全选(&A)")}));
    EXPECT_EQ(m_edit.GetText(), "ab");  // the one-step undo, not Scintilla's
}

template <typename T>
T* Field(QWidget* dialog, const char* name) {
    T* field = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
}

QPushButton* ButtonWithText(QWidget* dialog, const char* text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == QString::fromUtf8(text)) return button;
    }
    ADD_FAILURE() << text;
    return nullptr;
}

// Clicks the dialog's button; a dialog still open after it fails the test
// and is closed, so that a broken button cannot hang the run.
void Click(QWidget* dialog, const char* text) {
    if (QPushButton* button = ButtonWithText(dialog, text)) button->click();
    if (dialog->isVisible()) {
        ADD_FAILURE() << "the dialog stayed open after " << text;
        static_cast<QDialog*>(dialog)->reject();
    }
}

// The colour the colour button's swatch shows.
QColor Swatch(QWidget* dialog) {
    const QIcon icon = Field<QPushButton>(dialog, "color")->icon();
    const QImage image = icon.pixmap(8, 8).toImage();
    return image.pixelColor(4, 4);
}

const FontChoice kPreset{"WenQuanYi Micro Hei", 12, true, false, true, false, 0x336699};

TEST(FontDialog, ShowsThePresetAndReturnsItOnOk) {
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("字体"));
        EXPECT_EQ(Field<QComboBox>(dialog, "fontFamily")->currentText(),
                  QStringLiteral("WenQuanYi Micro Hei"));
        EXPECT_EQ(Field<QComboBox>(dialog, "fontSize")->currentText(), QStringLiteral("12"));
        EXPECT_TRUE(Field<QCheckBox>(dialog, "bold")->isChecked());
        EXPECT_FALSE(Field<QCheckBox>(dialog, "italic")->isChecked());
        EXPECT_TRUE(Field<QCheckBox>(dialog, "underline")->isChecked());
        EXPECT_FALSE(Field<QCheckBox>(dialog, "strikeout")->isChecked());
        EXPECT_EQ(Swatch(dialog), QColor(0x33, 0x66, 0x99));
        Click(dialog, "确定");
    });
    EXPECT_EQ(RunFontDialog(nullptr, kPreset), kPreset);
}

TEST(FontDialog, ReturnsTheChangedFields) {
    QString otherFamily;
    WhenModal([&otherFamily](QWidget* dialog) {
        QComboBox* family = Field<QComboBox>(dialog, "fontFamily");
        family->setCurrentIndex(family->itemText(0) == family->currentText() ? 1 : 0);
        otherFamily = family->currentText();
        QComboBox* size = Field<QComboBox>(dialog, "fontSize");
        size->setEditText(QStringLiteral("20"));
        Field<QCheckBox>(dialog, "bold")->click();
        Field<QCheckBox>(dialog, "italic")->click();
        Field<QCheckBox>(dialog, "underline")->click();
        Field<QCheckBox>(dialog, "strikeout")->click();
        WhenModal([](QWidget* colors) {
            auto* chooser = qobject_cast<QColorDialog*>(colors);
            ASSERT_NE(chooser, nullptr);
            chooser->setCurrentColor(QColor(0x10, 0x20, 0x30));
            chooser->accept();
        });
        Field<QPushButton>(dialog, "color")->click();
        EXPECT_EQ(Swatch(dialog), QColor(0x10, 0x20, 0x30));
        Click(dialog, "确定");
    });
    const std::optional<FontChoice> chosen = RunFontDialog(nullptr, kPreset);
    ASSERT_FALSE(otherFamily.isEmpty());
    const FontChoice expected{otherFamily.toStdString(), 20, false, true, false, true, 0x102030};
    EXPECT_EQ(chosen, expected);
}

TEST(FontDialog, CancelReturnsNothing) {
    WhenModal([](QWidget* dialog) {
        Field<QCheckBox>(dialog, "bold")->click();
        Click(dialog, "取消");
    });
    EXPECT_EQ(RunFontDialog(nullptr, kPreset), std::nullopt);
}

TEST(FontDialog, FirstUsePresetsNothingAndBlack) {
    WhenModal([](QWidget* dialog) {
        QComboBox* family = Field<QComboBox>(dialog, "fontFamily");
        QComboBox* size = Field<QComboBox>(dialog, "fontSize");
        EXPECT_EQ(family->currentText(), QString());
        EXPECT_EQ(size->currentText(), QString());
        EXPECT_EQ(Swatch(dialog), QColor(Qt::black));
        QPushButton* ok = ButtonWithText(dialog, "确定");
        EXPECT_FALSE(ok->isEnabled());  // there is no font to return yet
        family->setCurrentIndex(family->findText(QStringLiteral("WenQuanYi Micro Hei")));
        size->setEditText(QStringLiteral("9"));
        EXPECT_TRUE(ok->isEnabled());
        Click(dialog, "确定");
    });
    const FontChoice expected{"WenQuanYi Micro Hei", 9, false, false, false, false, 0x000000};
    EXPECT_EQ(RunFontDialog(nullptr, std::nullopt), expected);
}

}  // namespace
}  // namespace scribbet
