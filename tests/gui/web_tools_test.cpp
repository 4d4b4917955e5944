// Fetching a page, running the text as a script and printing, driven through
// the real menu and windows, offscreen, against a server on this machine.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

#include "core/print_document.h"
#include "editor_fixture.h"
#include "fakes/local_http_server.h"
#include "web/url_source_dialog.h"

namespace scribbet {
namespace {

// With SCRIBBET_SHOTS set, windows are saved there as PNG files to look at.
void SaveShot(QWidget& widget, const char* name) {
    const QString folder = qEnvironmentVariable("SCRIBBET_SHOTS");
    if (!folder.isEmpty()) widget.grab().save(QDir(folder).filePath(QString(name) + ".png"));
}

// Clicks the cancel button of the first window of type W that shows up.
template <typename W>
void CancelWhenShown() {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<W*>(widget);
            if (!window || !window->isVisible()) continue;
            timer->stop();
            timer->deleteLater();
            for (QPushButton* button : window->template findChildren<QPushButton*>()) button->click();
            return;
        }
    });
    timer->start(10);
}

const std::string kPageBody = "<p>\xC4\xE3\xBA\xC3</p>\r\n";  // 你好

class WebToolsTest : public EditorFixture {
protected:
    UrlSourceDialog* OpenUrlSource() {
        Trigger("file.urlSource");
        return Open<UrlSourceDialog>();
    }
    void Fetch(UrlSourceDialog& dialog, const std::string& address) {
        dialog.findChild<QLineEdit*>("url")->setText(QString::fromStdString(address));
        QTest::mouseClick(dialog.findChild<QPushButton*>("open"), Qt::LeftButton);
    }
    void LoadDocument(const AnsiText& text) {
        edit().ResetText(text);
        ASSERT_FALSE(edit().IsModified());
    }

    LocalHttpServer server{[](const std::string& request) -> std::optional<std::string> {
        const std::string path = RequestPath(request);
        if (path == "/silent") return std::nullopt;
        if (path == "/page") return LocalHttpServer::Response("200 OK", kPageBody);
        return LocalHttpServer::Response("404 Not Found", "<h1>404 \xD5\xD2\xB2\xBB\xB5\xBD</h1>");  // 找不到
    }};
};

TEST_F(WebToolsTest, UrlSourceWindowOpensOnceWithItsFields) {
    UrlSourceDialog* dialog = OpenUrlSource();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "取网址源码");
    EXPECT_EQ(dialog->findChild<QGroupBox*>("urlGroup")->title(), "网址");
    EXPECT_EQ(dialog->findChild<QPushButton*>("open")->text(), "打开");
    EXPECT_TRUE(dialog->findChild<QLineEdit*>("url")->text().isEmpty());
    EXPECT_FALSE(dialog->isModal());
    dialog->findChild<QLineEdit*>("url")->setText(QStringLiteral("http://例子.中国/首页"));
    SaveShot(*dialog, "url_source_dialog");
    Trigger("file.urlSource");
    EXPECT_EQ(CountOpen<UrlSourceDialog>(), 1);
    EXPECT_EQ(Open<UrlSourceDialog>()->findChild<QLineEdit*>("url")->text(), "http://例子.中国/首页");
}

TEST_F(WebToolsTest, FetchedPagesReplaceTheTextOneAfterAnother) {
    LoadDocument("old text");
    UrlSourceDialog* dialog = OpenUrlSource();
    Fetch(*dialog, server.Host() + "/page");
    EXPECT_EQ(edit().GetText(), kPageBody);
    EXPECT_TRUE(edit().IsModified());
    EXPECT_TRUE(prompts.messages.empty());
    // The window stays for the next address; an error page is a page too.
    Fetch(*dialog, "http://" + server.Host() + "/gone");
    EXPECT_EQ(edit().GetText(), "<h1>404 \xD5\xD2\xB2\xBB\xB5\xBD</h1>");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(server.Requests().size(), 2u);
}

struct FailedFetch {
    const char* name;
    std::function<std::string(const LocalHttpServer&)> address;
    bool cancel;
    std::string message;
};

class WebToolsFailedFetch : public WebToolsTest, public ::testing::WithParamInterface<FailedFetch> {};

