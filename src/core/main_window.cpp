#include "core/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "core/about_window.h"

namespace scribbet {
namespace {

constexpr char kProductTitle[] = "PendrelScribbet V2.6 BY Orvald";
constexpr char kContactHint[] = "定做软件、提交软件建议或意见，请点击这里！";
constexpr int kPictureSize = 21;

constexpr char kEncodingTip[] = "文件编码：点击可按其他编码重新打开或保存";
constexpr char kLineEndsTip[] = "换行符";
constexpr char kNoLineEnds[] = "无换行";
constexpr char kReopenAs[] = "按此编码重新打开：";
constexpr char kSaveAs[] = "保存为此编码：";
constexpr char kAnsiName[] = "ANSI (GBK)";
constexpr char kUtf8Name[] = "UTF-8";
constexpr char kUtf8BomName[] = "UTF-8 (带BOM)";
constexpr char kMixedLineEnds[] = "混合";
// Line ends are counted once typing pauses, not at every key.
constexpr int kLineEndsDelayMs = 300;

// Scintilla's own key bindings would take these keys before the menu does
// (its multi-step undo, its line cut on Ctrl+L and line swap on Ctrl+T), so
// the edit area leaves them to the menu.
void LeaveShortcutToMenu(EditArea& editArea, const QKeySequence& sequence) {
    if (sequence.isEmpty()) return;
    const QKeyCombination combination = sequence[0];
    const int key = combination.key();
    if (key < Qt::Key_A || key > Qt::Key_Z) return;  // Scintilla binds no function keys
    int modifiers = 0;
    if (combination.keyboardModifiers() & Qt::ShiftModifier) modifiers |= QsciScintillaBase::SCMOD_SHIFT;
    if (combination.keyboardModifiers() & Qt::ControlModifier) modifiers |= QsciScintillaBase::SCMOD_CTRL;
    if (combination.keyboardModifiers() & Qt::AltModifier) modifiers |= QsciScintillaBase::SCMOD_ALT;
    editArea.SendScintilla(QsciScintillaBase::SCI_CLEARCMDKEY, key + (modifiers << 16));
}

QStringList LocalPaths(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    return paths;
}

}  // namespace

const std::vector<MenuEntry>& MainMenu() {
    static const std::vector<MenuEntry> menu = {
        {"&F.文件|&N.新建", "Ctrl+N", "file.new"},
        {"&F.文件|&O.打开", "Ctrl+O", "file.open"},
        {"&F.文件|取网址源码", "", "file.urlSource"},
        {"&F.文件|&S.保存", "Ctrl+S", "file.save"},
        {"&F.文件|&A.另存为", "", "file.saveAs"},
        {"&F.文件|&P.打印", "Ctrl+P", "file.print"},
        {"&F.文件|-", "", ""},
        {"&F.文件|多文件|合并/拆分", "", "batch.mergeSplit"},
        {"&F.文件|多文件|增/删 文件头/尾", "", "batch.headerFooter"},
        {"&F.文件|多文件|编码转换", "", "batch.encoding"},
        {"&F.文件|-", "", "file.recentSeparator"},
        {"&F.文件|1", "", "file.recent1"},
        {"&F.文件|2", "", "file.recent2"},
        {"&F.文件|3", "", "file.recent3"},
        {"&F.文件|-", "", ""},
        {"&F.文件|&X.退出", "", "file.exit"},
        {"&E.编辑|&U.撤消", "Ctrl+Z", "edit.undo"},
        {"&E.编辑|-", "", ""},
        {"&E.编辑|&X.剪切", "Ctrl+X", "edit.cut"},
        {"&E.编辑|&C.复制", "Ctrl+C", "edit.copy"},
        {"&E.编辑|&P.粘贴", "Ctrl+V", "edit.paste"},
        {"&E.编辑|-", "", ""},
        {"&E.编辑|&A.全选", "Ctrl+A", "edit.selectAll"},
        {"&O.格式|&W.自动换行", "", "format.wordWrap"},
        {"&O.格式|&F.字体", "", "format.font"},
        {"&S.搜寻|&F.查找", "Ctrl+F", "search.find"},
        {"&S.搜寻|&P.查找上一个", "Shift+F3", "search.previous"},
        {"&S.搜寻|&N.查找下一个", "F3", "search.next"},
        {"&A.修正|转换|到大写", "", "convert.upper"},
        {"&A.修正|转换|到小写", "", "convert.lower"},
        {"&A.修正|转换|到全角", "", "convert.fullWidth"},
        {"&A.修正|转换|到半角", "", "convert.halfWidth"},
        {"&A.修正|-", "", ""},
        {"&A.修正|&R.基本替换", "Ctrl+H", "replace.basic"},
        {"&A.修正|高级替换|换行符前后文本", "", "replace.lineBreak"},
        {"&A.修正|高级替换|Tab前后文本", "", "replace.tab"},
        {"&A.修正|&Z.正则替换/提取", "", "replace.regex"},
        {"&A.修正|-", "", ""},
        {"&A.修正|换行符|多换行符变单换行符", "", "lineBreaks.collapse"},
        {"&A.修正|换行符|连续换行符数量变更", "", "lineBreaks.count"},
        {"&A.修正|合为一段", "", "paragraphs.merge"},
        {"&A.修正|分割文本", "", "text.split"},
        {"&A.修正|空格|段前增减", "", "spaces.indent"},
        {"&A.修正|空格|删除", "", "spaces.delete"},
        {"&A.修正|保留指定位置", "", "text.byteRange"},
        {"&A.修正|-", "", ""},
        {"&A.修正|段|插入文本|段前", "", "paragraphs.prefix"},
        {"&A.修正|段|插入文本|段尾", "", "paragraphs.suffix"},
        {"&A.修正|段|截取部分", "", "paragraphs.part"},
        {"&A.修正|段|删除/保留指定段", "", "paragraphs.select"},
        {"&A.修正|-", "", ""},
        {"&A.修正|时间|&T.插入时间", "Ctrl+T", "time.insert"},
        {"&A.修正|时间|时分秒到秒", "", "time.toSeconds"},
        {"&A.修正|时间|秒到时分秒", "", "time.fromSeconds"},
        {"生成|带序号文本", "", "generate.numberedLines"},
        {"生成|变量文本", "Ctrl+L", "generate.template"},
        {"生成|账号密码", "", "generate.accounts"},
        {"生成|随机文本", "", "generate.randomText"},
        {"脚本|运行VBS", "F8", "script.vbs"},
        {"脚本|运行BAT", "F9", "script.bat"},
        {"&H.帮助|&A.关于...", "", "help.about"},
    };
    return menu;
}

ContactPicture::ContactPicture(QWidget* parent) : QLabel(parent) {
    setFixedSize(kPictureSize, kPictureSize);
    QPixmap picture(kPictureSize, kPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 120, 215));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, kPictureSize - 2, kPictureSize - 2);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("?"));
    painter.end();
    setPixmap(picture);
    setCursor(Qt::PointingHandCursor);
}

void ContactPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

MainWindow::MainWindow(const Services& services)
    : m_services(services),
      m_editArea(new EditArea),
      m_contactPicture(nullptr),
      m_fileCommands(*m_editArea, services.files, services.prompts, *this),
      m_toolWindows(*this) {
    setWindowTitle(QString::fromUtf8(kProductTitle) + QLatin1Char(' ') +
                   QString::fromUtf8(kAuthorContact));
    auto* client = new QWidget(this);
    setCentralWidget(client);
    m_editArea->setParent(client);
    m_contactPicture = new ContactPicture(client);
    client->installEventFilter(this);

    BuildMenu();
    BindEditorCommands();
    BuildStatusBar();

    m_contactPicture->setToolTip(QString::fromUtf8(kContactHint));
    connect(m_contactPicture, &ContactPicture::clicked, this,
            [this] { m_services.shell.Open(kContactPage); });
    setAcceptDrops(true);
    connect(m_editArea, &EditArea::filesDropped, this, &MainWindow::DropPaths);
    m_recentFiles.LoadRecentFiles(m_services.settings);
    m_recentFiles.ShowRecentItems();
    ShowRecentFiles();
    resize(636, 498);
}

MainWindow::~MainWindow() {
    m_recentFiles.StoreRecentFiles(m_services.settings);
}

