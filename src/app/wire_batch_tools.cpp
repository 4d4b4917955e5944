#include <QPointer>

#include "app/wiring.h"
#include "batch/batch_files_window.h"

namespace scribbet {

void WireBatchTools(MainWindow& window, const Services& services) {
    // One window for the whole run, hidden until the menu shows it. It has
    // no owner, so it goes when the main window does.
    QPointer<BatchFilesWindow> batch =
        new BatchFilesWindow(services.files, services.prompts, services.clock);
    QObject::connect(&window, &QObject::destroyed, [batch] { delete batch.data(); });
    const std::pair<const char*, BatchPage> commands[] = {
        {"batch.mergeSplit", BatchPage::MergeSplit},
        {"batch.headerFooter", BatchPage::HeaderFooter},
        {"batch.encoding", BatchPage::Conversion},
    };
    for (const auto& [command, page] : commands) {
        window.SetCommand(command, [batch, page = page] {
            if (batch) batch->ShowPage(page);
        });
    }
}

}  // namespace scribbet
