#include "platform/files.h"

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
#endif

namespace scribbet {

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
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // One byte more than the size, so the read that meets the end needs no
    // new room; a file that grows meanwhile is still read to its end.
    struct stat st {};
    const bool sized = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
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

bool LocalFiles::WriteFile(const std::string& path, std::string_view bytes) {
    const std::string target = FollowLinks(path);
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || access(target.c_str(), W_OK) != 0)) return false;

    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = FolderOf(target) + "/." + name + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;

    bool ok = WriteAll(fd, bytes);
    if (exists) {
        ok = ok && fchmod(fd, old.st_mode & 07777) == 0;
        (void)!fchown(fd, old.st_uid, old.st_gid);  // only root may give files away
    } else {
        ok = ok && fchmod(fd, NewFileMode()) == 0;
    }
    ok = ok && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
    return ok;
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