void MainWindow::BuildMenu() {
    std::map<std::string, QMenu*> menus;  // by path of captions
    for (const MenuEntry& entry : MainMenu()) {
        const QStringList path = QString::fromUtf8(entry.path).split(QLatin1Char('|'));
        QMenu* menu = nullptr;
        std::string prefix;
        for (int i = 0; i + 1 < path.size(); ++i) {
            prefix += path[i].toStdString() + "|";
            QMenu*& sub = menus[prefix];
            if (!sub) sub = menu ? menu->addMenu(path[i]) : menuBar()->addMenu(path[i]);
            menu = sub;
        }
        QAction* action = path.back() == QLatin1String("-") ? menu->addSeparator()
                                                            : menu->addAction(path.back());
        const std::string command = entry.command;
        if (*entry.shortcut) {
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
            LeaveShortcutToMenu(*m_editArea, action->shortcut());
        }
        if (command.empty()) continue;
        action->setObjectName(QString::fromStdString(command));
        m_actions[command] = action;
        if (!action->isSeparator()) {
            connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        }
    }
    // Redo keys of the edit area would break the one-step undo.
    const char* const redo[] = {"Ctrl+Y", "Ctrl+Shift+Z"};
    for (const char* key : redo) LeaveShortcutToMenu(*m_editArea, QKeySequence(QString::fromLatin1(key)));
    m_editArea->SendScintilla(QsciScintillaBase::SCI_CLEARCMDKEY,
                              QsciScintillaBase::SCK_BACK + (QsciScintillaBase::SCMOD_ALT << 16));
}

void MainWindow::BindEditorCommands() {
    SetCommand("file.new", [this] { m_fileCommands.New(); });
    SetCommand("file.open", [this] { m_fileCommands.Open(); });
    SetCommand("file.save", [this] { m_fileCommands.Save(); });
    SetCommand("file.saveAs", [this] { m_fileCommands.SaveAs(); });
    SetCommand("file.exit", [this] { Exit(); });
    for (int slot = 1; slot <= 3; ++slot) {
        SetCommand("file.recent" + std::to_string(slot), [this, slot] { OpenRecentFile(slot); });
    }
    SetCommand("edit.undo", [this] { m_editArea->Undo(); });
    SetCommand("edit.cut", [this] { m_editArea->Cut(); });
    SetCommand("edit.copy", [this] { m_editArea->Copy(); });
    SetCommand("edit.paste", [this] { m_editArea->Paste(); });
    SetCommand("edit.selectAll", [this] { m_editArea->SelectAll(); });
    SetCommand("format.wordWrap", [this] { ToggleWordWrap(); });
    SetCommand("format.font", [this] { ChangeFont(); });
    SetCommand("help.about", [this] {
        m_toolWindows.Open("about", [](QWidget* parent) { return new AboutWindow(parent); },
                           WindowOwner::None);
    });
}

void MainWindow::SetCommand(const std::string& command, std::function<void()> action) {
    m_commands[command] = std::move(action);
}

