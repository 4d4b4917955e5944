// scribbet-tool convert-encoding run as a whole process over real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "cli/run_tool.h"

namespace scribbet {
namespace {

// 中文 in GBK and in UTF-8.
const std::string kGbk = "\xD6\xD0\xCE\xC4\r\n";
const std::string kUtf8 = "\xE4\xB8\xAD\xE6\x96\x87\r\n";
const std::string kBom = "\xEF\xBB\xBF";

class ConvertEncodingProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "scribbet-convert-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::string Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(root / name, std::ios::binary) << bytes;
        return (root / name).string();
    }
    std::optional<std::string> Get(const std::string& name) const {
        if (!std::filesystem::is_regular_file(root / name)) return std::nullopt;
        return ReadAll(root / name);
    }
    ToolRun Run(const std::vector<std::string>& args) const { return RunTool(args, "", root); }

    std::filesystem::path root;
};

struct TargetCase {
    const char* name;
    const char* to;
    std::string gbkAfter;   // what the GBK file becomes
    std::string utf8After;  // what the UTF-8 file becomes
    std::string out;        // the report, with G for the GBK path and U for the UTF-8 one
};

void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }

class ConvertEncodingTargetTest : public ConvertEncodingProgramTest,
                                  public ::testing::WithParamInterface<TargetCase> {};

TEST_P(ConvertEncodingTargetTest, ConvertsEachFileInPlaceAndReportsIt) {
    const TargetCase& c = GetParam();
    const std::string gbk = Put("g.txt", kGbk);
    const std::string utf8 = Put("u.txt", kUtf8);
    const ToolRun run = Run({"convert-encoding", "--to", c.to, gbk, utf8});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Get("g.txt"), c.gbkAfter);
    EXPECT_EQ(Get("u.txt"), c.utf8After);
    // The paths may hold a G or a U themselves (the folder's name is random),
    // so the report is built from the pattern in one pass.
    std::string expected;
    for (const char letter : c.out) {
        expected += letter == 'G' ? gbk : letter == 'U' ? utf8 : std::string(1, letter);
    }
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(Get("g.txt.bak"));
}

const TargetCase kTargets[] = {
    {"Ansi", "ansi", kGbk, kGbk, "converted: U\nunchanged: G\n"},
    {"Utf8", "utf-8", kUtf8, kUtf8, "converted: G\nunchanged: U\n"},
    {"Utf8Bom", "utf-8-bom", kBom + kUtf8, kBom + kUtf8, "converted: G\nconverted: U\n"},
};
INSTANTIATE_TEST_SUITE_P(Targets, ConvertEncodingTargetTest, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConvertEncodingProgramTest, SkipsWhatCannotBeConvertedAndFailsTheRun) {
    const std::string bad = Put("bad.txt", "\xD6\xD0\x80\x30");
    const std::string good = Put("good.txt", kGbk);
    const ToolRun run = Run({"convert-encoding", "--backup", "--to", "utf-8", bad, good});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Get("bad.txt"), "\xD6\xD0\x80\x30");
    EXPECT_EQ(Get("good.txt"), kUtf8);
    EXPECT_EQ(Get("good.txt.bak"), kGbk);
    EXPECT_FALSE(Get("bad.txt.bak"));
    EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "converted: " + good + "\n");
}

struct BadLineCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

void PrintTo(const BadLineCase& c, std::ostream* out) { *out << c.name; }

class ConvertEncodingBadLineTest : public ConvertEncodingProgramTest,
                                   public ::testing::WithParamInterface<BadLineCase> {};

TEST_P(ConvertEncodingBadLineTest, IsRefusedWithStatusTwo) {
    const std::string file = Put("g.txt", kGbk);
    std::vector<std::string> args{"convert-encoding"};
    for (const std::string& arg : GetParam().args) args.push_back(arg == "FILE" ? file : arg);
    const ToolRun run = Run(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(Get("g.txt"), kGbk);
}

const BadLineCase kBadLines[] = {
    {"NoTarget", {"FILE"}, "needs --to"},
    {"UnknownTarget", {"--to", "utf-16", "FILE"}, "not 'utf-16'"},
    {"TargetWithoutValue", {"FILE", "--to"}, "--to needs"},
    {"NoFiles", {"--to", "ansi"}, "at least one FILE"},
    {"UnknownOption", {"--to", "ansi", "--in-place", "FILE"}, "no option --in-place"},
};
INSTANTIATE_TEST_SUITE_P(Lines, ConvertEncodingBadLineTest, ::testing::ValuesIn(kBadLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConvertEncodingProgramTest, HelpIsListedAndChangesNothing) {
    const std::string file = Put("g.txt", kGbk);
    EXPECT_NE(Run({"--help"}).out.find("convert-encoding"), std::string::npos);
    const ToolRun help = Run({"convert-encoding", "--help", "--to", "utf-8", file});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--to ansi|utf-8|utf-8-bom"), std::string::npos);
    EXPECT_EQ(Get("g.txt"), kGbk);
}

}  // namespace
}  // namespace scribbet
