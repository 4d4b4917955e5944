#include "batch/header_footer.h"

#include <gtest/gtest.h>

#include "batch/temp_folder.h"
#include "fakes/fake_files.h"

namespace scribbet {
namespace {

using namespace std::string_literals;
using Mode = HeaderFooterMode;

HeaderFooterChoice Choice(Mode mode, bool header, bool footer, bool backup = false) {
    HeaderFooterChoice choice;
    choice.mode = mode;
    choice.header = header;
    choice.footer = footer;
    choice.backup = backup;
    return choice;
}

struct ApplyCase {
    const char* name;
    HeaderFooterChoice choice;
    std::string key;
    std::string data;
    std::string result;
};

void PrintTo(const ApplyCase& c, std::ostream* out) { *out << c.name; }

class ApplyHeaderFooterTest : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyHeaderFooterTest, ChangesOnlyTheChosenEnds) {
    const ApplyCase& c = GetParam();
    EXPECT_EQ(ApplyHeaderFooter(c.data, c.key, c.choice), c.result);
}

const ApplyCase kApplies[] = {
    {"AddBoth", Choice(Mode::Add, true, true), "##", "abc", "##abc##"},
    {"AddHeader", Choice(Mode::Add, true, false), "##", "abc", "##abc"},
    {"AddFooter", Choice(Mode::Add, false, true), "##", "abc", "abc##"},
    {"AddToEmpty", Choice(Mode::Add, true, true), "#", "", "##"},
    {"RemoveBoth", Choice(Mode::Remove, true, true), "##", "##abc##", "abc"},
    {"RemoveBothOnlyHeaderThere", Choice(Mode::Remove, true, true), "##", "##abc", "abc"},
    {"RemoveBothNeitherThere", Choice(Mode::Remove, true, true), "##", "abc", "abc"},
    {"RemoveWholeThenFooterFindsNothing", Choice(Mode::Remove, true, true), "abc", "abc", ""},
    {"RemoveHeaderOnlyAtTheVeryStart", Choice(Mode::Remove, true, false), "ab", "aab", "aab"},
    {"RemoveFooterLeavesHeader", Choice(Mode::Remove, false, true), "##", "##abc##", "##abc"},
    {"RemoveCaseCounts", Choice(Mode::Remove, true, true), "AB", "abXab", "abXab"},
    {"RemoveShorterDataNeverMatches", Choice(Mode::Remove, true, true), "###", "##", "##"},
    // 啊 B0 A1 ends the file: a key equal to its trail byte matches, by bytes.
    {"RemoveTrailByte", Choice(Mode::Remove, false, true), "\xA1", "x\xB0\xA1", "x\xB0"},
    {"ZeroBytesAreData", Choice(Mode::Remove, true, true), "\0"s, "\0a\0"s, "a"},
};
INSTANTIATE_TEST_SUITE_P(Bytes, ApplyHeaderFooterTest, ::testing::ValuesIn(kApplies),
                         [](const auto& info) { return std::string(info.param.name); });

struct CheckCase {
    const char* name;
    std::vector<std::string> paths;
    std::string key;
    HeaderFooterChoice choice;
    HeaderFooterCheck check;
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

class CheckHeaderFooterTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckHeaderFooterTest, ListThenPositionThenKey) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(CheckHeaderFooter(c.paths, c.key, c.choice), c.check);
}

const CheckCase kChecks[] = {
    {"NothingAtAll", {}, "", Choice(Mode::Add, false, false), HeaderFooterCheck::NoFiles},
    {"NoPositionNoKey", {"/a"}, "", Choice(Mode::Remove, false, false),
     HeaderFooterCheck::NoPosition},
    {"NoKey", {"/a"}, "", Choice(Mode::Add, false, true), HeaderFooterCheck::NoKey},
    {"Ready", {"/a"}, "#", Choice(Mode::Add, true, false), HeaderFooterCheck::Ready},
};
INSTANTIATE_TEST_SUITE_P(Fields, CheckHeaderFooterTest, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

class ChangeHeaderFooterTest : public TempFolderTest {};

TEST_F(ChangeHeaderFooterTest, RewritesEveryListedFileInPlace) {
    const std::string a = Put("a.txt", "abc");
    const std::string b = Put("sub/b.txt", "\xD6\xD0");  // 中
    const BatchOutcome outcome =
        ChangeHeaderFooter(files, {a, b}, "\xCE\xC4", Choice(Mode::Add, true, false));  // 文
    EXPECT_TRUE(outcome.failed.empty());
    EXPECT_EQ(outcome.written, (std::vector<std::string>{a, b}));
    EXPECT_EQ(Get(a), "\xCE\xC4" "abc");
    EXPECT_EQ(Get(b), "\xCE\xC4\xD6\xD0");
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "sub", "sub/b.txt"}));
}

