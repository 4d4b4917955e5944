#include "platform/files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace scribbet {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class LocalFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "scribbet-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir, ignored);
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
    LocalFiles files;
};

TEST_F(LocalFilesTest, ReadsEveryByte) {
    std::string bytes = "a\0b\r\n\x1A\xFF"s;
    for (int i = 0; i < 300000; ++i) bytes += static_cast<char>(i * 7);
    Put(Path("a.bin"), bytes);
    EXPECT_EQ(files.ReadFile(Path("a.bin")), bytes);
    Put(Path("empty"), "");
    EXPECT_EQ(files.ReadFile(Path("empty")), ""s);
}

TEST_F(LocalFilesTest, ReadFailuresGiveNothing) {
    EXPECT_EQ(files.ReadFile(Path("missing")), std::nullopt);
    EXPECT_EQ(files.ReadFile(dir.string()), std::nullopt);  // a folder: the read fails
}

TEST_F(LocalFilesTest, WriteCreatesAndReplacesAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(files.WriteFile(Path("a.txt"), "first"));
    EXPECT_EQ(Get(Path("a.txt")), "first");
    ASSERT_TRUE(files.WriteFile(Path("a.txt"), "second\0bytes"s));
    EXPECT_EQ(Get(Path("a.txt")), "second\0bytes"s);
    ASSERT_TRUE(files.WriteFile(Path("a.txt"), ""));
    EXPECT_EQ(Get(Path("a.txt")), "");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
}

#ifndef _WIN32
TEST_F(LocalFilesTest, WriteKeepsTheFilesPermissions) {
    Put(Path("a.sh"), "old");
    ASSERT_EQ(chmod(Path("a.sh").c_str(), 0751), 0);
    ASSERT_TRUE(files.WriteFile(Path("a.sh"), "new"));
    struct stat st {};
    ASSERT_EQ(stat(Path("a.sh").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0751u);
}

TEST_F(LocalFilesTest, NewFilesFollowTheUmask) {
    const mode_t old = umask(022);
    ASSERT_TRUE(files.WriteFile(Path("new.txt"), "x"));
    umask(old);
    struct stat st {};
    ASSERT_EQ(stat(Path("new.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(LocalFilesTest, WriteGoesThroughASymbolicLink) {
    fs::create_directory(dir / "real");
    Put(Path("real/target.txt"), "old");
    fs::create_symlink("real/target.txt", dir / "link.txt");
    ASSERT_TRUE(files.WriteFile(Path("link.txt"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(Get(Path("real/target.txt")), "new");
}

TEST_F(LocalFilesTest, FailedWritesKeepTheOldFile) {
    Put(Path("a.txt"), "old");
    EXPECT_FALSE(files.WriteFile(Path("no-such-folder/a.txt"), "new"));
    EXPECT_FALSE(files.WriteFile(dir.string(), "new"));  // a folder is no file
    EXPECT_FALSE(files.WriteFile("/dev/full", "new"));
    EXPECT_EQ(Get(Path("a.txt")), "old");
}

TEST_F(LocalFilesTest, AFullDiskKeepsTheOldFile) {
    Put(Path("a.txt"), "old");
    // A file size limit makes the write fail as a full disk does.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = files.WriteFile(Path("a.txt"), std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(Get(Path("a.txt")), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
}

TEST_F(LocalFilesTest, ReadOnlyFileAndFolderAreNotOverwritten) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write anything";
    Put(Path("ro.txt"), "old");
    ASSERT_EQ(chmod(Path("ro.txt").c_str(), 0444), 0);
    EXPECT_FALSE(files.WriteFile(Path("ro.txt"), "new"));
    EXPECT_EQ(Get(Path("ro.txt")), "old");
    fs::create_directory(dir / "locked");
    Put(Path("locked/a.txt"), "old");
    ASSERT_EQ(chmod((dir / "locked").c_str(), 0555), 0);
    EXPECT_FALSE(files.WriteFile(Path("locked/a.txt"), "new"));
    EXPECT_EQ(Get(Path("locked/a.txt")), "old");
}

TEST_F(LocalFilesTest, ExistsForAnythingAtThePath) {
    Put(Path("a.txt"), "");
    fs::create_directory(dir / "sub");
    fs::create_symlink(dir / "nothing", dir / "dangling");
    EXPECT_TRUE(files.Exists(Path("a.txt")));
    EXPECT_TRUE(files.Exists(Path("sub")));
    EXPECT_TRUE(files.Exists(Path("dangling")));
    EXPECT_FALSE(files.Exists(Path("nothing")));
}

TEST_F(LocalFilesTest, WriteFilesWritesEachAndReportsEachFailure) {
    Put(Path("old.txt"), "old");
    fs::create_directory(dir / "blocked.txt");
    const std::string big(1 << 20, 'b');
    const std::vector<bool> written = files.WriteFiles({{Path("new.txt"), "new"},
                                                        {Path("blocked.txt"), "x"},
                                                        {Path("old.txt"), big},
                                                        {Path("no-such-folder/a.txt"), "y"},
                                                        {Path("empty.txt"), ""}});
    EXPECT_EQ(written, (std::vector<bool>{true, false, true, false, true}));
    EXPECT_EQ(Get(Path("new.txt")), "new");
    EXPECT_EQ(Get(Path("old.txt")), big);
    EXPECT_EQ(Get(Path("empty.txt")), "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"blocked.txt", "empty.txt", "new.txt", "old.txt"}));
}
TEST_F(LocalFilesTest, WriterReplacesTheFileOnlyOnCommit) {
    Put(Path("a.txt"), "old");
    {
        const auto dropped = files.CreateWriter(Path("a.txt"));
        ASSERT_NE(dropped, nullptr);
        EXPECT_TRUE(dropped->Append("never"));
    }
    EXPECT_EQ(Get(Path("a.txt")), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
    const auto writer = files.CreateWriter(Path("a.txt"));
    ASSERT_NE(writer, nullptr);
    EXPECT_TRUE(writer->Append("ne"));
    EXPECT_TRUE(writer->Append(""));
    EXPECT_TRUE(writer->Append("w\0"s));
    EXPECT_TRUE(writer->Commit());
    EXPECT_EQ(Get(Path("a.txt")), "new\0"s);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(files.CreateWriter(dir.string()), nullptr);  // a folder is no file
    EXPECT_EQ(files.CreateWriter(Path("no-such-folder/a.txt")), nullptr);
}
#endif

}  // namespace
}  // namespace scribbet
