// The generators on a million lines: the account list and the template
// copies built by the pure functions, then written into an edit area as a
// tool's one SetText (offscreen is enough).
//
//   bench_generators [COUNT [OUTDIR]]     (default 1000000, no files)
//
// With OUTDIR the texts are written to OUTDIR/accounts.txt and
// OUTDIR/template.txt, so that run_generators.sh can compare them with a
// python3 reference of the same algorithm. The clock is fixed, so every run
// draws the same lines. The exit status is 1 when building either text takes
// kMaxSeconds or more.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench_text.h"
#include "generate/accounts.h"
#include "generate/template_text.h"
#include "platform/edit_area.h"

using namespace scribbet;

namespace {

constexpr double kMaxSeconds = 2.0;
constexpr std::uint32_t kMilliseconds = 123456;

class BenchClock final : public Clock {
public:
    DateTime Now() const override { return {}; }
    std::uint32_t Milliseconds() const override { return kMilliseconds; }
};

AccountOptions Accounts(int count) {
    AccountOptions options;
    options.account.choice = LengthChoice::Range;
    options.account.shortest = 6;
    options.account.longest = 12;
    options.account.firstNotDigit = true;
    options.password.choice = LengthChoice::Fixed;
    options.password.fixedLength = 10;
    options.count = count;
    return options;
}

// 显示图片 (图片框{@%0}.图片，{@%1})\r\n: a padded counter and a plain one.
const char kTemplate[] =
    "\xCF\xD4\xCA\xBE\xCD\xBC\xC6\xAC (\xCD\xBC\xC6\xAC\xBF\xF2{@%0}.\xCD\xBC\xC6\xAC\xA3\xAC{@%1})\r\n";

VariableTable Table(int count) {
    return {{"{@%0}", "1", IntToText(count), "7"}, {"{@%1}", "5", IntToText(count + 4), "0"}};
}

double SetTextSeconds(const AnsiText& text) {
    EditArea edit;
    edit.resize(800, 600);
    edit.show();
    QApplication::processEvents();
    return bench::BestSeconds([&] { edit.SetText(text); }, 1);
}

bool Write(const std::string& path, const AnsiText& text) {
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const std::string outDir = argc > 2 ? argv[2] : "";
    BenchClock clock;

    AnsiText accounts;
    const double accountSeconds = bench::BestSeconds([&] {
        RandomSource source(clock);  // fresh each run: the same lines every time
        accounts = GenerateAccounts(source, Accounts(count));
    });
    AnsiText copies;
    const double templateSeconds = bench::BestSeconds([&] {
        VariableTable table = Table(count);
        copies = GenerateTemplateText(kTemplate, table);
    });
    const double accountWrite = SetTextSeconds(accounts);
    const double templateWrite = SetTextSeconds(copies);

    std::printf("%d lines\n", count);
    std::printf("accounts: build %7.3f s (%6.1f MB/s), EditArea::SetText %7.3f s, %zu bytes\n",
                accountSeconds, accounts.size() / 1e6 / accountSeconds, accountWrite,
                accounts.size());
    std::printf("template: build %7.3f s (%6.1f MB/s), EditArea::SetText %7.3f s, %zu bytes\n",
                templateSeconds, copies.size() / 1e6 / templateSeconds, templateWrite,
                copies.size());
    if (!outDir.empty() &&
        !(Write(outDir + "/accounts.txt", accounts) && Write(outDir + "/template.txt", copies))) {
        std::fprintf(stderr, "cannot write to %s\n", outDir.c_str());
        return 2;
    }
    return accountSeconds < kMaxSeconds && templateSeconds < kMaxSeconds ? 0 : 1;
}
