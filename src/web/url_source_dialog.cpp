#include "web/url_source_dialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/code_page.h"
#include "web/url_source.h"

namespace scribbet {

namespace {

std::string Reason(const UrlSource& source) {
    switch (source.failure) {
    case HttpFailure::BadAddress: return "网址无效。";
    case HttpFailure::UnsupportedScheme: return "只能打开 http:// 或 https:// 网址。";
    case HttpFailure::HostNotFound: return "找不到该主机，请检查网址和网络连接。";
    case HttpFailure::ConnectFailed: return "无法连接到服务器。";
    case HttpFailure::TlsFailed: return "无法建立安全连接，或服务器证书未通过验证。";
    case HttpFailure::TimedOut: return "服务器长时间没有响应。";
    case HttpFailure::TooLarge: return "网页太大，内存放不下。";
    case HttpFailure::Cancelled: return "下载已取消。";
    case HttpFailure::None:
    case HttpFailure::Other: break;
    }
    return "下载失败（" + source.detail + "）。";
}

}  // namespace

DownloadProgress::DownloadProgress(QWidget* parent) : QProgressDialog(parent) {
    setWindowTitle(QStringLiteral("取网址源码"));
    setCancelButtonText(QStringLiteral("取消"));
    setRange(0, 0);  // the length is often unknown: a busy bar
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    setWindowModality(Qt::ApplicationModal);
    setMinimumWidth(320);
    ShowReceived(0);
}

void DownloadProgress::ShowReceived(std::int64_t bytes) {
    setLabelText(QStringLiteral("正在下载，已收到 %1 字节").arg(bytes));
}

UrlSourceDialog::UrlSourceDialog(HttpClient& client, Document& document, Prompts& prompts,
                                 QWidget* parent)
    : QDialog(parent), m_client(client), m_document(document), m_prompts(prompts) {
    setWindowTitle(QStringLiteral("取网址源码"));
    setModal(false);

    auto* group = new QGroupBox(QStringLiteral("网址"), this);
    group->setObjectName(QStringLiteral("urlGroup"));
    m_url = new QLineEdit(group);
    m_url->setObjectName(QStringLiteral("url"));
    m_url->setMinimumWidth(360);
    m_open = new QPushButton(QStringLiteral("打开"), group);
    m_open->setObjectName(QStringLiteral("open"));
    m_open->setDefault(true);

    auto* row = new QHBoxLayout(group);
    row->addWidget(m_url, 1);
    row->addWidget(m_open);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(m_open, &QPushButton::clicked, this, [this] { StartFetch(); });
}

void UrlSourceDialog::StartFetch() {
    const AnsiText typed = EncodeAnsi(m_url->text().toUtf8().toStdString());
    m_open->setEnabled(false);
    DownloadProgress progress(this);
    progress.show();
    // The download runs here on the interface thread; the calls let the
    // progress window paint and its cancel button answer, a few times a
    // second, so that a fast download is not slowed by repainting.
    QElapsedTimer sinceShown;
    sinceShown.start();
    const UrlSource source =
        FetchUrlSource(m_client, typed, [&progress, &sinceShown](std::int64_t received) {
            if (sinceShown.elapsed() >= 50) {
                progress.ShowReceived(received);
                sinceShown.restart();
            }
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        });
    progress.hide();
    m_open->setEnabled(true);
    if (source.ok) {
        m_document.SetText(source.text);
    } else {
        m_prompts.ShowMessage(MessageKind::Error, "无法取得“" + DecodeAnsi(source.url) + "”的源码：" +
                                                      Reason(source));
    }
}

}  // namespace scribbet
