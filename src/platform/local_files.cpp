#include "platform/files.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <filesystem>
#include <fstream>
#else
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#endif

namespace scribbet {

namespace {

// Holds the bytes until Commit, then writes them in one go.
class GatheringWriter final : public FileWriter {
public:
    GatheringWriter(Files& files, std::string path) : m_files(files), m_path(std::move(path)) {}
    bool Append(std::string_view bytes) override {
        m_bytes.append(bytes);
        return true;
    }
    bool Commit() override { return m_files.WriteFile(m_path, m_bytes); }

private:
    Files& m_files;
    std::string m_path;
    ByteBuffer m_bytes;
};

}  // namespace

std::unique_ptr<FileWriter> Files::CreateWriter(const std::string& path) {
    return std::make_unique<GatheringWriter>(*this, path);
}

#ifdef _WIN32

namespace {
std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}
}  // namespace

std::optional<ByteBuffer> LocalFiles::ReadFile(const std::string& path) {
    std::ifstream in(std::filesystem::path(Wide(path)), std::ios::binary);
    if (!in) return std::nullopt;
    ByteBuffer bytes;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool LocalFiles::WriteFile(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(Wide(path));
    std::filesystem::path temp = target;
    temp += L".scribbet-tmp";
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        ok = ::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (ok) {
        if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ok = ReplaceFileW(target.c_str(), temp.c_str(), nullptr, 0, nullptr, nullptr);
        } else {
            ok = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        }
    }
    if (!ok) DeleteFileW(temp.c_str());
    return ok;
}

