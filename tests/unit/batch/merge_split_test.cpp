#include "batch/merge_split.h"

#include <gtest/gtest.h>

#include "batch/temp_folder.h"

namespace scribbet {
namespace {

using namespace std::string_literals;

const std::string kSep(1, kPathSeparator);

// --- names -------------------------------------------------------------

struct BaseNameCase {
    const char* name;
    std::string path;
    std::string base;
};

void PrintTo(const BaseNameCase& c, std::ostream* out) { *out << c.name; }

class BaseNameTest : public ::testing::TestWithParam<BaseNameCase> {};

TEST_P(BaseNameTest, CutsTheFileNameBeforeItsFirstDot) {
    EXPECT_EQ(BaseName(GetParam().path), GetParam().base);
}

const BaseNameCase kBaseNames[] = {
    {"SeveralDots", kSep + "a" + kSep + "notes.2024.txt", "notes"},
    {"NoDot", kSep + "a" + kSep + "notes", "notes"},
    {"LeadingDot", kSep + "a" + kSep + ".hidden.txt", ""},
    {"DotOnlyInFolder", kSep + "a.b" + kSep + "c", "c"},
    {"NoFolder", "plain.txt", "plain"},
    // 中文.txt in UTF-8: the bytes of the characters are never taken for
    // a separator or a dot.
    {"ChineseName", kSep + "d" + kSep + "\xE4\xB8\xAD\xE6\x96\x87.txt", "\xE4\xB8\xAD\xE6\x96\x87"},
};
INSTANTIATE_TEST_SUITE_P(Paths, BaseNameTest, ::testing::ValuesIn(kBaseNames),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MergedFileNameTest, DigitsWithoutLeadingZerosOrSeparators) {
    const DateTime at{2024, 3, 5, 9, 7, 2};
    EXPECT_EQ(MergedFileName("D:/out/", at), "D:/out/202435972_合并.txt");
    EXPECT_EQ(MergedFileName("D:/out/", at, 2), "D:/out/202435972_2_合并.txt");
    EXPECT_EQ(MergedFileName("", {2024, 12, 31, 23, 59, 58}, 13), "20241231235958_13_合并.txt");
    // Two moments, one name: what the copy number is for.
    EXPECT_EQ(MergedFileName("", {2024, 1, 11, 8, 0, 0}), MergedFileName("", {2024, 11, 1, 8, 0, 0}));
}

TEST(PieceFileNameTest, FolderBaseNumberAndTxt) {
    EXPECT_EQ(PieceFileName("/out/", "notes", 1), "/out/notes_1.txt");
    EXPECT_EQ(PieceFileName("/out/", "", 12), "/out/_12.txt");
}

struct CheckCase {
    const char* name;
    std::vector<std::string> sources;
    std::string folder;
    MergeSplitCheck check;
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

class CheckMergeSplitTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckMergeSplitTest, ListFirstThenFolder) {
    EXPECT_EQ(CheckMergeSplit(GetParam().sources, GetParam().folder), GetParam().check);
}

const CheckCase kChecks[] = {
    {"NothingAtAll", {}, "", MergeSplitCheck::NoFiles},
    {"NoFilesButFolder", {}, "/out/", MergeSplitCheck::NoFiles},
    {"FilesButNoFolder", {"/a.txt"}, "", MergeSplitCheck::NoFolder},
    {"BareSeparatorPasses", {"/a.txt"}, kSep, MergeSplitCheck::Ready},
    {"Ready", {"/a.txt", "/a.txt"}, "/out/", MergeSplitCheck::Ready},
};
INSTANTIATE_TEST_SUITE_P(Fields, CheckMergeSplitTest, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

// --- merge -------------------------------------------------------------

const DateTime kMoment{2024, 3, 5, 9, 7, 2};

struct MergeCase {
    const char* name;
    std::vector<std::string> contents;
    std::string separator;
    std::string merged;
};

void PrintTo(const MergeCase& c, std::ostream* out) { *out << c.name; }

class MergeTest : public TempFolderTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(MergeTest, JoinsInListOrderWithTheSeparatorBetween) {
    std::vector<std::string> sources;
    for (std::size_t i = 0; i < GetParam().contents.size(); ++i) {
        sources.push_back(Put("in/" + std::to_string(i) + ".txt", GetParam().contents[i]));
    }
    const BatchOutcome outcome = MergeFiles(files, sources, GetParam().separator, Prefix(), kMoment);
    EXPECT_TRUE(outcome.failed.empty());
    const std::string target = MergedFileName(Prefix(), kMoment);
    EXPECT_EQ(outcome.written, std::vector<std::string>{target});
    EXPECT_EQ(Get(target), GetParam().merged);
}

const MergeCase kMerges[] = {
    {"LineBreakBetweenNotAfter", {"A", "B"}, "\r\n", "A\r\nB"},
    {"EmptySeparatorConcatenates", {"A", "B", "C"}, "", "ABC"},
    {"EmptyFileStillSeparated", {"A", "", "B"}, ",", "A,,B"},
    {"OneFileNoSeparator", {"only\r\n"}, "\r\n", "only\r\n"},
    {"AllEmptyGivesEmptyFile", {"", ""}, "", ""},
    {"RawBytesKept", {"\x00\x1A"s, "\xD6\xD0\r"}, "\xA1", "\x00\x1A\xA1\xD6\xD0\r"s},
};
INSTANTIATE_TEST_SUITE_P(Contents, MergeTest, ::testing::ValuesIn(kMerges),
                         [](const auto& info) { return std::string(info.param.name); });

class MergeFilesTest : public TempFolderTest {};

TEST_F(MergeFilesTest, UnreadableSourcesAreSkippedAndNamed) {
    const std::string a = Put("a.txt", "A");
    const std::string gone = Put("gone.txt", "G");
    std::filesystem::remove(gone);  // listed, then deleted before the run
    const std::string folder = PutFolder("folder.txt");
    const std::string b = Put("b.txt", "B");
    const BatchOutcome outcome = MergeFiles(files, {a, gone, folder, b}, "|", Prefix(), kMoment);
    const std::vector<FileFailure> failed{{gone, FileFault::Unreadable},
                                          {folder, FileFault::Unreadable}};
    EXPECT_EQ(outcome.failed, failed);
    ASSERT_EQ(outcome.written.size(), 1u);
    EXPECT_EQ(Get(outcome.written[0]), "A|B");
}

TEST_F(MergeFilesTest, NothingReadableWritesNothing) {
    const std::string gone = Path("gone.txt");
    const BatchOutcome outcome = MergeFiles(files, {gone, gone}, "\r\n", Prefix("out"), kMoment);
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_EQ(outcome.failed.size(), 2u);
    EXPECT_TRUE(Names().empty());
}

TEST_F(MergeFilesTest, LaterMergesOfTheSameMomentGetNumbers) {
    const std::string a = Put("in/a.txt", "A");
    const std::string b = Put("in/b.txt", "B");
    std::vector<std::string> targets;
    for (const auto& sources : {std::vector{a}, std::vector{b}, std::vector{a, b}}) {
        const BatchOutcome outcome = MergeFiles(files, sources, "+", Prefix(), kMoment);
        ASSERT_EQ(outcome.written.size(), 1u);
        targets.push_back(outcome.written[0]);
    }
    EXPECT_EQ(targets, (std::vector<std::string>{MergedFileName(Prefix(), kMoment),
                                                 MergedFileName(Prefix(), kMoment, 2),
                                                 MergedFileName(Prefix(), kMoment, 3)}));
    EXPECT_EQ(Get(targets[0]), "A");
    EXPECT_EQ(Get(targets[1]), "B");
    EXPECT_EQ(Get(targets[2]), "A+B");
}

TEST_F(MergeFilesTest, MissingFolderIsAFailureNotASuccess) {
    const std::string a = Put("a.txt", "A");
    const std::string prefix = Prefix("no-such-folder");
    const BatchOutcome outcome = MergeFiles(files, {a}, "", prefix, kMoment);
    EXPECT_TRUE(outcome.written.empty());
    const std::vector<FileFailure> failed{{MergedFileName(prefix, kMoment), FileFault::Unwritable}};
    EXPECT_EQ(outcome.failed, failed);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
}

TEST_F(MergeFilesTest, ReadOnlyFolderIsAFailure) {
    if (RunningAsRoot()) GTEST_SKIP() << "permissions do not stop root";
    const std::string a = Put("a.txt", "A");
    PutFolder("locked");
    std::filesystem::permissions(Path("locked"), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    const BatchOutcome outcome = MergeFiles(files, {a}, "", Prefix("locked"), kMoment);
    EXPECT_TRUE(outcome.written.empty());
    ASSERT_EQ(outcome.failed.size(), 1u);
    EXPECT_EQ(outcome.failed[0].fault, FileFault::Unwritable);
}

// --- split -------------------------------------------------------------

struct SplitCase {
    const char* name;
    std::string data;
    std::string separator;
    std::vector<std::string> pieces;
};

void PrintTo(const SplitCase& c, std::ostream* out) { *out << c.name; }

class SplitTest : public TempFolderTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitTest, WritesEachPieceNumberedFromOne) {
    PutFolder("out");
    const std::string source = Put("in/s.log", GetParam().data);
    const BatchOutcome outcome = SplitFiles(files, {source}, GetParam().separator, Prefix("out"));
    EXPECT_TRUE(outcome.failed.empty());
    const auto& pieces = GetParam().pieces;
    ASSERT_EQ(outcome.written.size(), pieces.size());
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        EXPECT_EQ(outcome.written[k], PieceFileName(Prefix("out"), "s", k + 1));
        EXPECT_EQ(Get(outcome.written[k]), pieces[k]) << "piece " << k + 1;
    }
    EXPECT_FALSE(Get(PieceFileName(Prefix("out"), "s", pieces.size() + 1)));
}

const SplitCase kSplits[] = {
    {"TrailingSeparatorNoEmptyLastPiece", "x\r\ny\r\n", "\r\n", {"x", "y"}},
    {"LeadingSeparatorEmptyFirstPiece", "\r\nx", "\r\n", {"", "x"}},
    {"SeparatorsInARowEmptyPiece", "a,,b", ",", {"a", "", "b"}},
    {"EmptySeparatorWholeFile", "a\r\nb", "", {"a\r\nb"}},
    {"NoMatchWholeFile", "abc", "\r\n", {"abc"}},
    {"ShorterThanSeparator", "ab", "abc", {"ab"}},
    {"EmptyFileNoPieces", "", "\r\n", {}},
    // 啊 B0 A1: a one-byte separator equal to the trail byte cuts inside it.
    {"TrailByteCutsACharacter", "x\xB0\xA1y", "\xA1", {"x\xB0", "y"}},
    // A character whose trail byte is a backslash, 81 5C.
    {"BackslashTrailByte", "a\x81\x5C" "b", "\\", {"a\x81", "b"}},
    {"ZeroBytesAreData", "a\0b\0c"s, "\0"s, {"a", "b", "c"}},
};
INSTANTIATE_TEST_SUITE_P(Contents, SplitTest, ::testing::ValuesIn(kSplits),
                         [](const auto& info) { return std::string(info.param.name); });

class SplitFilesTest : public TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        PutFolder("out");
    }
};