QAction* MainWindow::Action(const std::string& command) const {
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void MainWindow::RunCommand(const std::string& command) {
    const auto it = m_commands.find(command);
    if (it != m_commands.end() && it->second) it->second();
}

void MainWindow::Exit() {
    if (!m_fileCommands.Exit()) return;
    m_exiting = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_exiting || m_fileCommands.CanClose()) {
        m_exiting = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::OpenRecentFile(int slot) {
    if (m_fileCommands.AskSaveChanges()) return;
    const std::string path = m_recentFiles.PathOf(static_cast<std::size_t>(slot - 1));
    if (!path.empty()) m_fileCommands.LoadTextFile(path);
}

void MainWindow::ToggleWordWrap() { m_editArea->SetWordWrap(!m_editArea->WordWrap()); }

void MainWindow::ChangeFont() {
    const std::optional<FontChoice> chosen = m_services.prompts.ChooseFont(m_font);
    if (!chosen) return;
    m_font = chosen;
    m_editArea->SetTextFont(*chosen);
}

void MainWindow::DropPaths(const QStringList& paths) {
    std::vector<std::string> dropped;
    for (const QString& path : paths) dropped.push_back(path.toStdString());
    m_fileCommands.DropFiles(dropped);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!LocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = LocalPaths(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    DropPaths(paths);
}

void MainWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::AddRecentFile(const std::string& path) {
    m_recentFiles.AddRecentFile(path);
    ShowRecentFiles();
}

void MainWindow::BuildStatusBar() {
    m_encodingStatus = new QToolButton(this);
    m_encodingStatus->setObjectName(QStringLiteral("encodingStatus"));
    m_encodingStatus->setToolTip(QString::fromUtf8(kEncodingTip));
    m_encodingStatus->setAutoRaise(true);
    m_encodingStatus->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(m_encodingStatus);
    struct Choice {
        const char* caption;
        const char* name;
        FileEncoding encoding;
    };
    const Choice reopen[] = {{kAnsiName, "encoding.reopenAnsi", FileEncoding::Ansi},
                             {kUtf8Name, "encoding.reopenUtf8", FileEncoding::Utf8}};
    const Choice save[] = {{kAnsiName, "encoding.saveAnsi", FileEncoding::Ansi},
                           {kUtf8Name, "encoding.saveUtf8", FileEncoding::Utf8},
                           {kUtf8BomName, "encoding.saveUtf8Bom", FileEncoding::Utf8Bom}};
    menu->addSection(QString::fromUtf8(kReopenAs));
    for (const Choice& choice : reopen) {
        QAction* action = menu->addAction(QString::fromUtf8(choice.caption));
        action->setObjectName(QString::fromLatin1(choice.name));
        connect(action, &QAction::triggered, this,
                [this, encoding = choice.encoding] { m_fileCommands.ReopenAs(encoding); });
    }
    menu->addSection(QString::fromUtf8(kSaveAs));
    for (const Choice& choice : save) {
        QAction* action = menu->addAction(QString::fromUtf8(choice.caption));
        action->setObjectName(QString::fromLatin1(choice.name));
        connect(action, &QAction::triggered, this,
                [this, encoding = choice.encoding] { m_fileCommands.SaveInEncoding(encoding); });
    }
    m_encodingStatus->setMenu(menu);

    m_lineEndsStatus = new QLabel(this);
    m_lineEndsStatus->setObjectName(QStringLiteral("lineEndsStatus"));
    m_lineEndsStatus->setToolTip(QString::fromUtf8(kLineEndsTip));
    statusBar()->addPermanentWidget(m_lineEndsStatus);
    statusBar()->addPermanentWidget(m_encodingStatus);

    m_lineEndsTimer = new QTimer(this);
    m_lineEndsTimer->setSingleShot(true);
    m_lineEndsTimer->setInterval(kLineEndsDelayMs);
    connect(m_lineEndsTimer, &QTimer::timeout, this, &MainWindow::ShowLineEnds);
    // Whole-text changes are not told as modifications, but every change of
    // the content is told to the view before it is painted.
    connect(m_editArea, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintillaBase::SC_UPDATE_CONTENT) m_lineEndsTimer->start();
    });
    ShowEncoding(m_fileCommands.Encoding());
}

void MainWindow::ShowEncoding(FileEncoding encoding) {
    const char* name = EncodingName(encoding);
    if (encoding == FileEncoding::Ansi) name = kAnsiName;
    if (encoding == FileEncoding::Utf8Bom) name = kUtf8BomName;
    m_encodingStatus->setText(QString::fromUtf8(name));
    m_lineEndsTimer->stop();
    ShowLineEnds();
}

void MainWindow::ShowLineEnds() {
    // The edit area's own bytes: its line ends are the document's, and
    // reading them in place spares a copy of the whole text.
    const auto* data = reinterpret_cast<const char*>(
        m_editArea->SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    const auto length = static_cast<std::size_t>(
        m_editArea->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    const LineEnds ends = DetectLineEnds(std::string_view(data ? data : "", data ? length : 0));
    const char* name = LineEndsName(ends);
    if (ends == LineEnds::None) name = kNoLineEnds;
    if (ends == LineEnds::Mixed) name = kMixedLineEnds;
    m_lineEndsStatus->setText(QString::fromUtf8(name));
}

void MainWindow::ShowRecentFiles() {
    for (int slot = 1; slot <= 3; ++slot) {
        QAction* item = Action("file.recent" + std::to_string(slot));
        const auto index = static_cast<std::size_t>(slot - 1);
        item->setText(QString::fromStdString(m_recentFiles.CaptionOf(index)));
        item->setVisible(m_recentFiles.ItemVisible(index));
    }
    Action("file.recentSeparator")->setVisible(m_recentFiles.SeparatorVisible());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) LayoutMainWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::LayoutMainWindow() {
    const QSize client = centralWidget()->size();
    m_editArea->setGeometry(5, 5, client.width() - 10, client.height() - 10);
    // Placed from the outer size, frame and menu bar included, which sets it
    // over the lower right of the text, clear of the scroll bars.
    const QSize outer = frameGeometry().size();
    m_contactPicture->move(outer.width() - kPictureSize - 40, outer.height() - kPictureSize - 83);
    m_contactPicture->raise();
}

}  // namespace scribbet
