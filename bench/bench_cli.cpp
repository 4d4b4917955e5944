// scribbet-tool as a whole process on a generated GBK document, beside perl
// or python3 doing the same job as a whole process: read the file, change
// it, write the result. Both outputs are compared byte for byte.
//
// bench_cli SCRIBBET_TOOL MEGABYTES WORK_FOLDER
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "bench_text.h"

namespace {

struct Job {
    const char* name;
    std::string ours;       // the arguments of scribbet-tool, shell-quoted
    const char* what;       // the reference, in a few words
    std::string reference;  // a shell command from stdin to stdout
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

double TimeCommand(const std::string& command) {
    bool failed = false;
    const double seconds = scribbet::bench::BestSeconds([&] {
        failed |= std::system(command.c_str()) != 0;
    });
    if (failed) std::cerr << "failed: " << command << '\n';
    return seconds;
}

// Both sides get paragraphs as the editor counts them: the pieces between
// CR LF, without an empty one after a final line break.
const char kPython[] =
    "python3 -c 'import sys\n"
    "d = sys.stdin.buffer.read()\n"
    "def pieces(sep):\n"
    "    p = d.split(sep)\n"
    "    return p[:-1] if p and p[-1] == b\"\" else p\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: bench_cli SCRIBBET_TOOL MEGABYTES WORK_FOLDER\n";
        return 2;
    }
    const std::string tool = argv[1];
    const std::size_t megabytes = std::stoul(argv[2]);
    const std::string work = argv[3];
    const std::string text = work + "/text.txt";
    {
        const std::string bytes = scribbet::bench::MakeGbkText(megabytes * 1000 * 1000);
        std::ofstream(text, std::ios::binary) << bytes;
    }

    const Job jobs[] = {
        {"upper", "upper", "perl tr/a-z/A-Z/", "perl -0777 -pe 'tr/a-z/A-Z/'"},
        {"upper", "upper", "python3 bytes.upper", std::string(kPython) +
                                                      "sys.stdout.buffer.write(d.upper())'"},
        {"replace", "replace --find '中文' --with '汉语'", "perl s///g",
         "perl -0777 -pe 's/\\xD6\\xD0\\xCE\\xC4/\\xBA\\xBA\\xD3\\xEF/g'"},
        {"regex-replace", "regex-replace --pattern '\\d+' --with '#'", "perl s/\\d+/#/g",
         "perl -0777 -pe 's/\\d+/#/g'"},
        {"regex-replace", "regex-replace --pattern '\\d+' --with '#'", "python3 re.sub",
         std::string(kPython) + "import re\nsys.stdout.buffer.write(re.sub(rb\"\\d+\", b\"#\", d))'"},
        {"split", "split --separator '，'", "python3 split + join",
         std::string(kPython) +
             "sys.stdout.buffer.write(b\"\".join(x + b\"\\r\\n\" for x in pieces(b\"\\xA3\\xAC\")))'"},
        {"prefix", "prefix --left '' --right '. ' --start 1", "python3 enumerate + join",
         std::string(kPython) +
             "sys.stdout.buffer.write(b\"\".join(b\"%d. %s\\r\\n\" % (i, x) for i, x in "
             "enumerate(pieces(b\"\\r\\n\"), 1)))'"},
        {"merge-paragraphs", "merge-paragraphs", "perl s/\\r\\n//g",
         "perl -0777 -pe 's/\\r\\n//g'"},
    };

    const double mb = static_cast<double>(ReadAll(text).size()) / 1e6;
    std::printf("%-17s %9s %8s   %-26s %9s %8s  %8s  %s\n", "tool", "ours MB/s", "ours s",
                "reference", "ref MB/s", "ref s", "ours/ref", "same bytes");
    bool allSame = true;
    for (const Job& job : jobs) {
        const std::string ours = work + "/ours.txt", theirs = work + "/reference.txt";
        const double ourSeconds =
            TimeCommand("'" + tool + "' " + job.ours + " '" + text + "' -o '" + ours + "'");
        const double refSeconds = TimeCommand(job.reference + " <'" + text + "' >'" + theirs + "'");
        const bool same = ReadAll(ours) == ReadAll(theirs);
        allSame &= same;
        std::printf("%-17s %9.1f %8.3f   %-26s %9.1f %8.3f  %8.2f  %s\n", job.name,
                    mb / ourSeconds, ourSeconds, job.what, mb / refSeconds, refSeconds,
                    ourSeconds / refSeconds, same ? "yes" : "NO");
        std::fflush(stdout);
    }
    std::printf("%.0f MB document, whole processes, best of 3; %s\n", mb,
                allSame ? "every output the same as its reference's"
                        : "SOME OUTPUT DIFFERS FROM ITS REFERENCE");
    return allSame ? 0 : 1;
}
