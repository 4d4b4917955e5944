#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "core/code_page.h"

namespace scribbet {

AnsiText QtClipboard::GetText() const {
    const QByteArray utf8 = QGuiApplication::clipboard()->text().toUtf8();
    return EncodeAnsi(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void QtClipboard::SetText(const AnsiText& text) {
    const std::string utf8 = DecodeAnsi(text);
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace scribbet
