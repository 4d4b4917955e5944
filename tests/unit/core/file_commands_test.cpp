#include "core/file_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/memory_document.h"
#include "fakes/fake_files.h"
#include "fakes/fake_prompts.h"

namespace scribbet {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* name;
    ByteBuffer bytes;
    AnsiText expected;
};

class ReadTextFileTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTextFileTest, StopsAtZeroOrCtrlZAtACharacterStart) {
    EXPECT_EQ(ReadTextFile(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadTextFileTest,
    ::testing::Values(
        ReadCase{"Empty", "", ""},
        ReadCase{"CtrlZEnds", "ab\x1A" "cd", "ab"},
        ReadCase{"ZeroEnds", "ab\0cd"s, "ab"},
        ReadCase{"CtrlZAsTrailByteKept", "\xB0\x1A" "cd\x1A" "e", "\xB0\x1A" "cd"},
        ReadCase{"LeadBeforeZeroDropped", "ab\xB0\0cd"s, "ab"},
        ReadCase{"LoneLeadAtEndKept", "ab\xB0", "ab\xB0"},
        ReadCase{"ByteOrderMarkKept", "\xEF\xBB\xBF" "a\r\n", "\xEF\xBB\xBF" "a\r\n"},
        ReadCase{"Utf16UpToFirstZero", "\xFF\xFE" "a\0b\0"s, "\xFF\xFE" "a"},
        ReadCase{"ChineseThenCtrlZ", "\xD6\xD0\xCE\xC4\x1A\xD6\xD0", "\xD6\xD0\xCE\xC4"},
        ReadCase{"TrailCtrlZThenZeroAtStart", "\xB0\x1A\xB0\x1A\0x"s, "\xB0\x1A\xB0\x1A"},
        ReadCase{"AsciiTrailThenCtrlZ", "\x81" "a\x1A", "\x81" "a"},
        ReadCase{"NothingToStop", "plain\r\ntext", "plain\r\ntext"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTextFile, LongRunsOfDoubleByteCharacters) {
    std::string run;
    for (int i = 0; i < 10000; ++i) run += "\xB0\xA1";
    EXPECT_EQ(ReadTextFile(run + "\x1A" "tail"), run);
    EXPECT_EQ(ReadTextFile(run + "\xB0\x1A" "x"), run + "\xB0\x1A" "x");
    EXPECT_EQ(ReadTextFile(run + "\xB0"s + "\0x"s), run);
}

class RecordingEvents final : public FileCommandEvents {
public:
    std::vector<std::string> captions;
    std::vector<std::string> recent;
    void SetCaption(const std::string& caption) override { captions.push_back(caption); }
    void AddRecentFile(const std::string& path) override { recent.push_back(path); }
};

const char kAskSave[] = "文件已经被修改，是否保存？";
const char kSaveFailed[] = "保存文件失败！";
const char kOpenFailed[] = "打开文件失败！";

class FileCommandsTest : public ::testing::Test {
protected:
    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
    FakeFiles files;
    FakePrompts prompts;
    RecordingEvents events;
    FileCommands commands{document, files, prompts, events};

    // The document after loading `path`, then changed by typing.
    void LoadAndEdit(const std::string& path, const ByteBuffer& bytes) {
        files.files[path] = bytes;
        ASSERT_TRUE(commands.LoadTextFile(path));
        document.SetSelection(0, 0);
        document.ReplaceSelection("edit ");
        events = RecordingEvents();
    }
    int QuestionsAsked() const {
        int n = 0;
        for (const auto& m : prompts.messages) n += m.kind == MessageKind::Question;
        return n;
    }
};

TEST_F(FileCommandsTest, OpenLoadsTheFileByTheLoadingRule) {
    files.files["/d/a.txt"] = "\xD6\xD0\r\n\x1A" "junk";
    prompts.choices.push_back("/d/a.txt"s);
    commands.Open();
    ASSERT_EQ(prompts.choosers.size(), 1u);
    EXPECT_EQ(prompts.choosers[0].kind, ChooserKind::Open);
    EXPECT_EQ(prompts.choosers[0].title, "请输入欲打开的文本文件名：");
    EXPECT_EQ(document.GetText(), "\xD6\xD0\r\n");
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.CanUndo());
    EXPECT_EQ(commands.CurrentPath(), "/d/a.txt");
    EXPECT_EQ(events.captions, std::vector<std::string>{"Scribbet - /d/a.txt"});
    EXPECT_EQ(events.recent, std::vector<std::string>{"/d/a.txt"});
}

TEST_F(FileCommandsTest, OpenCancelledChangesNothing) {
    LoadAndEdit("/d/a.txt", "text");
    prompts.answers.push_back(Answer::No);
    commands.Open();
    EXPECT_EQ(document.GetText(), "edit text");
    EXPECT_EQ(commands.CurrentPath(), "/d/a.txt");
    EXPECT_TRUE(events.captions.empty());
    EXPECT_TRUE(events.recent.empty());
}

TEST_F(FileCommandsTest, OpenOfAnUnreadableFileIsReportedAndLeavesAnEmptyUntitledDocument) {
    LoadAndEdit("/d/a.txt", "text");
    files.unreadable.insert("/d/bad.txt");
    files.files["/d/bad.txt"] = "never shown";
    prompts.answers.push_back(Answer::No);
    prompts.choices.push_back("/d/bad.txt"s);
    commands.Open();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[1].text, kOpenFailed);
    EXPECT_EQ(document.GetText(), "");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(commands.CurrentPath(), "");
    EXPECT_EQ(events.captions, std::vector<std::string>{"Scribbet"});
    EXPECT_TRUE(events.recent.empty());
}

TEST_F(FileCommandsTest, SaveWritesTheCurrentFileWithoutAsking) {
    LoadAndEdit("/d/a.txt", "\xD6\xD0");
    commands.Save();
    EXPECT_TRUE(prompts.choosers.empty());
    EXPECT_EQ(files.files["/d/a.txt"], "edit \xD6\xD0");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(events.recent, std::vector<std::string>{"/d/a.txt"});
    EXPECT_TRUE(events.captions.empty());  // saving never changes the caption
}

TEST_F(FileCommandsTest, SaveOfAnUntitledDocumentAsksForAName) {
    document.ResetText("new text");
    document.SetModified(true);
    prompts.choices.push_back("/d/new.txt"s);
    commands.Save();
    ASSERT_EQ(prompts.choosers.size(), 1u);
    EXPECT_EQ(prompts.choosers[0].kind, ChooserKind::Save);
    EXPECT_EQ(prompts.choosers[0].title, "请输入欲保存到的文本文件名：");
    EXPECT_EQ(files.files["/d/new.txt"], "new text");
    EXPECT_EQ(commands.CurrentPath(), "/d/new.txt");
    EXPECT_FALSE(document.IsModified());
}

TEST_F(FileCommandsTest, SaveOfAnEmptyDocumentWritesAnEmptyFile) {
    prompts.choices.push_back("/d/empty.txt"s);
    commands.Save();
    ASSERT_EQ(files.files.count("/d/empty.txt"), 1u);
    EXPECT_EQ(files.files["/d/empty.txt"], "");
}

TEST_F(FileCommandsTest, FailedSaveIsReportedAndKeepsEverything) {
    LoadAndEdit("/d/a.txt", "old");
    files.unwritable.insert("/d/a.txt");
    const Selection selection = document.GetSelection();
    EXPECT_EQ(commands.SaveDocument(std::nullopt), SaveResult::Failed);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, kSaveFailed);
    EXPECT_EQ(files.files["/d/a.txt"], "old");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetSelection(), selection);
    EXPECT_EQ(commands.CurrentPath(), "/d/a.txt");
    EXPECT_TRUE(events.recent.empty());
}

