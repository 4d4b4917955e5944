#include "platform/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace scribbet {

bool QtShell::Open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl url = text.contains(QLatin1String("://")) ? QUrl(text) : QUrl::fromLocalFile(text);
    return QDesktopServices::openUrl(url);
}

}  // namespace scribbet
