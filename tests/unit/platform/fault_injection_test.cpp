// Real failures of the machine met through the commands the user runs: a
// full disk, refused permissions, links, pipes and devices, a server that
// breaks off. Each must leave the old file as it was, tell the user, and
// leave the program able to do the next thing.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "batch/header_footer.h"
#include "batch/merge_split.h"
#include "batch/temp_folder.h"
#include "core/file_commands.h"
#include "core/memory_document.h"
#include "fakes/fake_prompts.h"
#include "fakes/local_http_server.h"
#include "platform/curl_http_client.h"
#include "web/url_source.h"

namespace scribbet {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// While it lives, no file may grow past a few kilobytes: a write beyond
// fails as on a full disk, and root is held to it too.
class FileSizeLimit {
public:
    FileSizeLimit() : m_previous(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = kLimitBytes;
        m_applied = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previous);
    }
    [[nodiscard]] bool Applied() const { return m_applied; }
    static constexpr rlim_t kLimitBytes = 4096;

private:
    void (*m_previous)(int);
    rlimit m_saved {};
    bool m_applied = false;
};

// A hang would stall the whole test run; the alarm makes it a failure.
class HangGuard {
public:
    HangGuard() { alarm(20); }
    ~HangGuard() { alarm(0); }
};

class NoEvents final : public FileCommandEvents {
public:
    void SetCaption(const std::string&) override {}
    void AddRecentFile(const std::string&) override {}
};

const char kSaveFailed[] = "保存文件失败！";
const char kOpenFailed[] = "打开文件失败！";

// The folder of real files, open to the tables of cases below.
class FaultFolder : public TempFolderTest {
public:
    using TempFolderTest::files;
    using TempFolderTest::Path;
    using TempFolderTest::Prefix;
    using TempFolderTest::Put;
    using TempFolderTest::PutFolder;
    // A pipe end a case keeps open for the length of the test.
    int heldOpen = -1;

protected:
    void TearDown() override {
        if (heldOpen >= 0) close(heldOpen);
        TempFolderTest::TearDown();
    }
};

class FileCommandFaults : public FaultFolder {
protected:
    MemoryClipboard clipboard;
    MemoryDocument document{clipboard};
    FakePrompts prompts;
    NoEvents events;
    FileCommands commands{document, files, prompts, events};

    // Only the one error message the failure calls for.
    void ExpectToldOnce(const char* text) const {
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(prompts.messages[0].text, text);
    }
};

// Where a save goes and what must stay untouched when it fails.
struct SaveFault {
    const char* name;
    // Makes the failure; gives the path to save to and the file (with its
    // bytes) that must survive.
    std::function<std::pair<std::string, std::string>(FaultFolder&)> arrange;
    bool fullDisk = false;     // under FileSizeLimit
    bool rootWrites = false;   // permissions that root ignores
};

void PrintTo(const SaveFault& c, std::ostream* out) { *out << c.name; }

class SaveFaultTest : public FileCommandFaults, public ::testing::WithParamInterface<SaveFault> {
};

TEST_P(SaveFaultTest, KeepsTheOldFileTellsTheUserAndTheNextSaveWorks) {
    const SaveFault& c = GetParam();
    if (c.rootWrites && RunningAsRoot()) GTEST_SKIP() << "permissions do not stop root";
    const std::string good = Put("doc.txt", "loaded");
    ASSERT_TRUE(commands.LoadTextFile(good));
    const AnsiText text(20000, 'n');  // more than the file size limit
    document.SetText(text);
    const auto [target, survivor] = c.arrange(*this);
    const std::optional<std::string> before = Get(survivor);
    ASSERT_TRUE(before.has_value() || fs::is_directory(survivor));

    SaveResult result;
    {
        std::optional<FileSizeLimit> limit;
        if (c.fullDisk) {
            ASSERT_TRUE(limit.emplace().Applied());
        }
        result = commands.SaveDocument(target);
    }
    EXPECT_EQ(result, SaveResult::Failed);
    ExpectToldOnce(kSaveFailed);
    EXPECT_EQ(Get(survivor), before);
    EXPECT_EQ(document.GetText(), text);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(commands.CurrentPath(), good);

    EXPECT_EQ(commands.SaveDocument(std::nullopt), SaveResult::Saved);
    EXPECT_EQ(Get(good), text);
    EXPECT_FALSE(document.IsModified());
}