TEST_F(FileCommandsTest, SaveAsAlwaysAsksAndTakesTheNewName) {
    LoadAndEdit("/d/a.txt", "text");
    document.SetModified(false);
    prompts.choices.push_back("/d/b.txt"s);
    commands.SaveAs();
    ASSERT_EQ(prompts.choosers.size(), 1u);
    EXPECT_EQ(prompts.choosers[0].title, "请输入欲另存到的文本文件名：");
    EXPECT_EQ(files.files["/d/b.txt"], "edit text");
    EXPECT_EQ(files.files["/d/a.txt"], "text");
    EXPECT_EQ(commands.CurrentPath(), "/d/b.txt");
    EXPECT_EQ(events.recent, std::vector<std::string>{"/d/b.txt"});
    EXPECT_TRUE(events.captions.empty());
}

TEST_F(FileCommandsTest, SaveAsCancelledWritesNothing) {
    LoadAndEdit("/d/a.txt", "text");
    commands.SaveAs();
    EXPECT_EQ(files.writes, 0);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(FileCommandsTest, NewEmptiesTheDocumentAndKeepsTheRecentFiles) {
    files.files["/d/a.txt"] = "text";
    ASSERT_TRUE(commands.LoadTextFile("/d/a.txt"));
    events = RecordingEvents();
    commands.New();
    EXPECT_EQ(QuestionsAsked(), 0);
    EXPECT_EQ(document.GetText(), "");
    EXPECT_EQ(commands.CurrentPath(), "");
    EXPECT_EQ(events.captions, std::vector<std::string>{"Scribbet"});
    EXPECT_TRUE(events.recent.empty());
}

TEST_F(FileCommandsTest, AToolEditCountsAsAChangeToSave) {
    files.files["/d/a.txt"] = "text";
    ASSERT_TRUE(commands.LoadTextFile("/d/a.txt"));
    document.SetText("TEXT");  // a whole-text tool
    prompts.answers.push_back(Answer::Cancel);
    commands.New();
    EXPECT_EQ(QuestionsAsked(), 1);
    EXPECT_EQ(document.GetText(), "TEXT");
}

TEST_F(FileCommandsTest, CloseCheckSkipsTheQuestionForAnEmptyText) {
    document.ResetText("x");
    document.SelectAll();
    document.ReplaceSelection("");
    ASSERT_TRUE(document.IsModified());
    EXPECT_TRUE(commands.CanClose());
    EXPECT_EQ(QuestionsAsked(), 0);
    EXPECT_FALSE(commands.Exit());  // Exit asks in the same state; unscripted: Cancel
    EXPECT_EQ(QuestionsAsked(), 1);
}

TEST_F(FileCommandsTest, YesSavesToTheCurrentFileAndGoesOn) {
    LoadAndEdit("/d/a.txt", "text");
    prompts.answers.push_back(Answer::Yes);
    EXPECT_TRUE(commands.Exit());
    EXPECT_EQ(prompts.messages[0].text, kAskSave);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Question);
    EXPECT_EQ(files.files["/d/a.txt"], "edit text");
}