TEST_P(WebToolsFailedFetch, KeepsTheDocumentAndSaysWhatFailed) {
    const FailedFetch& c = GetParam();
    LoadDocument("keep me");
    UrlSourceDialog* dialog = OpenUrlSource();
    const std::string address = c.address(server);
    if (c.cancel) CancelWhenShown<DownloadProgress>();
    Fetch(*dialog, address);
    EXPECT_EQ(edit().GetText(), "keep me");
    EXPECT_FALSE(edit().IsModified());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.messages[0].text, "无法取得“http://" + address + "”的源码：" + c.message);
    EXPECT_TRUE(dialog->findChild<QPushButton*>("open")->isEnabled());
}

const FailedFetch kFailedFetches[] = {
    {"EmptyAddress", [](const LocalHttpServer&) { return std::string(); }, false, "网址无效。"},
    {"RefusedConnection",
     [](const LocalHttpServer&) { return "127.0.0.1:" + std::to_string(LocalHttpServer::ClosedPort()); },
     false, "无法连接到服务器。"},
    {"CancelledWhileTheServerIsSilent", [](const LocalHttpServer& s) { return s.Host() + "/silent"; },
     true, "下载已取消。"},
};

INSTANTIATE_TEST_SUITE_P(Cases, WebToolsFailedFetch, ::testing::ValuesIn(kFailedFetches),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WebToolsTest, DownloadProgressCountsTheBytes) {
    DownloadProgress progress(&window());
    progress.ShowReceived(123456);
    progress.show();
    EXPECT_EQ(progress.windowTitle(), "取网址源码");
    EXPECT_EQ(progress.labelText(), "正在下载，已收到 123456 字节");
    EXPECT_TRUE(progress.isModal());
    SaveShot(progress, "download_progress");
}

struct ScriptCommand {
    const char* name;
    const char* command;
    const char* fileName;
};

class WebToolsScript : public WebToolsTest, public ::testing::WithParamInterface<ScriptCommand> {
protected:
    void SetUp() override {
        WebToolsTest::SetUp();
        const char* old = std::getenv("TMPDIR");
        if (old) m_oldTmpdir = old;
        // The test's own folder (mode 0700): the script goes straight into it.
        setenv("TMPDIR", dir.path().toUtf8().constData(), 1);
    }
    void TearDown() override {
        if (m_oldTmpdir) {
            setenv("TMPDIR", m_oldTmpdir->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
        WebToolsTest::TearDown();
    }

private:
    std::optional<std::string> m_oldTmpdir;
};

TEST_P(WebToolsScript, WritesTheTextAndOpensItTwice) {
    const ScriptCommand& c = GetParam();
    LoadDocument("echo \xC4\xE3\xBA\xC3\r\n");  // 你好
    Trigger(c.command);
    const std::string path = Path(c.fileName).toStdString();
    EXPECT_EQ(shell.opened, std::vector<std::string>{path});
    EXPECT_EQ(Get(c.fileName), QByteArray("echo \xC4\xE3\xBA\xC3\r\n"));
    LoadDocument("x");
    Trigger(c.command);
    EXPECT_EQ(Get(c.fileName), QByteArray("x"));
    EXPECT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(edit().GetText(), "x");
    EXPECT_FALSE(edit().IsModified());
    EXPECT_TRUE(prompts.messages.empty());
}

const ScriptCommand kScriptCommands[] = {
    {"Vbs", "script.vbs", "ls.vbs"},
    {"Bat", "script.bat", "ls.bat"},
};

INSTANTIATE_TEST_SUITE_P(Cases, WebToolsScript, ::testing::ValuesIn(kScriptCommands),
                         [](const auto& info) { return std::string(info.param.name); });

// Prints to a PDF file without asking anybody.
class PdfPrintSetup final : public PrintSetup {
public:
    QString file;
    bool answer = true;
    int asked = 0;
    PrintMetrics metrics;
    bool Choose(QPrinter& printer, QWidget*) override {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        metrics = MetricsOf(printer);
        return answer;
    }
};

// The pages of a PDF file: its page objects, not the page tree.
int PdfPages(const QByteArray& pdf) {
    int pages = 0;
    for (int at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1)) {
        pages += pdf.mid(at + 11, 1) != "s";
    }
    return pages;
}

// The lines that fit on one page with these metrics.
int LinesPerPage(const PrintMetrics& m) { return (m.pageHeight - m.lineHeight) / (m.lineHeight + m.gap) + 1; }

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        if (i > 1) text += "\r\n";
        text += "\xD0\xD0 " + std::to_string(i);  // 行
    }
    return text;
}

