#include "batch/encoding_convert.h"

#include <gtest/gtest.h>

#include "batch/temp_folder.h"
#include "core/iconv_reference.h"
#include "fakes/fake_files.h"

namespace scribbet {
namespace {

using namespace std::string_literals;

const std::string kBom = "\xEF\xBB\xBF";
// A text with GBK characters, a full-width letter and one that GBK lacks.
const std::string kText = "中文第一行\r\nＡ abc 😀\r\n";

std::string Gbk(const std::string& utf8) {
    return IconvConvert(utf8, "UTF-8", "GB18030").value_or("<no iconv>");
}
std::string Utf16Le(const std::string& utf8) {
    return "\xFF\xFE" + IconvConvert(utf8, "UTF-8", "UTF-16LE").value_or("<no iconv>");
}

struct ConvertCase {
    const char* name;
    std::string bytes;
    EncodingTarget target;
    ConversionResult result;
    std::string converted;  // when Converted
};

void PrintTo(const ConvertCase& c, std::ostream* out) { *out << c.name; }

std::vector<ConvertCase> ConvertCases() {
    using R = ConversionResult;
    using T = EncodingTarget;
    return {
        {"Utf8ToAnsi", kText, T::Ansi, R::Converted, Gbk(kText)},
        {"Utf8BomToAnsi", kBom + kText, T::Ansi, R::Converted, Gbk(kText)},
        {"Utf16ToAnsi", Utf16Le(kText), T::Ansi, R::Converted, Gbk(kText)},
        {"Utf16ToUtf8", Utf16Le(kText), T::Utf8, R::Converted, kText},
        {"AnsiToUtf8", Gbk(kText), T::Utf8, R::Converted, kText},
        {"AnsiToUtf8Bom", Gbk(kText), T::Utf8Bom, R::Converted, kBom + kText},
        {"Utf8GainsMark", kText, T::Utf8Bom, R::Converted, kBom + kText},
        {"Utf8LosesMark", kBom + kText, T::Utf8, R::Converted, kText},
        {"AsciiGainsMark", "abc\r\n", T::Utf8Bom, R::Converted, kBom + "abc\r\n"},
        {"AnsiStaysAnsi", Gbk(kText), T::Ansi, R::AlreadyThere, ""},
        {"Utf8StaysUtf8", kText, T::Utf8, R::AlreadyThere, ""},
        {"MarkedStaysMarked", kBom + kText, T::Utf8Bom, R::AlreadyThere, ""},
        {"AsciiIsUtf8Already", "abc\r\n", T::Utf8, R::AlreadyThere, ""},
        {"EmptyIsUtf8Already", "", T::Utf8, R::AlreadyThere, ""},
        // 0x80 is no lead byte in GBK, and a lead byte at the end lacks its trail.
        {"UndecodablePairSkipped", "\xD6\xD0\x80\x30", T::Utf8, R::NotLossless, ""},
        {"LoneLeadAtEndSkipped", "a\xD6", T::Utf8Bom, R::NotLossless, ""},
        {"ZeroByteSkipped", "a\0b"s, T::Utf8, R::NotLossless, ""},
        // U+F0000 stands for undecodable bytes in the code page.
        {"PrivatePlaneSkipped", "a\xF3\xB0\x80\x80", T::Ansi, R::NotLossless, ""},
        {"Utf8ZeroCharacterSkipped", Utf16Le("a"s + '\0' + "中"), T::Ansi, R::NotLossless, ""},
    };
}

class ConvertEncodingTest : public ::testing::TestWithParam<ConvertCase> {
protected:
    void SetUp() override {
        if (!SCRIBBET_HAVE_ICONV) GTEST_SKIP() << "no glibc iconv to compare with";
    }
};

TEST_P(ConvertEncodingTest, ConvertsOnlyWhatChangesAndNothingLossy) {
    const ConvertedBytes converted = ConvertEncoding(GetParam().bytes, GetParam().target);
    EXPECT_EQ(converted.result, GetParam().result);
    EXPECT_EQ(converted.bytes, GetParam().converted);
}

INSTANTIATE_TEST_SUITE_P(Files, ConvertEncodingTest, ::testing::ValuesIn(ConvertCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class ConvertFilesTest : public TempFolderTest {};

TEST_F(ConvertFilesTest, ConvertsEachFileInPlaceAndReportsTheRest) {
    if (!SCRIBBET_HAVE_ICONV) GTEST_SKIP() << "no glibc iconv to compare with";
    const std::string gbk = Put("gbk.txt", Gbk(kText));
    const std::string utf8 = Put("utf8.txt", kText);
    const std::string broken = Put("broken.txt", "\xD6\xD0\x80\x30");
    const std::string missing = Path("missing.txt");
    const ConversionOutcome outcome =
        ConvertFiles(files, {gbk, utf8, broken, missing}, EncodingTarget::Utf8, false);
    EXPECT_EQ(outcome.converted, std::vector<std::string>{gbk});
    EXPECT_EQ(outcome.unchanged, std::vector<std::string>{utf8});
    EXPECT_EQ(outcome.failed, (std::vector<FileFailure>{{broken, FileFault::NotLossless},
                                                         {missing, FileFault::Unreadable}}));
    EXPECT_EQ(Get(gbk), kText);
    EXPECT_EQ(Get(utf8), kText);
    EXPECT_EQ(Get(broken), "\xD6\xD0\x80\x30");
    EXPECT_EQ(Names(), (std::vector<std::string>{"broken.txt", "gbk.txt", "utf8.txt"}));
}

TEST_F(ConvertFilesTest, BacksUpOnlyTheFilesItConverts) {
    if (!SCRIBBET_HAVE_ICONV) GTEST_SKIP() << "no glibc iconv to compare with";
    const std::string utf8 = Put("a.txt", kBom + kText);
    const std::string ansi = Put("b.txt", Gbk("已是"));
    const ConversionOutcome outcome =
        ConvertFiles(files, {utf8, ansi}, EncodingTarget::Ansi, true);
    EXPECT_EQ(outcome.converted, std::vector<std::string>{utf8});
    EXPECT_EQ(outcome.unchanged, std::vector<std::string>{ansi});
    EXPECT_EQ(Get(utf8), Gbk(kText));
    EXPECT_EQ(Get(utf8 + ".bak"), kBom + kText);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.txt", "a.txt.bak", "b.txt"}));
}

TEST(ConvertFiles, AFailedBackupOrWriteLeavesTheFileAlone) {
    FakeFiles files;
    files.files["/a.txt"] = "\xD6\xD0";
    files.files["/b.txt"] = "\xCE\xC4";
    files.unwritable = {"/a.txt.bak", "/b.txt"};
    const ConversionOutcome outcome =
        ConvertFiles(files, {"/a.txt", "/b.txt"}, EncodingTarget::Utf8, true);
    EXPECT_TRUE(outcome.converted.empty());
    EXPECT_EQ(outcome.failed, (std::vector<FileFailure>{{"/a.txt", FileFault::BackupFailed},
                                                         {"/b.txt", FileFault::Unwritable}}));
    EXPECT_EQ(files.files["/a.txt"], "\xD6\xD0");
    EXPECT_EQ(files.files["/b.txt"], "\xCE\xC4");
}

}  // namespace
}  // namespace scribbet
