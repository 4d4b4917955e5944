#include "core/file_encoding.h"

#include <gtest/gtest.h>

#include "core/iconv_reference.h"

namespace scribbet {
namespace {

using namespace std::string_literals;

// The file another program would write for a code-page text in the encoding.
std::string ReferenceFile(const AnsiText& gbk, FileEncoding encoding) {
    auto convert = [&](const char* to) {
        const std::optional<std::string> out = IconvConvert(gbk, "GB18030", to);
        EXPECT_TRUE(out.has_value()) << "iconv to " << to;
        return out.value_or("");
    };
    switch (encoding) {
        case FileEncoding::Utf8:
            return convert("UTF-8");
        case FileEncoding::Utf8Bom:
            return "\xEF\xBB\xBF" + convert("UTF-8");
        case FileEncoding::Utf16Le:
            return "\xFF\xFE" + convert("UTF-16LE");
        case FileEncoding::Utf16Be:
            return "\xFE\xFF" + convert("UTF-16BE");
        case FileEncoding::Ansi:
            break;
    }
    return gbk;
}

// The code-page form of UTF-8 text, by the reference converter.
AnsiText Gbk(const std::string& utf8) {
    return IconvConvert(utf8, "UTF-8", "GB18030").value_or("<no iconv>");
}

struct TextCase {
    const char* name;
    std::string utf8;  // the text, as UTF-8 for readability
};

struct RoundTrip {
    TextCase text;
    FileEncoding encoding;
};

void PrintTo(const RoundTrip& c, std::ostream* out) {
    *out << c.text.name << "/" << EncodingName(c.encoding);
}

class UnicodeFileTest : public ::testing::TestWithParam<RoundTrip> {
protected:
    void SetUp() override {
        if (!SCRIBBET_HAVE_ICONV) GTEST_SKIP() << "no glibc iconv to compare with";
    }
};

TEST_P(UnicodeFileTest, LoadsAsTheCodePageTextAndWritesTheSameBytesBack) {
    const AnsiText gbk = Gbk(GetParam().text.utf8);
    const std::string file = ReferenceFile(gbk, GetParam().encoding);
    EXPECT_EQ(DetectEncoding(file), GetParam().encoding);
    const DecodedFile decoded = DecodeFile(file);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
    EXPECT_EQ(decoded.text, gbk);
    EXPECT_EQ(EncodeFile(decoded.text, decoded.encoding), file);
}

const TextCase kTexts[] = {
    {"Chinese", "中文文本，第一行\r\n第二行：ＡＢＣ\r\n"},
    {"OneCharacter", "啊"},
    {"BeyondGbk", "表情😀和𠀀字\r\n"},  // four-byte GB18030 characters
    {"Latin", "café naïve Ω"},
};

std::vector<RoundTrip> AllRoundTrips() {
    std::vector<RoundTrip> trips;
    for (const TextCase& text : kTexts) {
        for (FileEncoding encoding : {FileEncoding::Utf8, FileEncoding::Utf8Bom,
                                      FileEncoding::Utf16Le, FileEncoding::Utf16Be}) {
            trips.push_back({text, encoding});
        }
    }
    return trips;
}

INSTANTIATE_TEST_SUITE_P(Texts, UnicodeFileTest, ::testing::ValuesIn(AllRoundTrips()),
                         [](const auto& info) {
                             std::string name = std::string(info.param.text.name) + "_" +
                                                EncodingName(info.param.encoding);
                             for (char& c : name) if (c == ' ' || c == '-') c = '_';
                             return name;
                         });

// Files that are not taken as Unicode, or are cut by the loading rule.
struct DecodeCase {
    const char* name;
    std::string bytes;
    FileEncoding encoding;
    AnsiText text;
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

class DecodeFileTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeFileTest, TakesTheFileAsItsFormAllows) {
    const DecodedFile decoded = DecodeFile(GetParam().bytes);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
    EXPECT_EQ(decoded.text, GetParam().text);
}

const DecodeCase kDecodes[] = {
    {"Empty", "", FileEncoding::Ansi, ""},
    {"AsciiIsAnsi", "plain\r\ntext", FileEncoding::Ansi, "plain\r\ntext"},
    // 中文 in GBK: D6 is a UTF-8 lead, D0 no continuation.
    {"GbkIsNotUtf8", "ab\xD6\xD0\xCE\xC4\r\n", FileEncoding::Ansi, "ab\xD6\xD0\xCE\xC4\r\n"},
    // A GBK pair that happens to be a UTF-8 sequence (C3 80) does not make
    // the file UTF-8 while the rest is not.
    {"GbkOneValidUtf8PairAmongOthers", "\xC3\x80\xD6\xD0", FileEncoding::Ansi,
     "\xC3\x80\xD6\xD0"},
    {"InvalidAfterBomIsRaw", "\xEF\xBB\xBF\xD6\xD0", FileEncoding::Ansi, "\xEF\xBB\xBF\xD6\xD0"},
    {"OverlongIsRaw", "a\xC0\xAF", FileEncoding::Ansi, "a\xC0\xAF"},
    {"SurrogateInUtf8IsRaw", "\xED\xA0\x80", FileEncoding::Ansi, "\xED\xA0\x80"},
    {"TruncatedUtf8IsRaw", "\xE4\xB8", FileEncoding::Ansi, "\xE4\xB8"},
    // A zero byte makes it no text: the raw rule, which drops E4 B8 AD's
    // unpaired AD before the zero.
    {"Utf8WithZeroIsRaw", "\xE4\xB8\xAD\0tail"s, FileEncoding::Ansi, "\xE4\xB8"},
    {"BomUtf8WithZeroIsRaw", "\xEF\xBB\xBF" "a\0b"s, FileEncoding::Ansi, "\xEF\xBB\xBF" "a"},
    // U+001A ends the converted text as 0x1A ends a raw one.
    {"Utf8CtrlZEnds", "\xE4\xB8\xAD\x1A\xE6\x96\x87", FileEncoding::Utf8, "\xD6\xD0"},
    {"Utf16LeZeroEnds", "\xFF\xFE\x2D\x4E\0\0\x61\0"s, FileEncoding::Utf16Le, "\xD6\xD0"},
    {"Utf16BeCtrlZEnds", "\xFE\xFF\x4E\x2D\0\x1A\0\x61"s, FileEncoding::Utf16Be, "\xD6\xD0"},
    {"Utf16BomOnly", "\xFF\xFE", FileEncoding::Utf16Le, ""},
    {"Utf16OddLengthIsRaw", "\xFF\xFE" "a\0b"s, FileEncoding::Ansi, "\xFF\xFE" "a"},
    {"Utf16LoneSurrogateIsRaw", "\xFF\xFE\x00\xD8" "a\0"s, FileEncoding::Ansi, "\xFF\xFE"},
    // U+F0000 stands for undecodable bytes in the code page, so it could not
    // be written back as itself.
    {"PrivatePlaneIsRaw", "\xF3\xB0\x80\x80", FileEncoding::Ansi, "\xF3\xB0\x80\x80"},
};
INSTANTIATE_TEST_SUITE_P(Bytes, DecodeFileTest, ::testing::ValuesIn(kDecodes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeFileAs, ReadsTheFormAskedForOrNothing) {
    const std::string utf8 = "\xE4\xB8\xAD";
    ASSERT_TRUE(DecodeFileAs(utf8, FileEncoding::Ansi));
    EXPECT_EQ(DecodeFileAs(utf8, FileEncoding::Ansi)->text, "\xE4\xB8\xAD");
    ASSERT_TRUE(DecodeFileAs(utf8, FileEncoding::Utf8));
    EXPECT_EQ(DecodeFileAs(utf8, FileEncoding::Utf8)->text, "\xD6\xD0");
    // ASCII only, which DecodeFile takes as ANSI, reads as UTF-8 on request.
    EXPECT_EQ(DecodeFileAs("abc", FileEncoding::Utf8)->encoding, FileEncoding::Utf8);
    // The mark where it stands decides the UTF-8 form.
    EXPECT_EQ(DecodeFileAs("\xEF\xBB\xBF" "a", FileEncoding::Utf8)->encoding,
              FileEncoding::Utf8Bom);
    EXPECT_FALSE(DecodeFileAs("\xD6\xD0", FileEncoding::Utf8));
    EXPECT_FALSE(DecodeFileAs("a\0b"s, FileEncoding::Utf8Bom));
    EXPECT_FALSE(DecodeFileAs("ab", FileEncoding::Utf16Le));  // no mark
}

TEST(EncodeFile, AnsiIsTheBytesAsTheyAre) {
    const AnsiText text = "\xD6\xD0\x80\x30\r\n\xB0";
    EXPECT_EQ(EncodeFile(text, FileEncoding::Ansi), text);
}

struct CountCase {
    const char* name;
    std::string text;
    Pos count;
};

void PrintTo(const CountCase& c, std::ostream* out) { *out << c.name; }

class CountBeyondGbkTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountBeyondGbkTest, CountsOnlyCharactersGbkCannotHold) {
    EXPECT_EQ(CountBeyondGbk(GetParam().text), GetParam().count);
}

const CountCase kCounts[] = {
    {"Empty", "", 0},
    {"GbkOnly", "\xD6\xD0\xCE\xC4 abc\r\n", 0},
    {"OneEmoji", "a\x94\x39\xFC\x36" "b", 1},   // U+1F600
    {"Two", "\x94\x39\xFC\x36\xD6\xD0\x95\x32\x82\x36", 2},  // U+1F600, U+20000
    {"BmpFourByte", "\x81\x30\x81\x30", 1},     // U+0080
    // A pair of undecodable bytes is no character at all.
    {"UndecodablePair", "\x80\x30\x80\x30", 0},
    {"LeadDigitLeadDigitIsOneCharacter", "\xB0" "1\xB0" "1", 1},
    {"LeadDigitThenAscii", "\xB0" "1a\xB0" "1", 0},
    {"CutAtTheEnd", "\x94\x39\xFC", 0},
};
INSTANTIATE_TEST_SUITE_P(Texts, CountBeyondGbkTest, ::testing::ValuesIn(kCounts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CountBeyondGbk, AgreesWithTheReferenceOnAFourByteCodeOfAPrivateCodePoint) {
    if (!SCRIBBET_HAVE_ICONV) GTEST_SKIP() << "no glibc iconv to compare with";
    // U+F0000's own four-byte code reads as two undecodable pairs here.
    EXPECT_EQ(CountBeyondGbk(Gbk("\xF3\xB0\x80\x80")), 0);
    EXPECT_EQ(CountBeyondGbk(Gbk("😀a😀")), 2);
}

struct LineEndCase {
    const char* name;
    std::string text;
    LineEnds ends;
};

void PrintTo(const LineEndCase& c, std::ostream* out) { *out << c.name; }

class LineEndsTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEndsTest, NamesTheOneFormOrMixed) {
    EXPECT_EQ(DetectLineEnds(GetParam().text), GetParam().ends);
}

const LineEndCase kLineEnds[] = {
    {"None", "one line", LineEnds::None},
    {"CrLf", "a\r\nb\r\n", LineEnds::CrLf},
    {"Lf", "a\nb\n\n", LineEnds::Lf},
    {"Cr", "a\rb\r", LineEnds::Cr},
    {"CrLfAndLf", "a\r\nb\n", LineEnds::Mixed},
    {"LfThenCr", "a\nb\r", LineEnds::Mixed},
    {"LfCrIsMixed", "a\n\rb", LineEnds::Mixed},
    {"CrAtEndAfterCrLf", "a\r\nb\r", LineEnds::Mixed},
};
INSTANTIATE_TEST_SUITE_P(Texts, LineEndsTest, ::testing::ValuesIn(kLineEnds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