const SaveFault kSaveFaults[] = {
    {"FullDisk",
     [](FaultFolder& f) {
         const std::string old = f.Path("old.txt");
         std::ofstream(old) << "old bytes";
         return std::pair{old, old};
     },
     true},
    {"FullDiskThroughASymbolicLink",
     [](FaultFolder& f) {
         fs::create_directory(f.Path("real"));
         std::ofstream(f.Path("real/a.txt")) << "old bytes";
         fs::create_symlink("real/a.txt", f.Path("link.txt"));
         return std::pair{f.Path("link.txt"), f.Path("real/a.txt")};
     },
     true},
    {"LinkIntoAMissingFolder",
     [](FaultFolder& f) {
         fs::create_symlink("gone/a.txt", f.Path("link.txt"));
         return std::pair{f.Path("link.txt"), f.Path("doc.txt")};
     }},
    {"FolderAtThePath",
     [](FaultFolder& f) {
         fs::create_directory(f.Path("a.txt"));
         std::ofstream(f.Path("a.txt/inner")) << "inner";
         return std::pair{f.Path("a.txt"), f.Path("a.txt/inner")};
     }},
    {"MissingFolder",
     [](FaultFolder& f) { return std::pair{f.Path("no-such-folder/a.txt"), f.Path("doc.txt")}; }},
    {"FolderWithoutWritePermission",
     [](FaultFolder& f) {
         fs::create_directory(f.Path("locked"));
         std::ofstream(f.Path("locked/a.txt")) << "old bytes";
         fs::permissions(f.Path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
         return std::pair{f.Path("locked/a.txt"), f.Path("locked/a.txt")};
     },
     false, true},
    {"ReadOnlyFile",
     [](FaultFolder& f) {
         std::ofstream(f.Path("ro.txt")) << "old bytes";
         fs::permissions(f.Path("ro.txt"), fs::perms::owner_read);
         return std::pair{f.Path("ro.txt"), f.Path("ro.txt")};
     },
     false, true},
};

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest, ::testing::ValuesIn(kSaveFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// Paths that name no document that can be read.
struct LoadFault {
    const char* name;
    std::function<std::string(FaultFolder&)> arrange;
    bool rootReads = false;
};

void PrintTo(const LoadFault& c, std::ostream* out) { *out << c.name; }

class LoadFaultTest : public FileCommandFaults, public ::testing::WithParamInterface<LoadFault> {};

TEST_P(LoadFaultTest, TellsTheUserAndTheNextOpenWorks) {
    const LoadFault& c = GetParam();
    if (c.rootReads && RunningAsRoot()) GTEST_SKIP() << "permissions do not stop root";
    const std::string path = c.arrange(*this);
    {
        HangGuard guard;
        EXPECT_FALSE(commands.LoadTextFile(path));
    }
    ExpectToldOnce(kOpenFailed);
    EXPECT_EQ(document.GetText(), "");
    EXPECT_EQ(commands.CurrentPath(), "");

    const std::string good = Put("good.txt", "\xC4\xE3\xBA\xC3\r\n");
    EXPECT_TRUE(commands.LoadTextFile(good));
    EXPECT_EQ(document.GetText(), "\xC4\xE3\xBA\xC3\r\n");
    EXPECT_EQ(prompts.messages.size(), 1u);
}

const LoadFault kLoadFaults[] = {
    // Nobody writes to the pipe: reading it would wait for ever.
    {"PipeWithoutWriter",
     [](FaultFolder& f) {
         const std::string path = f.Path("pipe");
         mkfifo(path.c_str(), 0600);
         return path;
     }},
    // A writer holds the pipe open but sends nothing: the read would block.
    {"PipeThatNeverSends",
     [](FaultFolder& f) {
         const std::string path = f.Path("pipe");
         mkfifo(path.c_str(), 0600);
         f.heldOpen = open(path.c_str(), O_RDWR | O_NONBLOCK);
         return path;
     }},
    // It never ends: reading it would fill the memory.
    {"EndlessDevice", [](FaultFolder&) { return std::string("/dev/zero"); }},
    {"Folder", [](FaultFolder& f) { return f.PutFolder("dir.txt"); }},
    {"Vanished",
     [](FaultFolder& f) {
         const std::string path = f.Put("gone.txt", "bytes");
         fs::remove(path);
         return path;
     }},
    {"NoReadPermission",
     [](FaultFolder& f) {
         const std::string path = f.Put("secret.txt", "bytes");
         fs::permissions(path, fs::perms::none);
         return path;
     },
     true},
};

INSTANTIATE_TEST_SUITE_P(Faults, LoadFaultTest, ::testing::ValuesIn(kLoadFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// A file that tells no size still loads whole.
TEST_F(FileCommandFaults, AFileWithoutASizeLoadsWhole) {
    struct stat st {};
    ASSERT_EQ(stat("/proc/self/status", &st), 0);
    ASSERT_EQ(st.st_size, 0);
    ASSERT_TRUE(commands.LoadTextFile("/proc/self/status"));
    EXPECT_EQ(document.GetText().rfind("Name:", 0), 0u);
    EXPECT_NE(document.GetText().find("\nPid:"), std::string::npos);
    EXPECT_TRUE(prompts.messages.empty());
}

// Each batch tool on a disk that fills up: every write refused, every old
// file intact, nothing left behind, and the same run works once there is room.
struct BatchFault {
    const char* name;
    std::function<BatchOutcome(FaultFolder&)> run;
    std::vector<std::string> filesBefore;  // the folder after a refused run
    std::vector<FileFault> faults;         // one per refused file, in order
    std::size_t writtenOnceThereIsRoom;
};

void PrintTo(const BatchFault& c, std::ostream* out) { *out << c.name; }

class BatchFaultTest : public FaultFolder, public ::testing::WithParamInterface<BatchFault> {};

const std::string kBig(3 * FileSizeLimit::kLimitBytes, 'b');

TEST_P(BatchFaultTest, FullDiskRefusesEveryWriteAndKeepsEveryFile) {
    const BatchFault& c = GetParam();
    PutFolder("out");
    Put("a.txt", kBig);
    Put("b.txt", kBig + "\r\n" + kBig);
    BatchOutcome refused;
    {
        FileSizeLimit limit;
        ASSERT_TRUE(limit.Applied());
        refused = c.run(*this);
    }
    std::vector<FileFault> faults;
    for (const FileFailure& failure : refused.failed) faults.push_back(failure.fault);
    EXPECT_EQ(faults, c.faults);
    EXPECT_TRUE(refused.written.empty());
    EXPECT_EQ(Get(Path("a.txt")), kBig);
    EXPECT_EQ(Get(Path("b.txt")), kBig + "\r\n" + kBig);
    EXPECT_EQ(Names(), c.filesBefore);

    const BatchOutcome second = c.run(*this);
    EXPECT_TRUE(second.failed.empty());
    EXPECT_EQ(second.written.size(), c.writtenOnceThereIsRoom);
}

HeaderFooterChoice AddHeader(bool backup) {
    HeaderFooterChoice choice;
    choice.header = true;
    choice.backup = backup;
    return choice;
}

const BatchFault kBatchFaults[] = {
    {"Merge",
     [](FaultFolder& f) {
         return MergeFiles(f.files, {f.Path("a.txt"), f.Path("b.txt")}, kBatchLineBreak,
                           f.Prefix("out"), DateTime{2024, 5, 6, 7, 8, 9});
     },
     {"a.txt", "b.txt", "out"}, {FileFault::Unwritable}, 1},
    {"Split",
     [](FaultFolder& f) {
         return SplitFiles(f.files, {f.Path("a.txt"), f.Path("b.txt")}, kBatchLineBreak, f.Prefix("out"));
     },
     {"a.txt", "b.txt", "out"}, {FileFault::Unwritable, FileFault::Unwritable, FileFault::Unwritable}, 3},
    {"HeaderFooter",
     [](FaultFolder& f) {
         return ChangeHeaderFooter(f.files, {f.Path("a.txt"), f.Path("b.txt")}, "#", AddHeader(false));
     },
     {"a.txt", "b.txt", "out"}, {FileFault::Unwritable, FileFault::Unwritable}, 2},
    {"HeaderFooterWithBackup",
     [](FaultFolder& f) {
         return ChangeHeaderFooter(f.files, {f.Path("a.txt"), f.Path("b.txt")}, "#", AddHeader(true));
     },
     {"a.txt", "b.txt", "out"}, {FileFault::BackupFailed, FileFault::BackupFailed}, 2},
};

INSTANTIATE_TEST_SUITE_P(Tools, BatchFaultTest, ::testing::ValuesIn(kBatchFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// A download that breaks off is told through the outcome, and the same
// client fetches the next page as if nothing had happened.
struct DownloadFault {
    const char* name;
    std::optional<std::string> response;  // none: the server never answers
    bool ok;                              // whether a text is had at all
    HttpFailure failure;
    AnsiText text;
};

void PrintTo(const DownloadFault& c, std::ostream* out) { *out << c.name; }

class DownloadFaultTest : public ::testing::TestWithParam<DownloadFault> {};

TEST_P(DownloadFaultTest, IsToldAndTheNextDownloadWorks) {
    const DownloadFault& c = GetParam();
    LocalHttpServer server([&](const std::string& request) -> std::optional<std::string> {
        if (RequestPath(request) == "/good") return LocalHttpServer::Response("200 OK", "good page");
        return c.response;
    });
    HttpLimits limits;
    limits.stallTimeout = 300ms;
    limits.maxBody = 10000;
    CurlHttpClient client(limits);

    const UrlSource broken = FetchUrlSource(client, server.Host() + "/bad");
    EXPECT_EQ(broken.failure, c.failure) << broken.detail;
    EXPECT_FALSE(broken.detail.empty());
    EXPECT_EQ(broken.ok, c.ok);
    EXPECT_EQ(broken.text, c.text);

    const UrlSource next = FetchUrlSource(client, server.Host() + "/good");
    EXPECT_TRUE(next.ok) << next.detail;
    EXPECT_EQ(next.failure, HttpFailure::None);
    EXPECT_EQ(next.text, "good page");
}

const DownloadFault kDownloadFaults[] = {
    {"ClosedMidBody", "HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\nthe first half", true,
     HttpFailure::Other, "the first half"},
    {"HugeBody", LocalHttpServer::Response("200 OK", std::string(200000, 'h')), false,
     HttpFailure::TooLarge, ""},
    {"NeverAnswers", std::nullopt, false, HttpFailure::TimedOut, ""},
};

INSTANTIATE_TEST_SUITE_P(Faults, DownloadFaultTest, ::testing::ValuesIn(kDownloadFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
