// scribbet-tool run as a whole process over real files: every tool's bytes,
// the loading rule, the three outputs and the refusals of bad command lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "cli/run_tool.h"
#include "cli/tool_cases.h"
#include "cli/tool_command.h"

namespace scribbet {
namespace {

class ToolProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "scribbet-tool-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::string Path(const std::string& name) const { return (root / name).string(); }
    std::string Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(root / name, std::ios::binary) << bytes;
        return Path(name);
    }
    std::optional<std::string> Get(const std::string& name) const {
        if (!std::filesystem::is_regular_file(root / name)) return std::nullopt;
        return ReadAll(root / name);
    }
    ToolRun Run(const std::vector<std::string>& args, const std::string& input = "") const {
        return RunTool(args, input, root);
    }
    // Every name in the folder, the stream files of RunTool aside.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(root)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path root;
};

class ToolCaseTest : public ToolProgramTest, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(ToolCaseTest, FileGivesTheToolsBytesOnStandardOutput) {
    const ToolCase& c = GetParam();
    std::vector<std::string> args = c.args;
    // A generator reads no file; the others read theirs.
    if (FindCommandTool(args[0])->readsInput) args.push_back(Put("in.txt", c.input));
    const ToolRun run = Run(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, c.expected);
}

TEST_P(ToolCaseTest, StandardInputAndOutputFileGiveTheSameBytes) {
    const ToolCase& c = GetParam();
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", Path("out.txt")});
    const ToolRun run = Run(args, c.input);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Get("out.txt"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolCaseTest, ::testing::ValuesIn(ToolCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ToolProgramTest, EveryToolHasACase) {
    for (const ToolSpec& tool : CommandTools()) {
        const auto& cases = ToolCases();
        EXPECT_TRUE(std::any_of(cases.begin(), cases.end(),
                                [&](const ToolCase& c) { return c.args[0] == tool.name; }))
            << tool.name;
    }
}

struct LoadCase {
    const char* name;
    std::string file;
    std::string expected;  // after upper
};

class LoadingRuleTest : public ToolProgramTest, public ::testing::WithParamInterface<LoadCase> {};

// The text is what the editor would load, also from a pipe.
TEST_P(LoadingRuleTest, InputEndsWhereTheEditorsTextEnds) {
    const LoadCase& c = GetParam();
    EXPECT_EQ(Run({"upper", Put("in.txt", c.file)}).out, c.expected);
    EXPECT_EQ(Run({"upper", "-"}, c.file).out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadingRuleTest,
    ::testing::Values(LoadCase{"SubstituteEnds", "ab\x1A" "cd", "AB"},
                      LoadCase{"ZeroEnds", std::string("ab\0cd", 5), "AB"},
                      LoadCase{"LeadByteTakesASubstitute", "\x81\x1A" "c\x1A" "d", "\x81\x1A" "C"},
                      LoadCase{"LeadByteBeforeZeroIsDropped", std::string("a\x81\0b", 4), "A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ToolProgramTest, InPlaceWithBackupKeepsTheOldBytes) {
    const std::string old = "a 1\x1A" "tail";
    const std::string file = Put("doc.txt", old);
    const ToolRun run = Run({"regex-replace", "--in-place", "--pattern", "\\d", "--with", "#",
                             "--backup", file});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Get("doc.txt"), "a #");
    EXPECT_EQ(Get("doc.txt.bak"), old);
}

TEST_F(ToolProgramTest, InPlaceWithoutBackupLeavesNoBackup) {
    const std::string file = Put("doc.txt", "ab");
    EXPECT_EQ(Run({"upper", "--in-place", file}).status, 0);
    EXPECT_EQ(Get("doc.txt"), "AB");
    EXPECT_EQ(Names(), (std::vector<std::string>{"doc.txt"}));
}

TEST_F(ToolProgramTest, DoubleDashLetsAFileNameStartWithADash) {
    Put("-doc.txt", "ab");
    const std::string dashed = (root / "-doc.txt").string();
    EXPECT_EQ(Run({"upper", "--", dashed}).out, "AB");
}

TEST_F(ToolProgramTest, HelpListsEveryTool) {
    const ToolRun run = Run({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const ToolSpec& tool : CommandTools()) {
        EXPECT_NE(run.out.find(std::string("  ") + tool.name + " "), std::string::npos) << tool.name;
    }
}

TEST_F(ToolProgramTest, ToolHelpListsEveryOptionAndDoesNothingElse) {
    for (const ToolSpec& tool : CommandTools()) {
        const std::string file = Put("doc.txt", "ab");
        const ToolRun run = Run({tool.name, "--help", "--in-place", file});
        EXPECT_EQ(run.status, 0) << tool.name;
        for (const ToolOption& option : tool.options) {
            EXPECT_NE(run.out.find(std::string("--") + option.name), std::string::npos)
                << tool.name << " --" << option.name;
        }
        EXPECT_EQ(Get("doc.txt"), "ab") << tool.name;
    }
}

// A bad command line, or a file that cannot be read or written: the
// message, the status, and every file as it was.
struct BadCase {
    const char* name;
    std::vector<std::string> args;  // IN, OUT, MISSING and FOLDER stand for paths
    int status;
    const char* message;  // part of the one line on standard error
};

std::ostream& operator<<(std::ostream& os, const BadCase& c) { return os << c.name; }
std::ostream& operator<<(std::ostream& os, const LoadCase& c) { return os << c.name; }

class BadInvocationTest : public ToolProgramTest, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadInvocationTest, ReportsAndTouchesNothing) {
    const BadCase& c = GetParam();
    Put("in.txt", "abc");
    Put("out.txt", "old");
    std::filesystem::create_directory(root / "folder");
    std::vector<std::string> args;
    for (const std::string& arg : c.args) {
        if (arg == "IN") args.push_back(Path("in.txt"));
        else if (arg == "OUT") args.push_back(Path("out.txt"));
        else if (arg == "MISSING") args.push_back(Path("missing.txt"));
        else if (arg == "FOLDER") args.push_back(Path("folder"));
        else if (arg == "NOWHERE") args.push_back(Path("no/such/out.txt"));
        else args.push_back(arg);
    }
    const ToolRun run = Run(args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("scribbet-tool: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.err.back(), '\n');
    EXPECT_EQ(Get("in.txt"), "abc");
    EXPECT_EQ(Get("out.txt"), "old");
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "in.txt", "out.txt"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadInvocationTest,
    ::testing::Values(
        BadCase{"NoTool", {}, 2, "no tool"},
        BadCase{"UnknownTool", {"frobnicate", "IN", "-o", "OUT"}, 2, "unknown tool 'frobnicate'"},
        BadCase{"UnknownOption", {"upper", "--loud", "IN", "-o", "OUT"}, 2, "unknown option --loud"},
        BadCase{"OptionOfAnotherTool", {"upper", "--find", "a", "IN", "--in-place"}, 2,
                "unknown option --find"},
        BadCase{"MissingValue", {"replace", "IN", "--in-place", "--backup", "--find", "a", "--with"},
                2, "--with needs a value"},
        BadCase{"MissingOutputPath", {"upper", "IN", "-o"}, 2, "-o needs a value"},
        BadCase{"RequiredOptionLeftOut", {"replace", "--find", "a", "IN", "-o", "OUT"}, 2,
                "--with is required"},
        BadCase{"FlagWithValue", {"replace", "--find", "a", "--with", "b", "--match-case=yes",
                                  "IN", "--in-place"},
                2, "--match-case takes no value"},
        BadCase{"UnknownChoice", {"delete-spaces", "--at", "middle", "IN", "--in-place", "--backup"},
                2, "--at takes start|end|both|all"},
        BadCase{"LetterInAPosition", {"delete-range", "--start", "x1", "--length", "1", "IN", "-o",
                                      "OUT"},
                2, "only digits"},
        BadCase{"TwoInputs", {"upper", "IN", "OUT"}, 2, "more than one input"},
        BadCase{"OutputThenInPlace", {"upper", "IN", "-o", "OUT", "--in-place"}, 2, "exclude"},
        BadCase{"InPlaceThenOutput", {"upper", "IN", "--in-place", "-o", "OUT"}, 2, "exclude"},
        BadCase{"BackupWithoutInPlace", {"upper", "IN", "-o", "OUT", "--backup"}, 2,
                "--backup goes with --in-place"},
        BadCase{"InPlaceWithoutFile", {"upper", "--in-place", "--backup"}, 2, "needs a FILE"},
        BadCase{"GeneratorGivenAFile", {"numbered-lines", "--left", "a", "--right", "b", "--lines",
                                        "2", "IN", "-o", "OUT"},
                2, "reads no input"},
        BadCase{"MissingInput", {"upper", "MISSING", "-o", "OUT"}, 1, "cannot read"},
        BadCase{"FolderAsInput", {"upper", "FOLDER", "-o", "OUT"}, 1, "cannot read"},
        BadCase{"OutputInMissingFolder", {"upper", "IN", "-o", "NOWHERE"}, 1, "cannot write"},
        BadCase{"OutputOverAFolder", {"upper", "IN", "-o", "FOLDER"}, 1, "cannot write"},
        BadCase{"IndentTooLong", {"indent", "--spaces", "2147483647", "IN", "--in-place",
                                  "--backup"},
                1, "too long"},
        BadCase{"NumberedLinesTooLong", {"numbered-lines", "--left", "a", "--right", "b",
                                         "--lines", "2147483647", "-o", "OUT"},
                1, "too long"}),
    [](const auto& info) { return std::string(info.param.name); });

// A full disk or a closed pipe on standard output is a failure, not success.
TEST_F(ToolProgramTest, FullStandardOutputFails) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const std::string file = Put("in.txt", std::string(1 << 20, 'a'));
    const int status = std::system((std::string(SCRIBBET_TOOL_PATH) + " upper '" + file +
                                    "' >/dev/full 2>/dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
}  // namespace scribbet