// The fixture's members, for the tables below.
class Harness : public FileCommandsTest {
public:
    using FileCommandsTest::commands;
    using FileCommandsTest::document;
    using FileCommandsTest::events;
    using FileCommandsTest::files;
    using FileCommandsTest::LoadAndEdit;
    using FileCommandsTest::prompts;
    void TestBody() override {}
};

// Every command that may throw away the document stops when the user
// cancels, when the save chooser is cancelled and when the save fails.
struct PendingCase {
    const char* name;
    // Runs the command on a modified document; returns whether it went on.
    bool (*run)(Harness& h);
};

bool New(Harness& h) {
    h.commands.New();
    return h.document.GetText().empty();
}
bool Open(Harness& h) {
    h.commands.Open();
    return h.prompts.choosers.size() > 0 &&
           h.prompts.choosers.back().kind == ChooserKind::Open;
}
bool Exit(Harness& h) { return h.commands.Exit(); }
bool Close(Harness& h) { return h.commands.CanClose(); }
bool Drop(Harness& h) {
    h.files.files["/d/dropped.txt"] = "dropped";
    h.commands.DropFiles({"/d/dropped.txt"});
    return h.document.GetText() == "dropped";
}

class PendingCommandsTest : public ::testing::TestWithParam<PendingCase> {
protected:
    Harness h;
};

