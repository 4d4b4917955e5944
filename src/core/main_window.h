#pragma once
// The program's one main window: the menu tree over the edit area.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <QLabel>
#include <QMainWindow>

#include "core/file_commands.h"
#include "core/recent_files.h"
#include "core/tool_windows.h"
#include "platform/edit_area.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "platform/shell.h"

class QAction;
class QMenu;
class QTimer;
class QToolButton;

namespace scribbet {

// What the main window reaches the system through.
struct Services {
    Files& files;
    Prompts& prompts;
    SettingsStore& settings;
    Shell& shell;
    Clock& clock;
};

// One row of the menu tree: the path of captions separated by "|" (a last
// caption "-" is a separator), the shortcut, and the command it runs.
struct MenuEntry {
    const char* path;
    const char* shortcut;
    const char* command;
};

// The menu tree, top to bottom.
[[nodiscard]] const std::vector<MenuEntry>& MainMenu();

// The 21 x 21 picture that invites the user to contact the author.
class ContactPicture final : public QLabel {
    Q_OBJECT
public:
    explicit ContactPicture(QWidget* parent);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class MainWindow final : public QMainWindow, private FileCommandEvents {
    Q_OBJECT
public:
    explicit MainWindow(const Services& services);
    // Stores the recent files.
    ~MainWindow() override;

    [[nodiscard]] EditArea& Edit() { return *m_editArea; }
    [[nodiscard]] FileCommands& Commands() { return m_fileCommands; }
    [[nodiscard]] ToolWindows& Tools() { return m_toolWindows; }
    [[nodiscard]] const RecentFiles& Recent() const { return m_recentFiles; }
    [[nodiscard]] ContactPicture& Picture() { return *m_contactPicture; }
    // The status bar's encoding button (its menu reopens and saves in
    // another encoding) and line-end label.
    [[nodiscard]] QToolButton& EncodingStatus() { return *m_encodingStatus; }
    [[nodiscard]] QLabel& LineEndsStatus() { return *m_lineEndsStatus; }

    // Binds a menu command to what it does; a command without one does nothing.
    void SetCommand(const std::string& command, std::function<void()> action);
    // The menu item or separator of a command.
    [[nodiscard]] QAction* Action(const std::string& command) const;

    // "&X.退出": asks to save changes, then destroys the window.
    void Exit();
    // Opens recent slot 1, 2 or 3.
    void OpenRecentFile(int slot);
    void ToggleWordWrap();
    void ChangeFont();
    // Files dropped on the window: the first is opened.
    void DropPaths(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetCaption(const std::string& caption) override;
    void AddRecentFile(const std::string& path) override;
    void ShowEncoding(FileEncoding encoding) override;

    void BuildMenu();
    void BindEditorCommands();
    void RunCommand(const std::string& command);
    void ShowRecentFiles();
    void LayoutMainWindow();
    void BuildStatusBar();
    void ShowLineEnds();

    Services m_services;
    EditArea* m_editArea;
    ContactPicture* m_contactPicture;
    QToolButton* m_encodingStatus = nullptr;
    QLabel* m_lineEndsStatus = nullptr;
    QTimer* m_lineEndsTimer = nullptr;
    FileCommands m_fileCommands;
    RecentFiles m_recentFiles;
    ToolWindows m_toolWindows;
    std::map<std::string, QAction*> m_actions;
    std::map<std::string, std::function<void()>> m_commands;
    std::optional<FontChoice> m_font;  // the font chooser's last confirmed choice
    bool m_exiting = false;
};

}  // namespace scribbet
