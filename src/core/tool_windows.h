#pragma once
// The tool-window convention: a tool window is created once, an open one is
// only brought to the front, and closing one destroys it with its fields.
#include <functional>
#include <map>
#include <string>

#include <QPointer>
#include <QWidget>

namespace scribbet {

enum class WindowOwner {
    None,        // an independent top-level window
    MainWindow,  // stays in front of the main window, minimised and closed with it
};

class ToolWindows {
public:
    explicit ToolWindows(QWidget& mainWindow) : m_mainWindow(mainWindow) {}
    ~ToolWindows();
    ToolWindows(const ToolWindows&) = delete;
    ToolWindows& operator=(const ToolWindows&) = delete;

    // Brings the window open under `key` to the front (restoring it when
    // minimised), or creates it with `create` (given its parent: the main
    // window or none), shows it and returns at once.
    QWidget* Open(const std::string& key, const std::function<QWidget*(QWidget* parent)>& create,
                  WindowOwner owner);
    // The window open under `key`, or null.
    [[nodiscard]] QWidget* Find(const std::string& key) const;

    // The mode that the numbered-lines and regular-expression windows read
    // when they are created and at every button press.
    [[nodiscard]] int ToolMode() const { return m_toolMode; }
    void SetToolMode(int mode) { m_toolMode = mode; }

    // Shows a window, restored and in front.
    static void BringToFront(QWidget& window);

private:
    QWidget& m_mainWindow;
    std::map<std::string, QPointer<QWidget>> m_open;
    int m_toolMode = 0;
};

}  // namespace scribbet
