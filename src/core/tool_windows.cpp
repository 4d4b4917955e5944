#include "core/tool_windows.h"

namespace scribbet {

ToolWindows::~ToolWindows() {
    // Independent windows have no parent to take them along.
    for (auto& [key, window] : m_open) delete window.data();
}

QWidget* ToolWindows::Open(const std::string& key,
                           const std::function<QWidget*(QWidget* parent)>& create,
                           WindowOwner owner) {
    if (QWidget* open = Find(key)) {
        BringToFront(*open);
        return open;
    }
    QWidget* parent = owner == WindowOwner::MainWindow ? &m_mainWindow : nullptr;
    QWidget* window = create(parent);
    if (parent) window->setWindowFlag(Qt::Dialog);  // a window of its own, kept above its owner
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_open[key] = window;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* ToolWindows::Find(const std::string& key) const {
    const auto it = m_open.find(key);
    return it == m_open.end() ? nullptr : it->second.data();
}

void ToolWindows::BringToFront(QWidget& window) {
    if (window.isMinimized()) window.showNormal();
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace scribbet
