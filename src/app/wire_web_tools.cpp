#include <memory>

#include "app/wiring.h"
#include "core/print_document.h"
#include "platform/curl_http_client.h"
#include "web/run_script.h"
#include "web/url_source_dialog.h"

namespace scribbet {

void WireWebTools(MainWindow& window, const Services& services) {
    // One HTTP session for the run, opened by the first download.
    auto client = std::make_shared<CurlHttpClient>();
    window.SetCommand("file.urlSource", [&window, services, client] {
        window.Tools().Open(
            "urlSource",
            [&window, services, client](QWidget* parent) {
                return new UrlSourceDialog(*client, window.Edit(), services.prompts, parent);
            },
            WindowOwner::None);
    });
    window.SetCommand("script.vbs", [&window, services] {
        RunScript(kVbsScript, window.Edit(), services.files, services.shell, services.prompts);
    });
    window.SetCommand("script.bat", [&window, services] {
        RunScript(kBatScript, window.Edit(), services.files, services.shell, services.prompts);
    });
    window.SetCommand("file.print", [&window] {
        DialogPrintSetup setup;
        PrintDocument(window.Edit(), setup, &window);
    });
}

}  // namespace scribbet