TEST_F(ChangeHeaderFooterTest, AddingTwiceAddsTwiceAndTheBackupHoldsTheStateBefore) {
    const std::string a = Put("a.txt", "abc");
    const HeaderFooterChoice choice = Choice(Mode::Add, true, true, true);
    EXPECT_TRUE(ChangeHeaderFooter(files, {a}, "#", choice).failed.empty());
    EXPECT_EQ(Get(a + kBackupSuffix), "abc");
    EXPECT_TRUE(ChangeHeaderFooter(files, {a}, "#", choice).failed.empty());
    EXPECT_EQ(Get(a), "##abc##");
    EXPECT_EQ(Get(a + kBackupSuffix), "#abc#");
}

TEST_F(ChangeHeaderFooterTest, UnreadableFilesAreNeitherCreatedNorEmptied) {
    const std::string gone = Path("gone.txt");  // listed, then deleted before the run
    const std::string folder = PutFolder("dir.txt");
    const std::string b = Put("b.txt", "x");
    for (const Mode mode : {Mode::Add, Mode::Remove}) {
        const BatchOutcome outcome =
            ChangeHeaderFooter(files, {gone, folder, b}, "x", Choice(mode, true, false, true));
        const std::vector<FileFailure> failed{{gone, FileFault::Unreadable},
                                              {folder, FileFault::Unreadable}};
        EXPECT_EQ(outcome.failed, failed);
        EXPECT_EQ(outcome.written, std::vector<std::string>{b});
    }
    EXPECT_EQ(Get(b), "x");  // added, then removed
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.txt", "b.txt.bak", "dir.txt"}));
}

TEST_F(ChangeHeaderFooterTest, FailedBackupLeavesTheFileAlone) {
    const std::string a = Put("a.txt", "abc");
    PutFolder("a.txt.bak");  // the backup cannot take this place
    const std::string b = Put("b.txt", "def");
    const BatchOutcome outcome = ChangeHeaderFooter(files, {a, b}, "#", Choice(Mode::Add, true, false, true));
    const std::vector<FileFailure> failed{{a, FileFault::BackupFailed}};
    EXPECT_EQ(outcome.failed, failed);
    EXPECT_EQ(Get(a), "abc");
    EXPECT_EQ(Get(b), "#def");
    EXPECT_EQ(Get(b + kBackupSuffix), "def");
}

TEST_F(ChangeHeaderFooterTest, ReadOnlyFolderReportsAndKeepsTheFile) {
    if (RunningAsRoot()) GTEST_SKIP() << "permissions do not stop root";
    const std::string a = Put("locked/a.txt", "abc");
    std::filesystem::permissions(Path("locked"), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    for (const bool backup : {false, true}) {
        const BatchOutcome outcome =
            ChangeHeaderFooter(files, {a}, "#", Choice(Mode::Add, true, false, backup));
        const std::vector<FileFailure> failed{
            {a, backup ? FileFault::BackupFailed : FileFault::Unwritable}};
        EXPECT_EQ(outcome.failed, failed);
        EXPECT_EQ(Get(a), "abc");
    }
}

TEST(ChangeHeaderFooterFakeTest, UnwritableFileIsReportedAndTheRestWritten) {
    FakeFiles files;
    files.files = {{"/a", "1"}, {"/b", "2"}, {"/c", "3"}};
    files.unwritable = {"/b"};
    const BatchOutcome outcome =
        ChangeHeaderFooter(files, {"/a", "/b", "/c"}, "+", Choice(Mode::Add, false, true));
    const std::vector<FileFailure> failed{{"/b", FileFault::Unwritable}};
    EXPECT_EQ(outcome.failed, failed);
    EXPECT_EQ(outcome.written, (std::vector<std::string>{"/a", "/c"}));
    EXPECT_EQ(files.files["/a"], "1+");
    EXPECT_EQ(files.files["/b"], "2");
    EXPECT_EQ(files.files["/c"], "3+");
}

}  // namespace
}  // namespace scribbet
