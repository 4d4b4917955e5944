#include "app/editor.h"

#include "app/wiring.h"
#include "search/find_dialog.h"

namespace scribbet {

Editor::Editor(const Services& services)
    : m_services(services), m_window(new MainWindow(m_services)) {
    WireSearch();
    WireSearchTools(*m_window, m_services);
    WireReshapeTools(*m_window, m_services);
    WireParagraphTools(*m_window, m_services);
    WireGenerators(*m_window, m_services);
    WireBatchTools(*m_window, m_services);
    WireWebTools(*m_window, m_services);
}

Editor::~Editor() { delete m_window.data(); }

void Editor::WireSearch() {
    MainWindow& window = *m_window;
    Prompts& prompts = m_services.prompts;
    window.SetCommand("search.find", [this, &window, &prompts] {
        window.Tools().Open(
            "find",
            [this, &window, &prompts](QWidget* owner) {
                return new FindDialog(m_findSettings, window.Edit(), prompts, owner);
            },
            WindowOwner::MainWindow);
    });
    window.SetCommand("search.next", [this, &window, &prompts] {
        FindAndSelect(window.Edit(), prompts, m_findSettings, FindDirection::Forward);
    });
    window.SetCommand("search.previous", [this, &window, &prompts] {
        FindAndSelect(window.Edit(), prompts, m_findSettings, FindDirection::Backward);
    });
}

}  // namespace scribbet