struct PrintCase {
    const char* name;
    std::function<std::string(int linesPerPage)> text;
    int pages;
};

class WebToolsPrint : public WebToolsTest, public ::testing::WithParamInterface<PrintCase> {
protected:
    PrintResult Print(const AnsiText& text) {
        LoadDocument(text);
        return PrintDocument(edit(), setup, &window());
    }
    PdfPrintSetup setup;
};

TEST_P(WebToolsPrint, PrintsThePagesTheLayoutGives) {
    setup.file = Path("out.pdf");
    // The first job only measures the page.
    ASSERT_EQ(Print("x").outcome, PrintOutcome::Printed);
    const int perPage = LinesPerPage(setup.metrics);
    ASSERT_GT(perPage, 10);

    const PrintResult result = Print(GetParam().text(perPage));
    EXPECT_EQ(result.outcome, PrintOutcome::Printed);
    EXPECT_EQ(result.pages, GetParam().pages);
    EXPECT_EQ(PdfPages(Get("out.pdf")), GetParam().pages);
    EXPECT_FALSE(edit().IsModified());
}

const PrintCase kPrints[] = {
    {"EmptyDocumentIsOneBlankPage", [](int) { return std::string(); }, 1},
    {"OneLine", [](int) { return Lines(1); }, 1},
    {"FullPage", [](int n) { return Lines(n); }, 1},
    {"OneLineMore", [](int n) { return Lines(n + 1); }, 2},
    {"FinalBreakAfterAFullPageAddsABlankPage", [](int n) { return Lines(n) + "\r\n"; }, 2},
    {"ThreeFullPages", [](int n) { return Lines(3 * n); }, 3},
    {"LoneCrsCountAsBreaks", [](int n) { return std::string(static_cast<std::size_t>(n), '\r'); }, 2},
    {"WideLineIsNotWrapped", [](int) { return std::string(3000, 'W'); }, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, WebToolsPrint, ::testing::ValuesIn(kPrints),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WebToolsTest, CancelledSetupPrintsNothing) {
    PdfPrintSetup setup;
    setup.file = Path("none.pdf");
    setup.answer = false;
    LoadDocument("text");
    const PrintResult result = PrintDocument(edit(), setup, &window());
    EXPECT_EQ(setup.asked, 1);
    EXPECT_EQ(result.outcome, PrintOutcome::Cancelled);
    EXPECT_EQ(result.pages, 0);
    EXPECT_FALSE(QFile::exists(Path("none.pdf")));
}

TEST_F(WebToolsTest, AbortFromTheProgressWindowEndsTheJob) {
    PdfPrintSetup setup;
    setup.file = Path("aborted.pdf");
    LoadDocument(Lines(2000));
    CancelWhenShown<PrintProgressWindow>();
    const PrintResult result = PrintDocument(edit(), setup, &window());
    EXPECT_EQ(result.outcome, PrintOutcome::Aborted);
    EXPECT_LT(result.pages, 2000 / LinesPerPage(setup.metrics));
}

TEST_F(WebToolsTest, PrintProgressShowsThePage) {
    PrintProgressWindow progress(&window());
    progress.ShowPage(3, 12);
    progress.show();
    EXPECT_EQ(progress.windowTitle(), "打印");
    EXPECT_EQ(progress.labelText(), "正在打印第 3 页（共 12 页）");
    EXPECT_EQ(progress.value(), 2);
    EXPECT_EQ(progress.maximum(), 12);
    EXPECT_TRUE(progress.isModal());
    SaveShot(progress, "print_progress");
}

TEST_F(WebToolsTest, PrintCommandAsksThroughThePrintDialog) {
    LoadDocument("text");
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            asked = true;
            dialog->reject();
        }
    });
    Trigger("file.print");
    EXPECT_TRUE(asked);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(edit().GetText(), "text");
}

}  // namespace
}  // namespace scribbet
