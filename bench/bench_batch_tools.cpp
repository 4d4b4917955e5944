// Merging and splitting many files, for bench/run_batch_tools.sh:
//   bench_batch_tools generate DIR MB COUNT   writes COUNT GBK files, MB in all
//   bench_batch_tools merge DIR OUT           prints the best seconds of merging them
//   bench_batch_tools split DIR OUT           prints the best seconds of splitting them
// The outputs go to OUT, which is emptied before every run.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "batch/merge_split.h"
#include "bench_text.h"

namespace fs = std::filesystem;
using namespace scribbet;

namespace {

// A line that stands every so often in the generated files, where the
// split benchmark cuts them.
constexpr char kSeparator[] = "\r\n=====\r\n";
constexpr std::size_t kSeparatorEvery = 100 * 1000;

std::vector<std::string> Sources(const std::string& dir) {
    std::vector<std::string> paths;
    for (const auto& entry : fs::directory_iterator(dir)) paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

void Empty(const std::string& out) {
    for (const auto& entry : fs::directory_iterator(out)) fs::remove_all(entry.path());
}

int Generate(const std::string& dir, std::size_t megabytes, std::size_t count) {
    LocalFiles files;
    const std::size_t each = megabytes * 1000 * 1000 / count;
    // One text cut into the files, so they differ from each other.
    const std::string text = bench::MakeGbkText(each * count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string bytes;
        bytes.reserve(each + each / kSeparatorEvery * sizeof kSeparator);
        for (std::size_t at = 0; at < each; at += kSeparatorEvery) {
            if (at > 0) bytes.append(kSeparator);
            bytes.append(text, i * each + at, std::min(kSeparatorEvery, each - at));
        }
        char name[32];
        std::snprintf(name, sizeof name, "/f%05zu.txt", i);
        if (!files.WriteFile(dir + name, bytes)) return 1;
    }
    return 0;
}

// The best of two runs, each into an emptied folder.
template <typename Work>
double Best(const std::string& out, Work work) {
    double best = 1e300;
    for (int run = 0; run < 2; ++run) {
        Empty(out);
        best = std::min(best, bench::BestSeconds(work, 1));
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "generate") {
        return Generate(args[1], std::stoul(args[2]), std::stoul(args[3]));
    }
    if (args.size() != 3 || (args[0] != "merge" && args[0] != "split")) {
        std::fprintf(stderr, "usage: bench_batch_tools generate DIR MB COUNT | merge|split DIR OUT\n");
        return 2;
    }
    LocalFiles files;
    const std::vector<std::string> sources = Sources(args[1]);
    const std::string out = fs::path(args[2]).string() + kPathSeparator;
    bool ok = true;
    const double seconds = Best(args[2], [&] {
        const BatchOutcome outcome =
            args[0] == "merge" ? MergeFiles(files, sources, "\r\n", out, DateTime{2024, 3, 5, 9, 7, 2})
                               : SplitFiles(files, sources, kSeparator, out);
        ok = ok && outcome.failed.empty() && !outcome.written.empty();
    });
    std::printf("%.3f\n", seconds);
    return ok ? 0 : 1;
}
