#pragma once
// What a batch run did: the files it wrote and the files it could not
// handle, each with the reason, so that the window only has to say so.
#include <string>
#include <vector>

namespace scribbet {

// Paths of the batch tools are the platform's native paths.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

enum class FileFault {
    Unreadable,    // a listed file could not be read; it was left alone
    Unwritable,    // a file to be written could not be; an old one is intact
    BackupFailed,  // the backup copy could not be made, so the file was left alone
    NotLossless,   // its bytes would not survive the conversion, so it was left alone
};

struct FileFailure {
    std::string path;
    FileFault fault;
    friend bool operator==(const FileFailure& a, const FileFailure& b) {
        return a.path == b.path && a.fault == b.fault;
    }
};

struct BatchOutcome {
    std::vector<std::string> written;  // in the order they were written
    std::vector<FileFailure> failed;   // in the order they were met
};

}  // namespace scribbet
