#pragma once
// "&P.打印": the whole text line by line, in one fixed font with fixed
// margins, through the platform's print dialog and printer.
#include <QProgressDialog>

#include "core/document.h"
#include "core/printing.h"

class QPrinter;

namespace scribbet {

// Where the printer and its settings are chosen.
class PrintSetup {
public:
    virtual ~PrintSetup() = default;
    // Fills in `printer`; false when the user cancelled.
    virtual bool Choose(QPrinter& printer, QWidget* parent) = 0;
};

// Qt's print dialog: printer, copies and printing to a file; no page range
// and no selection. Printing to a file without a file name asks for one.
class DialogPrintSetup final : public PrintSetup {
public:
    bool Choose(QPrinter& printer, QWidget* parent) override;
};

// Shown while a job runs: the page being printed and a button that aborts.
class PrintProgressWindow final : public QProgressDialog {
    Q_OBJECT
public:
    explicit PrintProgressWindow(QWidget* parent);
    void ShowPage(int page, int pages);
};

enum class PrintOutcome {
    Printed,
    Cancelled,   // the user cancelled the setup: nothing printed
    NotStarted,  // the job could not be started
    Aborted,     // the user aborted the job
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Cancelled;
    int pages = 0;  // pages sent to the printer
};

// The fixed layout on this printer, in its device pixels.
[[nodiscard]] PrintMetrics MetricsOf(QPrinter& printer);

PrintResult PrintDocument(const Document& document, PrintSetup& setup, QWidget* parent);

}  // namespace scribbet
