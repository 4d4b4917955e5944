// Scribbet: creates the process-wide state and the main window, and runs the
// event loop until the main window is destroyed.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/editor.h"
#include "platform/qt_prompts.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_shell.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Every text of the program is Chinese, so Qt's own dialogs (the file
    // chooser, the colour chooser) speak it too.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qt_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtTexts);
    }
    // Tool windows are independent top-level windows: the program ends with
    // the main window, not with the last window.
    app.setQuitOnLastWindowClosed(false);

    scribbet::LocalFiles files;
    scribbet::QtPrompts prompts;
    scribbet::QtSettingsStore settings;
    scribbet::QtShell shell;
    scribbet::SystemClock clock;
    scribbet::Editor editor(scribbet::Services{files, prompts, settings, shell, clock});

    scribbet::MainWindow* window = editor.Window();
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QObject::destroyed, &app, &QApplication::quit);
    window->show();
    return app.exec();
}