TEST_F(SplitFilesTest, SameBaseNameGetsItsOwnPieces) {
    const std::string first = Put("one/a.txt", "1,2,3");
    const std::string second = Put("two/a.log", "x");
    const std::string third = Put("three/a_2.txt", "y,z");
    const BatchOutcome outcome = SplitFiles(files, {first, second, third}, ",", Prefix("out"));
    EXPECT_TRUE(outcome.failed.empty());
    EXPECT_EQ(outcome.written.size(), 6u);
    const std::string out = Prefix("out");
    EXPECT_EQ(Get(out + "a_1.txt"), "1");
    EXPECT_EQ(Get(out + "a_2.txt"), "2");
    EXPECT_EQ(Get(out + "a_3.txt"), "3");
    EXPECT_EQ(Get(out + "a_2_1.txt"), "x");
    // Its own base "a_2" is taken by the second source by now.
    EXPECT_EQ(Get(out + "a_2_2_1.txt"), "y");
    EXPECT_EQ(Get(out + "a_2_2_2.txt"), "z");
}

TEST_F(SplitFilesTest, UnreadableSourceIsSkippedAndNamed) {
    const std::string folder = PutFolder("in/dir.txt");
    const std::string gone = Path("in/gone.txt");
    const std::string b = Put("in/b.txt", "p;q");
    const BatchOutcome outcome = SplitFiles(files, {folder, gone, b}, ";", Prefix("out"));
    const std::vector<FileFailure> failed{{folder, FileFault::Unreadable},
                                          {gone, FileFault::Unreadable}};
    EXPECT_EQ(outcome.failed, failed);
    EXPECT_EQ(outcome.written, (std::vector<std::string>{Prefix("out") + "b_1.txt",
                                                         Prefix("out") + "b_2.txt"}));
    EXPECT_FALSE(Get(Prefix("out") + "dir_1.txt"));
    EXPECT_FALSE(Get(Prefix("out") + "gone_1.txt"));
}

