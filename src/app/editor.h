#pragma once
// The process-wide state and the main window with every tool window wired
// to its menu.
#include <QPointer>

#include "core/main_window.h"
#include "search/find.h"

namespace scribbet {

class Editor {
public:
    explicit Editor(const Services& services);
    // Destroys the main window if it still exists.
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // The main window; it may destroy itself on exit (see main.cpp).
    [[nodiscard]] MainWindow* Window() const { return m_window.data(); }
    [[nodiscard]] FindSettings& Find() { return m_findSettings; }

private:
    void WireSearch();

    Services m_services;  // kept: the tools hold on to it for the run
    FindSettings m_findSettings;
    QPointer<MainWindow> m_window;
};

}  // namespace scribbet
