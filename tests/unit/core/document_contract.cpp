#include "core/document_contract.h"

namespace scribbet {
namespace {

// 中 D6 D0, 文 CE C4
const AnsiText kChinese = "\xD6\xD0\xCE\xC4";

TEST_P(DocumentContract, StartsEmptyAndUnmodified) {
    EXPECT_EQ(doc().GetText(), "");
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().GetSelection(), (Selection{0, 0}));
    EXPECT_FALSE(doc().CanUndo());
}

TEST_P(DocumentContract, KeepsEveryByteAndLineEndForm) {
    // Lone CR and LF, CR LF, a pair that is no character (81 0D), a control
    // byte, Chinese, and a lone lead byte at the end.
    const AnsiText bytes = "a\rb\nc\r\n\x81\r\x01" + kChinese + "\xFF\xFF\x80";
    doc().ResetText(bytes);
    EXPECT_EQ(doc().GetText(), bytes);
    doc().SetText(bytes + "x");
    EXPECT_EQ(doc().GetText(), bytes + "x");
}

TEST_P(DocumentContract, ResetTextStartsAfresh) {
    doc().ResetText("old");
    doc().SetSelection(1, 1);
    doc().ReplaceSelection("X");
    ASSERT_TRUE(doc().IsModified());
    doc().ResetText(kChinese);
    EXPECT_EQ(doc().GetText(), kChinese);
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().GetSelection(), (Selection{0, 0}));
    EXPECT_FALSE(doc().CanUndo());
    doc().Undo();
    EXPECT_EQ(doc().GetText(), kChinese);
}

TEST_P(DocumentContract, SetTextIsOneUndoableEditThatMarksTheDocument) {
    doc().ResetText("before");
    doc().SetSelection(2, 3);
    doc().SetText("after");
    EXPECT_EQ(doc().GetText(), "after");
    EXPECT_TRUE(doc().IsModified());
    EXPECT_EQ(doc().GetSelection(), (Selection{0, 0}));
    doc().Undo();
    EXPECT_EQ(doc().GetText(), "before");
    EXPECT_TRUE(doc().IsModified());
    doc().Undo();  // the second undo reverts the first
    EXPECT_EQ(doc().GetText(), "after");
}

TEST_P(DocumentContract, SetTextOfTheSameTextChangesNothing) {
    doc().ResetText("same");
    doc().SetText("same");
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().GetText(), "same");
}

TEST_P(DocumentContract, SetTextKeepsAnEarlierModifiedFlag) {
    doc().ResetText("x");
    doc().SetModified(true);
    doc().SetText("x");
    EXPECT_TRUE(doc().IsModified());
}

TEST_P(DocumentContract, AppendTextAddsAtTheEndUndoably) {
    doc().ResetText("ab");
    doc().SetSelection(0, 1);
    doc().AppendText(kChinese);
    EXPECT_EQ(doc().GetText(), "ab" + kChinese);
    EXPECT_EQ(doc().GetSelection(), (Selection{6, 0}));
    EXPECT_TRUE(doc().IsModified());
    doc().Undo();
    EXPECT_EQ(doc().GetText(), "ab");
}

TEST_P(DocumentContract, AppendingNothingLeavesTheFlag) {
    doc().ResetText("ab");
    doc().AppendText("");
    EXPECT_EQ(doc().GetText(), "ab");
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().GetSelection(), (Selection{2, 0}));
}

struct SelectionCase {
    Pos start;
    Pos length;
    Selection expected;
};

TEST_P(DocumentContract, SelectionCountsBytesAndIsClamped) {
    doc().ResetText("a" + kChinese + "b");  // 61 | D6 D0 | CE C4 | 62
    const SelectionCase cases[] = {
        {1, 2, {1, 2}},     // exactly 中
        {1, 4, {1, 4}},     // 中文
        {0, 99, {0, 6}},    // cut at the end
        {-3, 3, {0, 3}},    // negative start counts as 0
        {0, 2, {0, 1}},     // an end inside 中 moves to its start
        {3, -1, {3, 0}},    // negative length is a caret
        {2, 2, {1, 2}},     // start inside 中 moves to its start
        {9, 1, {6, 0}},     // past the end
    };
    for (const SelectionCase& c : cases) {
        doc().SetSelection(c.start, c.length);
        EXPECT_EQ(doc().GetSelection(), c.expected) << "start " << c.start << " length " << c.length;
    }
    EXPECT_FALSE(doc().IsModified());
    EXPECT_EQ(doc().GetText(), "a" + kChinese + "b");
}

TEST_P(DocumentContract, TypingIsUndoneAndRedone) {
    doc().ResetText("hello");
    doc().SetSelection(5, 0);
    doc().ReplaceSelection(kChinese);
    EXPECT_EQ(doc().GetText(), "hello" + kChinese);
    EXPECT_EQ(doc().GetSelection(), (Selection{9, 0}));
    EXPECT_TRUE(doc().IsModified());
    doc().SetModified(false);
    doc().Undo();
    EXPECT_EQ(doc().GetText(), "hello");
    EXPECT_TRUE(doc().IsModified());
    doc().Undo();
    EXPECT_EQ(doc().GetText(), "hello" + kChinese);
}

TEST_P(DocumentContract, CutCopyPasteGoThroughTheClipboard) {
    doc().ResetText("ab" + kChinese + "cd");
    doc().SetSelection(2, 2);
    doc().Copy();
    EXPECT_EQ(clipboard().GetText(), "\xD6\xD0");
    EXPECT_FALSE(doc().IsModified());

    doc().SetSelection(0, 2);
    doc().Cut();
    EXPECT_EQ(clipboard().GetText(), "ab");
    EXPECT_EQ(doc().GetText(), kChinese + "cd");
    EXPECT_TRUE(doc().IsModified());

    doc().SetSelection(6, 0);
    doc().Paste();
    EXPECT_EQ(doc().GetText(), kChinese + "cdab");
    doc().Undo();
    EXPECT_EQ(doc().GetText(), kChinese + "cd");
}

TEST_P(DocumentContract, CutWithoutSelectionDoesNothing) {
    clipboard().SetText("kept");
    doc().ResetText("abc");
    doc().SetSelection(1, 0);
    doc().Cut();
    doc().Copy();
    EXPECT_EQ(clipboard().GetText(), "kept");
    EXPECT_EQ(doc().GetText(), "abc");
    EXPECT_FALSE(doc().IsModified());
}

TEST_P(DocumentContract, PasteReplacesTheSelection) {
    clipboard().SetText(kChinese);
    doc().ResetText("a-b");
    doc().SetSelection(1, 1);
    doc().Paste();
    EXPECT_EQ(doc().GetText(), "a" + kChinese + "b");
    EXPECT_EQ(doc().GetSelection(), (Selection{5, 0}));
}

TEST_P(DocumentContract, SelectAllSelectsEveryByte) {
    doc().ResetText("a\r\n" + kChinese);
    doc().SelectAll();
    EXPECT_EQ(doc().GetSelection(), (Selection{0, 7}));
}

TEST_P(DocumentContract, UndoWithEmptyHistoryDoesNothing) {
    doc().ResetText("abc");
    doc().Undo();
    EXPECT_EQ(doc().GetText(), "abc");
    EXPECT_FALSE(doc().IsModified());
}

}  // namespace
}  // namespace scribbet
