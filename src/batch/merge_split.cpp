#include "batch/merge_split.h"

#include <set>
#include <utility>

namespace scribbet {
namespace {

constexpr char kMergedSuffix[] = "_合并.txt";
constexpr char kPieceSuffix[] = ".txt";

// Pieces are written in groups of about this many bytes: few enough waits
// for the disk, little enough memory.
constexpr std::size_t kPieceGroupBytes = std::size_t{64} << 20;

// Pieces waiting to be written together.
class PieceWriter {
public:
    PieceWriter(Files& files, BatchOutcome& outcome) : m_files(files), m_outcome(outcome) {}

    void Add(std::string path, ByteBuffer bytes) {
        m_bytes += bytes.size();
        m_paths.push_back(std::move(path));
        m_pieces.push_back(std::move(bytes));
        if (m_bytes >= kPieceGroupBytes) Flush();
    }

    void Flush() {
        if (m_paths.empty()) return;
        // Views are taken only now: moving a short string moves its bytes.
        std::vector<FileWrite> writes;
        writes.reserve(m_paths.size());
        for (std::size_t i = 0; i < m_paths.size(); ++i) writes.push_back({m_paths[i], m_pieces[i]});
        const std::vector<bool> written = m_files.WriteFiles(writes);
        for (std::size_t i = 0; i < m_paths.size(); ++i) {
            if (i < written.size() && written[i]) {
                m_outcome.written.push_back(std::move(m_paths[i]));
            } else {
                m_outcome.failed.push_back({std::move(m_paths[i]), FileFault::Unwritable});
            }
        }
        m_paths.clear();
        m_pieces.clear();
        m_bytes = 0;
    }

private:
    Files& m_files;
    BatchOutcome& m_outcome;
    std::vector<std::string> m_paths;
    std::vector<ByteBuffer> m_pieces;
    std::size_t m_bytes = 0;
};

}  // namespace

MergeSplitCheck CheckMergeSplit(const std::vector<std::string>& sources,
                                const std::string& folder) {
    if (sources.empty()) return MergeSplitCheck::NoFiles;
    if (folder.empty()) return MergeSplitCheck::NoFolder;
    return MergeSplitCheck::Ready;
}

std::string BaseName(std::string_view path) {
    // Paths are UTF-8 (or UTF-16 below the API), where no byte of a
    // multi-byte character is ASCII: a plain byte search cannot hit the
    // middle of a character.
    const std::size_t separator = path.rfind(kPathSeparator);
    const std::string_view name =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    return std::string(name.substr(0, name.find('.')));
}

std::string MergedFileName(const std::string& folder, const DateTime& at, int copy) {
    std::string name = JoinText(folder, IntToText(YearOf(at)), IntToText(MonthOf(at)),
                                IntToText(DayOf(at)), IntToText(HourOf(at)),
                                IntToText(MinuteOf(at)), IntToText(SecondOf(at)));
    if (copy > 1) name.append("_").append(IntToText(copy));
    return name.append(kMergedSuffix);
}

std::string PieceFileName(const std::string& folder, const std::string& base,
                          std::size_t number) {
    return JoinText(folder, base, "_", IntToText(static_cast<std::int64_t>(number)), kPieceSuffix);
}

BatchOutcome MergeFiles(Files& files, const std::vector<std::string>& sources,
                        std::string_view separator, const std::string& folder,
                        const DateTime& at) {
    BatchOutcome outcome;
    int copy = 1;
    std::string target = MergedFileName(folder, at, copy);
    while (files.Exists(target)) target = MergedFileName(folder, at, ++copy);

    // Each file goes out as soon as it is read: the merged file may be far
    // larger than the memory a copy of it would need.
    std::unique_ptr<FileWriter> writer = files.CreateWriter(target);
    bool appended = writer != nullptr;
    bool any = false;
    for (const std::string& source : sources) {
        const std::optional<ByteBuffer> bytes = files.ReadFile(source);
        if (!bytes) {
            outcome.failed.push_back({source, FileFault::Unreadable});
            continue;
        }
        if (appended && any) appended = writer->Append(separator);
        if (appended) appended = writer->Append(*bytes);
        any = true;
    }
    if (!any) return outcome;  // nothing to merge: the writer leaves no file
    if (appended && writer->Commit()) {
        outcome.written.push_back(std::move(target));
    } else {
        outcome.failed.push_back({std::move(target), FileFault::Unwritable});
    }
    return outcome;
}

BatchOutcome SplitFiles(Files& files, const std::vector<std::string>& sources,
                        std::string_view separator, const std::string& folder) {
    BatchOutcome outcome;
    PieceWriter writer(files, outcome);
    std::set<std::string> bases;
    for (const std::string& source : sources) {
        const std::optional<ByteBuffer> bytes = files.ReadFile(source);
        if (!bytes) {
            outcome.failed.push_back({source, FileFault::Unreadable});
            continue;
        }
        // Piece names split uniquely at their last "_" (the number has
        // none), so distinct bases can never write the same piece.
        const std::string base = BaseName(source);
        std::string unique = base;
        for (int copy = 2; bases.count(unique); ++copy) unique = JoinText(base, "_", IntToText(copy));
        bases.insert(unique);

        std::vector<ByteBuffer> pieces = SplitBytes(*bytes, separator);
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            writer.Add(PieceFileName(folder, unique, k + 1), std::move(pieces[k]));
        }
    }
    writer.Flush();
    return outcome;
}

}  // namespace scribbet