TEST_F(SplitFilesTest, BlockedPieceIsNamedAndTheOthersWritten) {
    const std::string source = Put("in/s.txt", "1,2,3");
    PutFolder("out/s_2.txt");
    const BatchOutcome outcome = SplitFiles(files, {source}, ",", Prefix("out"));
    const std::vector<FileFailure> failed{{Prefix("out") + "s_2.txt", FileFault::Unwritable}};
    EXPECT_EQ(outcome.failed, failed);
    EXPECT_EQ(Get(Prefix("out") + "s_1.txt"), "1");
    EXPECT_EQ(Get(Prefix("out") + "s_3.txt"), "3");
    // No temporary file is left behind.
    EXPECT_EQ(Names(), (std::vector<std::string>{"in", "in/s.txt", "out", "out/s_1.txt",
                                                 "out/s_2.txt", "out/s_3.txt"}));
}

TEST_F(SplitFilesTest, MissingFolderFailsEveryPiece) {
    const std::string source = Put("in/s.txt", "1,2");
    const BatchOutcome outcome = SplitFiles(files, {source}, ",", Prefix("nowhere"));
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_EQ(outcome.failed.size(), 2u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"in", "in/s.txt", "out"}));
}

TEST_F(SplitFilesTest, ManyPiecesAcrossWriteGroups) {
    // Pieces large enough that they are written in several groups.
    const std::string piece(5 << 20, 'x');
    std::string data;
    for (int k = 0; k < 30; ++k) data.append(piece).append(1, static_cast<char>('a' + k % 26)).append("#");
    const std::string source = Put("in/big.txt", data);
    const BatchOutcome outcome = SplitFiles(files, {source}, "#", Prefix("out"));
    EXPECT_TRUE(outcome.failed.empty());
    ASSERT_EQ(outcome.written.size(), 30u);
    for (int k = 0; k < 30; k += 7) {
        EXPECT_EQ(Get(PieceFileName(Prefix("out"), "big", static_cast<std::size_t>(k) + 1)),
                  piece + static_cast<char>('a' + k % 26));
    }
}

}  // namespace
}  // namespace scribbet
