#pragma once
// The window that fetches a web page's source into the document. It stays
// open after each download, so several addresses can be fetched in a row.
#include <QDialog>
#include <QProgressDialog>

#include "core/document.h"
#include "platform/http_client.h"
#include "platform/prompts.h"

class QLineEdit;
class QPushButton;

namespace scribbet {

// The small modal window while a download runs: the bytes received so far
// and a cancel button.
class DownloadProgress final : public QProgressDialog {
    Q_OBJECT
public:
    explicit DownloadProgress(QWidget* parent);
    void ShowReceived(std::int64_t bytes);
};

class UrlSourceDialog final : public QDialog {
    Q_OBJECT
public:
    // `client`, `document` and `prompts` must outlive the window.
    UrlSourceDialog(HttpClient& client, Document& document, Prompts& prompts, QWidget* parent);

private:
    // Downloads the address in the field; the page's text replaces the
    // document, a download without a page leaves it and says why.
    void StartFetch();

    HttpClient& m_client;
    Document& m_document;
    Prompts& m_prompts;
    QLineEdit* m_url = nullptr;
    QPushButton* m_open = nullptr;
};

}  // namespace scribbet