TEST_P(PendingCommandsTest, CancelStops) {
    h.LoadAndEdit("/d/a.txt", "text");
    h.prompts.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(GetParam().run(h));
    EXPECT_EQ(h.document.GetText(), "edit text");
}

TEST_P(PendingCommandsTest, NoGoesOnWithoutSaving) {
    h.LoadAndEdit("/d/a.txt", "text");
    h.prompts.answers.push_back(Answer::No);
    EXPECT_TRUE(GetParam().run(h));
    EXPECT_EQ(h.files.files["/d/a.txt"], "text");
}

TEST_P(PendingCommandsTest, YesWithAFailedSaveStops) {
    h.LoadAndEdit("/d/a.txt", "text");
    h.files.unwritable.insert("/d/a.txt");
    h.prompts.answers.push_back(Answer::Yes);
    EXPECT_FALSE(GetParam().run(h));
    EXPECT_EQ(h.prompts.messages.back().text, kSaveFailed);
    EXPECT_EQ(h.document.GetText(), "edit text");
    EXPECT_TRUE(h.document.IsModified());
}

TEST_P(PendingCommandsTest, YesOnAnUntitledDocumentWithTheChooserCancelledStops) {
    h.document.ResetText("untitled work");
    h.document.SetModified(true);
    h.prompts.answers.push_back(Answer::Yes);
    EXPECT_FALSE(GetParam().run(h));
    ASSERT_EQ(h.prompts.choosers.size(), 1u);
    EXPECT_EQ(h.prompts.choosers[0].kind, ChooserKind::Save);
    EXPECT_EQ(h.document.GetText(), "untitled work");
}

INSTANTIATE_TEST_SUITE_P(Commands, PendingCommandsTest,
                         ::testing::Values(PendingCase{"New", New}, PendingCase{"Open", Open},
                                           PendingCase{"Exit", Exit},
                                           PendingCase{"Close", Close},
                                           PendingCase{"Drop", Drop}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DropFiles, OpensTheFirstFileAsOpenDoesButAddsNoRecentFile) {
    Harness h;
    h.files.files["/d/a.txt"] = "first";
    ASSERT_TRUE(h.commands.LoadTextFile("/d/a.txt"));
    h.events.recent.clear();
    h.files.files["/d/one.txt"] = "one\x1A" "cut";
    h.files.files["/d/two.txt"] = "two";
    h.commands.DropFiles({"/d/one.txt", "/d/two.txt"});
    EXPECT_EQ(h.document.GetText(), "one");
    EXPECT_EQ(h.commands.CurrentPath(), "/d/one.txt");
    EXPECT_EQ(h.events.captions.back(), "Scribbet - /d/one.txt");
    EXPECT_TRUE(h.events.recent.empty());
    // Save now writes the dropped file, never the one shown before.
    h.document.AppendText("!");
    h.commands.Save();
    EXPECT_EQ(h.files.files["/d/one.txt"], "one!");
    EXPECT_EQ(h.files.files["/d/a.txt"], "first");
}

TEST(DropFiles, AnUnreadableDropIsReported) {
    Harness h;
    h.commands.DropFiles({"/d/missing.txt"});
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, kOpenFailed);
    EXPECT_EQ(h.commands.CurrentPath(), "");
}

}  // namespace
}  // namespace scribbet