bool LocalFiles::Exists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The temporary folder Windows gives each user lies in the user's own profile.
std::optional<std::string> LocalFiles::PrivateTempFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
    if (n == 0 || n > MAX_PATH) return std::nullopt;
    std::wstring folder(buffer, n);
    while (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
    const int size = WideCharToMultiByte(CP_UTF8, 0, folder.data(), static_cast<int>(folder.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, folder.data(), static_cast<int>(folder.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

#else

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names: symbolic links are followed, a dangling
// one to the file it would create.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char buffer[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0) return path;
        std::string link(buffer, static_cast<std::size_t>(n));
        path = link[0] == '/' ? link : FolderOf(path) + "/" + link;
    }
    return path;
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::optional<ByteBuffer> LocalFiles::ReadFile(const std::string& path) {
    // Only regular files are documents. A pipe would block the program
    // until someone writes to it, and a device such as /dev/zero never ends:
    // it would fill the memory until the program died with the document.
    // Opening without blocking lets the check come before any wait.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    const int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flags < 0 ||
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return std::nullopt;
    }
    // One byte more than the size, so the read that meets the end needs no
    // new room; a file that grows meanwhile is still read to its end, and
    // one that tells no size (in /proc) is read all the same.
    const bool sized = st.st_size > 0;
    ByteBuffer bytes(sized ? static_cast<std::size_t>(st.st_size) + 1 : std::size_t{1} << 16, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t n = read(fd, bytes.data() + used, bytes.size() - used);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            close(fd);
            return std::nullopt;
        }
        used += static_cast<std::size_t>(n);
    }
    close(fd);
    bytes.resize(used);
    return bytes;
}

namespace {

// A temporary file that holds the new bytes, beside the file it is to
// replace.
struct Staged {
    std::string temp;
    std::string target;
};

// A temporary file being written.
struct Staging {
    int fd = -1;
    Staged staged;
    bool exists = false;
    struct stat old {};
};

// Opens a new temporary file in the target's folder; nothing when the
// target is no regular file or may not be written.
std::optional<Staging> BeginStage(const std::string& path) {
    Staging staging;
    staging.staged.target = FollowLinks(path);
    const std::string& target = staging.staged.target;
    staging.exists = stat(target.c_str(), &staging.old) == 0;
    if (staging.exists && (!S_ISREG(staging.old.st_mode) || access(target.c_str(), W_OK) != 0)) {
        return std::nullopt;
    }
    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    staging.staged.temp = FolderOf(target) + "/." + name + ".XXXXXX";
    staging.fd = mkstemp(staging.staged.temp.data());
    if (staging.fd < 0) return std::nullopt;
    return staging;
}

// Gives the temporary file the target's permissions and closes it, on the
// disk first when `flush`; `ok` false (a write failed) or any failure here
// removes it.
std::optional<Staged> FinishStage(Staging& staging, bool ok, bool flush) {
    const int fd = staging.fd;
    if (staging.exists) {
        ok = ok && fchmod(fd, staging.old.st_mode & 07777) == 0;
        (void)!fchown(fd, staging.old.st_uid, staging.old.st_gid);  // only root may give files away
    } else {
        ok = ok && fchmod(fd, NewFileMode()) == 0;
    }
    ok = ok && (!flush || fsync(fd) == 0);
    ok = (close(fd) == 0) && ok;
    staging.fd = -1;
    if (!ok) {
        unlink(staging.staged.temp.c_str());
        return std::nullopt;
    }
    return staging.staged;
}

// Writes the bytes to a new temporary file in the target's folder, with the
// target's permissions; on the disk before it returns when `flush`.
std::optional<Staged> Stage(const std::string& path, std::string_view bytes, bool flush) {
    std::optional<Staging> staging = BeginStage(path);
    if (!staging) return std::nullopt;
    const bool ok = WriteAll(staging->fd, bytes);
    return FinishStage(*staging, ok, flush);
}

// The temporary file takes the target's place.
bool Commit(const Staged& staged) {
    if (rename(staged.temp.c_str(), staged.target.c_str()) == 0) return true;
    unlink(staged.temp.c_str());
    return false;
}

// Everything written to the file system that holds the folder is on the disk.
bool FlushFileSystem(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
#ifdef __linux__
    const bool ok = syncfs(fd) == 0;
#else
    sync();
    const bool ok = true;
#endif
    close(fd);
    return ok;
}

// Appends go straight to the temporary file, so a large file is never held
// in memory.
class LocalFileWriter final : public FileWriter {
public:
    explicit LocalFileWriter(Staging staging) : m_staging(std::move(staging)) {}
    ~LocalFileWriter() override {
        if (m_staging.fd >= 0) (void)FinishStage(m_staging, false, false);
    }
    bool Append(std::string_view bytes) override {
        m_ok = m_ok && m_staging.fd >= 0 && WriteAll(m_staging.fd, bytes);
        return m_ok;
    }
    bool Commit() override {
        if (m_staging.fd < 0) return false;
        const std::optional<Staged> staged = FinishStage(m_staging, m_ok, true);
        return staged && ::scribbet::Commit(*staged);
    }

private:
    Staging m_staging;
    bool m_ok = true;
};

}  // namespace

std::unique_ptr<FileWriter> LocalFiles::CreateWriter(const std::string& path) {
    std::optional<Staging> staging = BeginStage(path);
    if (!staging) return nullptr;
    return std::make_unique<LocalFileWriter>(std::move(*staging));
}

bool LocalFiles::WriteFile(const std::string& path, std::string_view bytes) {
    const std::optional<Staged> staged = Stage(path, bytes, true);
    return staged && Commit(*staged);
}

bool LocalFiles::Exists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

std::vector<bool> LocalFiles::WriteFiles(const std::vector<FileWrite>& writes) {
    // All temporary files first, one flush per file system, and only then
    // does any take its target's place: a file is replaced only by bytes
    // that are on the disk.
    std::vector<std::optional<Staged>> staged;
    staged.reserve(writes.size());
    std::set<std::string> folders;
    for (const FileWrite& write : writes) {
        staged.push_back(Stage(write.path, write.bytes, false));
        if (staged.back()) folders.insert(FolderOf(staged.back()->target));
    }
    std::set<std::string> flushed;
    for (const std::string& folder : folders) {
        if (FlushFileSystem(folder)) flushed.insert(folder);
    }
    std::vector<bool> written;
    written.reserve(writes.size());
    for (const std::optional<Staged>& file : staged) {
        if (file && !flushed.count(FolderOf(file->target))) unlink(file->temp.c_str());
        written.push_back(file && flushed.count(FolderOf(file->target)) && Commit(*file));
    }
    return written;
}

std::optional<std::string> LocalFiles::PrivateTempFolder() {
    const char* variable = std::getenv("TMPDIR");
    std::string base = variable && *variable ? variable : "/tmp";
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    struct stat st {};
    if (stat(base.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    const uid_t user = geteuid();
    if (st.st_uid == user && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0) return base;

    // Others may write here: they could plant a file or a link where ours
    // goes, so ours go one folder deeper, into a folder only we may enter.
    const std::string folder = base + "/scribbet-" + std::to_string(user);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
    // The folder may be older than this run, or someone else's decoy: use it
    // only when it is a real folder of ours closed to everybody else.
    struct stat own {};
    if (lstat(folder.c_str(), &own) != 0 || !S_ISDIR(own.st_mode) || own.st_uid != user ||
        (own.st_mode & 077) != 0) {
        return std::nullopt;
    }
    return folder;
}

#endif

}  // namespace scribbet
