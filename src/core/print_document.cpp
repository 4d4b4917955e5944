#include "core/print_document.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "core/code_page.h"

namespace scribbet {

namespace {

constexpr double kMarginMillimetres = 20.0;
constexpr int kPointSize = 12;
constexpr int kLineGapPixels = 2;

QFont PrintFont() {
    QFont font;
    // SimSun where Windows has it; elsewhere the nearest face with the hanzi.
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(kPointSize);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    return font;
}

int Margin(const QPrinter& printer) {
    return static_cast<int>(kMarginMillimetres / 25.4 * printer.resolution() + 0.5);
}

}  // namespace

bool DialogPrintSetup::Choose(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("打印到文件"), QString(),
                                                          QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty()) return false;
        printer.setOutputFileName(file);
    }
    return true;
}

PrintProgressWindow::PrintProgressWindow(QWidget* parent) : QProgressDialog(parent) {
    setWindowTitle(QStringLiteral("打印"));
    setCancelButtonText(QStringLiteral("中止"));
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    setWindowModality(Qt::ApplicationModal);
    setMinimumWidth(300);
}

void PrintProgressWindow::ShowPage(int page, int pages) {
    setMaximum(pages);
    setValue(page - 1);
    setLabelText(QStringLiteral("正在打印第 %1 页（共 %2 页）").arg(page).arg(pages));
}

PrintMetrics MetricsOf(QPrinter& printer) {
    const QFontMetrics font(PrintFont(), &printer);
    PrintMetrics metrics;
    metrics.pageHeight = printer.height() - 2 * Margin(printer);
    metrics.lineHeight = font.height();
    metrics.emptyLineHeight = font.size(Qt::TextSingleLine, QStringLiteral("W")).height();
    metrics.gap = kLineGapPixels;
    return metrics;
}

PrintResult PrintDocument(const Document& document, PrintSetup& setup, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Scribbet"));
    if (!setup.Choose(printer, parent)) return {PrintOutcome::Cancelled, 0};

    QPainter painter;
    if (!painter.begin(&printer)) return {PrintOutcome::NotStarted, 0};
    const QFont font(PrintFont(), &printer);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int margin = Margin(printer);
    const int ascent = QFontMetrics(font, &printer).ascent();

    const AnsiText text = document.GetText();
    const std::vector<PrintPage> pages = PaginateText(text, MetricsOf(printer));
    PrintProgressWindow progress(parent);
    progress.show();
    PrintResult result{PrintOutcome::Printed, 0};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        progress.ShowPage(static_cast<int>(i) + 1, static_cast<int>(pages.size()));
        QCoreApplication::processEvents();
        if (progress.wasCanceled() || (i > 0 && !printer.newPage())) {
            printer.abort();
            result.outcome = PrintOutcome::Aborted;
            break;
        }
        for (const PlacedLine& placed : pages[i]) {
            if (placed.line.length == 0) continue;
            const std::string_view bytes(text.data() + placed.line.start,
                                         static_cast<std::size_t>(placed.line.length));
            painter.drawText(QPoint(margin, margin + placed.top + ascent),
                             QString::fromStdString(DecodeAnsi(bytes)));
        }
        ++result.pages;
    }
    painter.end();
    return result;
}

}  // namespace scribbet
