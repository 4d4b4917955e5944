// Files in each encoding opened, edited by a tool, saved, and compared byte
// for byte with what another program would have written.
#include <gtest/gtest.h>

#include "batch/temp_folder.h"
#include "core/file_commands.h"
#include "core/iconv_reference.h"
#include "core/memory_document.h"
#include "fakes/fake_files.h"
#include "fakes/fake_prompts.h"

namespace scribbet {
namespace {

using namespace std::string_literals;

AnsiText Gbk(const std::string& utf8) {
    return IconvConvert(utf8, "UTF-8", "GB18030").value_or("<no iconv>");
}

std::string Reference(const std::string& utf8, FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Utf8:
            return utf8;
        case FileEncoding::Utf8Bom:
            return "\xEF\xBB\xBF" + utf8;
        case FileEncoding::Utf16Le:
            return "\xFF\xFE" + IconvConvert(utf8, "UTF-8", "UTF-16LE").value_or("?");
        case FileEncoding::Utf16Be:
            return "\xFE\xFF" + IconvConvert(utf8, "UTF-8", "UTF-16BE").value_or("?");
        case FileEncoding::Ansi:
            break;
    }
    return Gbk(utf8);
}

class NoEvents final : public FileCommandEvents {
public:
    std::vector<FileEncoding> shown;
    void SetCaption(const std::string&) override {}
    void AddRecentFile(const std::string&) override {}
    void ShowEncoding(FileEncoding encoding) override { shown.push_back(encoding); }
};

struct EditCase {
    const char* name;
    std::string file;       // the bytes on disk
    FileEncoding encoding;  // as the file is taken
    std::string sought;     // the replace tool's fields, in the code page
    std::string replacement;
    std::string saved;  // the bytes after saving
};

void PrintTo(const EditCase& c, std::ostream* out) { *out << c.name; }

std::vector<EditCase> EditCases() {
    const std::string before = "中文第一行\r\n第二行 abc😀\r\n";
    const std::string after = "中文第一段\r\n第二段 abc😀\r\n";
    std::vector<EditCase> cases;
    const std::pair<const char*, FileEncoding> unicode[] = {
        {"Utf8", FileEncoding::Utf8},
        {"Utf8Bom", FileEncoding::Utf8Bom},
        {"Utf16Le", FileEncoding::Utf16Le},
        {"Utf16Be", FileEncoding::Utf16Be},
    };
    for (const auto& [name, encoding] : unicode) {
        cases.push_back({name, Reference(before, encoding), encoding, Gbk("行"), Gbk("段"),
                         Reference(after, encoding)});
    }
    // GBK whose only valid UTF-8 is its ASCII: taken and written raw.
    cases.push_back({"GbkValidUtf8OnlyInAscii", Gbk(before), FileEncoding::Ansi, Gbk("行"),
                     Gbk("段"), Gbk(after)});
    // A UTF-8 file with one broken byte is raw bytes: only the ASCII edit
    // changes it, the rest goes back as it came.
    cases.push_back({"InvalidUtf8", "\xE4\xB8\xAD\xFF" "abc\r\n", FileEncoding::Ansi, "abc",
                     "xyz", "\xE4\xB8\xAD\xFF" "xyz\r\n"});
    // A zero byte: raw, and the loading rule ends the text before it.
    cases.push_back({"Utf8WithZeroByte", "abc \xE4\xB8\xAD\xE6\x96\x87\0tail"s,
                     FileEncoding::Ansi, "abc", "xyz", "xyz \xE4\xB8\xAD\xE6\x96\x87"});
    return cases;
}

class EditedFileTest : public TempFolderTest, public ::testing::WithParamInterface<EditCase> {
protected:
    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
    FakePrompts prompts;
    NoEvents events;
    FileCommands commands{document, files, prompts, events};
};

TEST_P(EditedFileTest, SavesTheEditInTheFilesOwnEncoding) {
    if (!SCRIBBET_HAVE_ICONV) GTEST_SKIP() << "no glibc iconv to compare with";
    const EditCase& c = GetParam();
    const std::string path = Put("file.txt", c.file);
    ASSERT_TRUE(commands.LoadTextFile(path));
    EXPECT_EQ(commands.Encoding(), c.encoding);
    // GBK text with GB18030's four-byte characters asks before it is written.
    prompts.answers = {Answer::Yes, Answer::Yes};

    // Unedited, it goes back byte for byte (a raw file up to the loading
    // rule's stop).
    ASSERT_EQ(commands.SaveDocument(std::nullopt), SaveResult::Saved);
    const bool raw = c.encoding == FileEncoding::Ansi;
    EXPECT_EQ(Get(path), raw ? c.file.substr(0, c.file.find('\0')) : c.file);

    document.SetText(ReplaceText(document.GetText(), c.sought, c.replacement, true));
    ASSERT_EQ(commands.SaveDocument(std::nullopt), SaveResult::Saved);
    EXPECT_EQ(Get(path), c.saved);
    EXPECT_EQ(commands.Encoding(), c.encoding);
}

INSTANTIATE_TEST_SUITE_P(Files, EditedFileTest, ::testing::ValuesIn(EditCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class EncodingCommandsTest : public ::testing::Test {
protected:
    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
    FakeFiles files;
    FakePrompts prompts;
    NoEvents events;
    FileCommands commands{document, files, prompts, events};
};

struct BeyondGbkCase {
    const char* name;
    Answer answer;
    SaveResult result;
    bool written;
};

void PrintTo(const BeyondGbkCase& c, std::ostream* out) { *out << c.name; }

class BeyondGbkTest : public EncodingCommandsTest,
                      public ::testing::WithParamInterface<BeyondGbkCase> {};

TEST_P(BeyondGbkTest, SavingAsAnsiAsksNamingHowMany) {
    // 😀 and 𠀀 as GB18030 four-byte codes, and an undecodable pair that is
    // not counted.
    files.files["/d/u.txt"] = "\xEF\xBB\xBF\xF0\x9F\x98\x80\xF0\xA0\x80\x80";
    ASSERT_TRUE(commands.LoadTextFile("/d/u.txt"));
    document.SetText(document.GetText() + "\x80\x30");
    prompts.answers.push_back(GetParam().answer);
    EXPECT_EQ(commands.SaveInEncoding(FileEncoding::Ansi), GetParam().result);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Question);
    EXPECT_NE(prompts.messages[0].text.find(" 2 个字符不在 GBK"), std::string::npos)
        << prompts.messages[0].text;
    const std::string ansi = "\x94\x39\xFC\x36\x95\x32\x82\x36\x80\x30";
    EXPECT_EQ(files.files["/d/u.txt"] == ansi, GetParam().written);
    EXPECT_EQ(commands.Encoding(),
              GetParam().written ? FileEncoding::Ansi : FileEncoding::Utf8Bom);
    EXPECT_EQ(document.IsModified(), !GetParam().written);
}

const BeyondGbkCase kBeyondGbk[] = {
    {"Yes", Answer::Yes, SaveResult::Saved, true},
    {"No", Answer::No, SaveResult::Cancelled, false},
    {"Cancel", Answer::Cancel, SaveResult::Cancelled, false},
};
INSTANTIATE_TEST_SUITE_P(Answers, BeyondGbkTest, ::testing::ValuesIn(kBeyondGbk),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EncodingCommandsTest, DecliningTheAnsiSaveStopsThePendingCommand) {
    files.files["/d/a.txt"] = "a";
    ASSERT_TRUE(commands.LoadTextFile("/d/a.txt"));
    document.SetText("\x94\x39\xFC\x36");
    document.SetModified(true);
    prompts.answers = {Answer::Yes, Answer::No};  // save changes? yes; as ANSI? no
    commands.New();
    EXPECT_EQ(document.GetText(), "\x94\x39\xFC\x36");
    EXPECT_EQ(files.files["/d/a.txt"], "a");
    EXPECT_EQ(prompts.messages.size(), 2u);
}

TEST_F(EncodingCommandsTest, UnicodeSavesNeverAskAndGbkTextsNeverAsk) {
    files.files["/d/u.txt"] = "\xF0\x9F\x98\x80";
    ASSERT_TRUE(commands.LoadTextFile("/d/u.txt"));
    document.SetText(document.GetText() + "x");
    EXPECT_EQ(commands.SaveDocument(std::nullopt), SaveResult::Saved);
    EXPECT_EQ(files.files["/d/u.txt"], "\xF0\x9F\x98\x80x");
    document.SetText("\xD6\xD0");
    EXPECT_EQ(commands.SaveInEncoding(FileEncoding::Ansi), SaveResult::Saved);
    EXPECT_EQ(files.files["/d/u.txt"], "\xD6\xD0");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(EncodingCommandsTest, SaveInAnotherEncodingMakesItTheFilesEncoding) {
    files.files["/d/a.txt"] = "\xD6\xD0\r\n";
    ASSERT_TRUE(commands.LoadTextFile("/d/a.txt"));
    EXPECT_EQ(commands.SaveInEncoding(FileEncoding::Utf8Bom), SaveResult::Saved);
    EXPECT_EQ(files.files["/d/a.txt"], "\xEF\xBB\xBF\xE4\xB8\xAD\r\n");
    EXPECT_EQ(commands.Encoding(), FileEncoding::Utf8Bom);
    document.SetText("\xCE\xC4");
    EXPECT_EQ(commands.SaveDocument(std::nullopt), SaveResult::Saved);
    EXPECT_EQ(files.files["/d/a.txt"], "\xEF\xBB\xBF\xE6\x96\x87");
    EXPECT_EQ(events.shown.back(), FileEncoding::Utf8Bom);
}

TEST_F(EncodingCommandsTest, AFailedSaveKeepsTheEncoding) {
    files.files["/d/a.txt"] = "\xD6\xD0";
    ASSERT_TRUE(commands.LoadTextFile("/d/a.txt"));
    files.unwritable.insert("/d/a.txt");
    EXPECT_EQ(commands.SaveInEncoding(FileEncoding::Utf8), SaveResult::Failed);
    EXPECT_EQ(commands.Encoding(), FileEncoding::Ansi);
}

TEST_F(EncodingCommandsTest, ReopenReadsTheFileAgainInTheChosenEncoding) {
    files.files["/d/u.txt"] = "\xE4\xB8\xAD";
    ASSERT_TRUE(commands.LoadTextFile("/d/u.txt"));
    EXPECT_EQ(document.GetText(), "\xD6\xD0");
    EXPECT_TRUE(commands.ReopenAs(FileEncoding::Ansi));
    EXPECT_EQ(document.GetText(), "\xE4\xB8\xAD");
    EXPECT_EQ(commands.Encoding(), FileEncoding::Ansi);
    EXPECT_TRUE(commands.ReopenAs(FileEncoding::Utf8));
    EXPECT_EQ(document.GetText(), "\xD6\xD0");
    EXPECT_EQ(commands.Encoding(), FileEncoding::Utf8);
    EXPECT_EQ(commands.CurrentPath(), "/d/u.txt");
}

TEST_F(EncodingCommandsTest, ReopenInAFormTheFileIsNotInChangesNothing) {
    files.files["/d/g.txt"] = "\xD6\xD0";
    ASSERT_TRUE(commands.LoadTextFile("/d/g.txt"));
    EXPECT_FALSE(commands.ReopenAs(FileEncoding::Utf8));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(document.GetText(), "\xD6\xD0");
    EXPECT_EQ(commands.Encoding(), FileEncoding::Ansi);
}

TEST_F(EncodingCommandsTest, ReopenOfAModifiedDocumentAsksFirst) {
    files.files["/d/u.txt"] = "\xE4\xB8\xAD";
    ASSERT_TRUE(commands.LoadTextFile("/d/u.txt"));
    document.SetModified(true);
    EXPECT_FALSE(commands.ReopenAs(FileEncoding::Ansi));  // the prompt is cancelled
    EXPECT_EQ(document.GetText(), "\xD6\xD0");
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(commands.Encoding(), FileEncoding::Utf8);
    commands.New();
    EXPECT_FALSE(commands.ReopenAs(FileEncoding::Utf8));  // untitled: nothing to reopen
}

TEST_F(EncodingCommandsTest, NewAndFailedLoadsAreAnsi) {
    files.files["/d/u.txt"] = "\xE4\xB8\xAD";
    ASSERT_TRUE(commands.LoadTextFile("/d/u.txt"));
    commands.New();
    EXPECT_EQ(commands.Encoding(), FileEncoding::Ansi);
    ASSERT_TRUE(commands.LoadTextFile("/d/u.txt"));
    EXPECT_FALSE(commands.LoadTextFile("/d/missing.txt"));
    EXPECT_EQ(commands.Encoding(), FileEncoding::Ansi);
}

}  // namespace
}  // namespace scribbet
