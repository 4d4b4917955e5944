// Opening a large GBK file in the edit area against QScintilla alone taking
// the same text as UTF-8, and reading the text back, timed in one run.
//
//   bench_edit_area [MEGABYTES]     (default 100)
//
// (a) reference: SCI_SETTEXT of the UTF-8 text on a fresh QsciScintilla,
//     then the first screen painted;
// (b) ours: the file read from disk, the loading rule, EditArea::ResetText,
//     then the first screen painted;
// (c) EditArea::GetText of the whole text.
// Each is the best of three. The exit status is 1 when (b) takes more than
// kMaxRatio times (a) or (c) takes kMaxGetTextSeconds or more.
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QTemporaryFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "core/code_page.h"
#include "core/file_commands.h"
#include "platform/edit_area.h"
#include "platform/files.h"
#include "bench_text.h"

using namespace scribbet;

namespace {

constexpr double kMaxRatio = 1.3;
constexpr double kMaxGetTextSeconds = 0.5;
constexpr int kRuns = 3;


double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

// A fresh widget on screen, so that creating the window is not timed.
template <typename Widget>
void ShowFresh(Widget& widget) {
    widget.resize(800, 600);
    widget.show();
    QApplication::processEvents();
}

void PaintFirstScreen(QsciScintilla& widget) {
    widget.viewport()->repaint();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const std::string gbk = bench::MakeGbkText(megabytes * 1000000, 20, 60);
    const std::string utf8 = DecodeAnsi(gbk);

    QTemporaryFile file;
    if (!file.open() || file.write(gbk.data(), static_cast<qint64>(gbk.size())) !=
                            static_cast<qint64>(gbk.size())) {
        std::fprintf(stderr, "cannot write the text file\n");
        return 2;
    }
    file.close();
    const std::string path = file.fileName().toStdString();
    std::printf("text: %zu GBK bytes, %zu UTF-8 bytes, %zu lines\n", gbk.size(), utf8.size(),
                static_cast<std::size_t>(std::count(gbk.begin(), gbk.end(), '\n')));

    double reference = 1e9;
    double ours = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        {
            QsciScintilla plain;
            plain.setUtf8(true);
            ShowFresh(plain);
            reference = std::min(reference, Seconds([&] {
                plain.SendScintilla(QsciScintillaBase::SCI_SETTEXT, utf8.c_str());
                PaintFirstScreen(plain);
            }));
        }
        {
            EditArea edit;
            ShowFresh(edit);
            ours = std::min(ours, Seconds([&] {
                LocalFiles files;
                const std::optional<ByteBuffer> bytes = files.ReadFile(path);
                edit.ResetText(ReadTextFile(bytes.value_or(ByteBuffer())));
                PaintFirstScreen(edit);
            }));
            if (edit.GetText() != gbk) {
                std::fprintf(stderr, "the edit area did not keep the text\n");
                return 2;
            }
        }
    }

    EditArea edit;
    ShowFresh(edit);
    edit.ResetText(gbk);
    double getText = 1e9;
    bool kept = true;
    for (int run = 0; run < kRuns; ++run) {
        AnsiText back;
        getText = std::min(getText, Seconds([&] { back = edit.GetText(); }));
        kept = kept && back == gbk;
    }
    // Selections near the end convert the whole prefix; shown for reference.
    const Pos nearEnd = static_cast<Pos>(gbk.size()) - 1000;
    const double setSelection = Seconds([&] { edit.SetSelection(nearEnd, 10); });
    const double getSelection = Seconds([&] { (void)edit.GetSelection(); });

    const double ratio = ours / reference;
    std::printf("(a) QScintilla SCI_SETTEXT of UTF-8, painted   %7.3f s\n", reference);
    std::printf("(b) read + load rule + ResetText, painted      %7.3f s   ratio %.2f (max %.1f)\n",
                ours, ratio, kMaxRatio);
    std::printf("(c) EditArea::GetText                          %7.3f s   (max %.1f)%s\n", getText,
                kMaxGetTextSeconds, kept ? "" : "  TEXT DIFFERS");
    std::printf("    SetSelection near the end %.3f s, GetSelection there %.3f s\n", setSelection,
                getSelection);
    return (ratio <= kMaxRatio && getText < kMaxGetTextSeconds && kept) ? 0 : 1;
}
