#include "web/run_script.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/memory_document.h"
#include "fakes/fake_files.h"
#include "fakes/fake_prompts.h"

namespace scribbet {
namespace {

class RecordingShell final : public Shell {
public:
    std::vector<std::string> opened;
    bool answer = true;
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return answer;
    }
};

class RunScriptTest : public ::testing::Test {
protected:
    void Load(const AnsiText& text) {
        document.ResetText(text);
        document.SetSelection(1, 1);
    }
    ScriptRun Run(const std::string& fileName) {
        return RunScript(fileName, document, files, shell, prompts);
    }
    void ExpectDocumentUntouched(const AnsiText& text) {
        EXPECT_EQ(document.GetText(), text);
        EXPECT_FALSE(document.IsModified());
        EXPECT_FALSE(document.CanUndo());
        EXPECT_EQ(document.GetSelection(), (Selection{std::min<Pos>(1, text.size()), text.empty() ? 0 : 1}));
    }

    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
    FakeFiles files;
    RecordingShell shell;
    FakePrompts prompts;
};

struct ScriptCase {
    const char* name;
    const char* fileName;
    AnsiText text;
};

class RunScriptWrites : public RunScriptTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(RunScriptWrites, TheWholeTextAsItIsThenOpensIt) {
    const ScriptCase& c = GetParam();
    Load(c.text);
    EXPECT_EQ(Run(c.fileName), ScriptRun::Launched);
    const std::string path = "/home/user/tmp/" + std::string(c.fileName);
    ASSERT_EQ(files.files.count(path), 1u);
    EXPECT_EQ(files.files[path], c.text);
    EXPECT_EQ(files.files.size(), 1u);
    EXPECT_EQ(shell.opened, std::vector<std::string>{path});
    EXPECT_TRUE(prompts.messages.empty());
    ExpectDocumentUntouched(c.text);
}

const ScriptCase kScripts[] = {
    {"VbsScript", kVbsScript, "MsgBox \"hi\"\r\nWScript.Quit\r\n"},
    {"BatScript", kBatScript, "@echo off\r\ndir\r\n"},
    // 你好 C4 E3 BA C3: GBK bytes are not converted.
    {"GbkText", kBatScript, "echo \xC4\xE3\xBA\xC3\r\npause"},
    {"EmptyDocumentGivesAnEmptyFile", kBatScript, ""},
    {"NoFinalLineBreak", kVbsScript, "x = 1"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RunScriptWrites, ::testing::ValuesIn(kScripts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunScriptTest, SecondRunLeavesOnlyTheSecondText) {
    Load("echo first and longer\r\n");
    ASSERT_EQ(Run(kBatScript), ScriptRun::Launched);
    Load("echo 2");
    ASSERT_EQ(Run(kBatScript), ScriptRun::Launched);
    EXPECT_EQ(files.files["/home/user/tmp/ls.bat"], "echo 2");
    EXPECT_EQ(shell.opened.size(), 2u);
}

TEST_F(RunScriptTest, FailedWriteLaunchesNothingAndSaysSo) {
    const std::string path = "/home/user/tmp/ls.bat";
    files.files[path] = "echo stale";
    files.unwritable.insert(path);
    Load("echo new");
    EXPECT_EQ(Run(kBatScript), ScriptRun::NotWritten);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(files.files[path], "echo stale");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, "无法写入脚本文件“" + path + "”，脚本没有运行。");
    ExpectDocumentUntouched("echo new");
}

TEST_F(RunScriptTest, NoPrivateFolderWritesAndLaunchesNothing) {
    files.tempFolder.reset();
    Load("echo x");
    EXPECT_EQ(Run(kVbsScript), ScriptRun::NoFolder);
    EXPECT_EQ(files.writes, 0);
    EXPECT_TRUE(shell.opened.empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, "找不到只属于当前用户的临时文件夹，脚本没有运行。");
}

TEST_F(RunScriptTest, UnhandledFileIsWrittenWithoutAMessage) {
    shell.answer = false;
    Load("echo x");
    EXPECT_EQ(Run(kBatScript), ScriptRun::NotLaunched);
    EXPECT_EQ(files.files["/home/user/tmp/ls.bat"], "echo x");
    EXPECT_TRUE(prompts.messages.empty());
}

// The real temporary folder, under a TMPDIR of the test's own.
class PrivateTempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("TMPDIR");
        if (old) m_oldTmpdir = old;
        char pattern[] = "/tmp/scribbet-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        base = root + "/tmp";
        ASSERT_EQ(mkdir(base.c_str(), 0700), 0);
        setenv("TMPDIR", base.c_str(), 1);
    }
    void TearDown() override {
        if (m_oldTmpdir) {
            setenv("TMPDIR", m_oldTmpdir->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
        std::filesystem::remove_all(root);
    }
    static mode_t ModeOf(const std::string& path) {
        struct stat st {};
        return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    std::string Own() const { return base + "/scribbet-" + std::to_string(geteuid()); }

    std::string root;
    std::string base;
    LocalFiles files;

private:
    std::optional<std::string> m_oldTmpdir;
};

TEST_F(PrivateTempFolderTest, FolderOfTheUsersOwnIsUsedDirectly) {
    EXPECT_EQ(files.PrivateTempFolder(), base);
    EXPECT_FALSE(std::filesystem::exists(Own()));
}

TEST_F(PrivateTempFolderTest, TrailingSlashesAreDropped) {
    setenv("TMPDIR", (base + "//").c_str(), 1);
    EXPECT_EQ(files.PrivateTempFolder(), base);
}

struct SharedCase {
    const char* name;
    mode_t mode;
};

class PrivateTempFolderShared : public PrivateTempFolderTest,
                                public ::testing::WithParamInterface<SharedCase> {};

TEST_P(PrivateTempFolderShared, GivesAFolderOnlyTheUserMayEnter) {
    ASSERT_EQ(chmod(base.c_str(), GetParam().mode), 0);
    EXPECT_EQ(files.PrivateTempFolder(), Own());
    EXPECT_EQ(ModeOf(Own()), 0700u);
    struct stat st {};
    ASSERT_EQ(lstat(Own().c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, geteuid());
    // Asked again, the same folder serves.
    EXPECT_EQ(files.PrivateTempFolder(), Own());
}

const SharedCase kShared[] = {
    {"LikeSlashTmp", 01777},
    {"WritableByAll", 0777},
    {"WritableByTheGroup", 0770},
};

INSTANTIATE_TEST_SUITE_P(Cases, PrivateTempFolderShared, ::testing::ValuesIn(kShared),
                         [](const auto& info) { return std::string(info.param.name); });

struct DecoyCase {
    const char* name;
    std::function<void(const std::string& own, const std::string& root)> plant;
};

class PrivateTempFolderDecoy : public PrivateTempFolderTest,
                               public ::testing::WithParamInterface<DecoyCase> {};

TEST_P(PrivateTempFolderDecoy, IsRefused) {
    ASSERT_EQ(chmod(base.c_str(), 01777), 0);
    GetParam().plant(Own(), root);
    if (IsSkipped() || HasFatalFailure()) return;
    EXPECT_EQ(files.PrivateTempFolder(), std::nullopt);
}

const DecoyCase kDecoys[] = {
    {"OpenToOthers", [](const std::string& own, const std::string&) {
         ASSERT_EQ(mkdir(own.c_str(), 0700), 0);
         ASSERT_EQ(chmod(own.c_str(), 0777), 0);
     }},
    {"ReadableByOthers", [](const std::string& own, const std::string&) {
         ASSERT_EQ(mkdir(own.c_str(), 0700), 0);
         ASSERT_EQ(chmod(own.c_str(), 0755), 0);
     }},
    {"LinkToAnotherFolder", [](const std::string& own, const std::string& root) {
         const std::string elsewhere = root + "/elsewhere";
         ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
         ASSERT_EQ(symlink(elsewhere.c_str(), own.c_str()), 0);
     }},
    {"PlainFile", [](const std::string& own, const std::string&) { std::ofstream(own) << "x"; }},
    {"SomebodyElsesFolder", [](const std::string& own, const std::string&) {
         // Only root can give a folder away.
         if (geteuid() != 0) GTEST_SKIP() << "needs root to make a folder of another user";
         ASSERT_EQ(mkdir(own.c_str(), 0700), 0);
         ASSERT_EQ(chown(own.c_str(), 65534, static_cast<gid_t>(-1)), 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, PrivateTempFolderDecoy, ::testing::ValuesIn(kDecoys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrivateTempFolderTest, MissingFolderGivesNone) {
    setenv("TMPDIR", (root + "/missing").c_str(), 1);
    EXPECT_EQ(files.PrivateTempFolder(), std::nullopt);
}

TEST_F(PrivateTempFolderTest, ScriptGoesIntoThePrivateFolderOfASharedOne) {
    ASSERT_EQ(chmod(base.c_str(), 01777), 0);
    MemoryClipboard clipboard;
    MemoryDocument document(clipboard);
    document.ResetText("echo \xC4\xE3\xBA\xC3\r\n");  // 你好
    RecordingShell shell;
    FakePrompts prompts;
    EXPECT_EQ(RunScript(kBatScript, document, files, shell, prompts), ScriptRun::Launched);
    const std::string path = Own() + "/ls.bat";
    EXPECT_EQ(shell.opened, std::vector<std::string>{path});
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "echo \xC4\xE3\xBA\xC3\r\n");
    EXPECT_FALSE(std::filesystem::exists(base + "/ls.bat"));
}

}  // namespace
}  // namespace scribbet
