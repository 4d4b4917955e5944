#include "core/about_window.h"

#include <algorithm>

#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

namespace scribbet {

QString AboutWindow::Text() {
    const char* const lines[] = {
        "Pendrel记事本为记事本的增强版，作为纯文本处理工具，在记事本的基础增加大小写、全半角转换，"
        "高级替换、正则替换、文本生成等扩展功能。",
        "",
        "具体功能如下：",
        "多文件：",
        "    文件合并/拆分",
        "    增/删统一文件头/尾",
        "网络：",
        "    获取网页源码",
        "转换：",
        "    到大写/到小写/到全角/到半角",
        "查找：",
        "    查找/高级查找/正则查找",
        "替换：",
        "    替换/高级替换/正则替换",
        "段：",
        "    段前/尾 设置/删除 统一文本",
        "    合并/拆分段落",
        "    删除指定段",
        "    删/留 指定位置文本",
        "换行符：",
        "    连续换行符数量变更",
        "生成：",
        "    带序号文本",
        "    帐号密码文本",
        "    生成随机文本（数字、字母、混合）",
        "    模板变量文本",
        "保存：",
        "    支持保存格式：txt/vbs/ini/htm/html/bat 等",
        "",
        "如需定做软件，或提交软件BUG，请联系作者！",
    };
    QStringList text;
    for (const char* line : lines) text << QString::fromUtf8(line);
    text << QStringLiteral("Orvald ") + QString::fromUtf8(kAuthorContact);
    return text.join(QLatin1Char('\n'));
}

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("关于"));
    auto* label = new QLabel(Text(), this);
    label->setObjectName(QStringLiteral("aboutText"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = label->font();
    font.setPointSize(9);
    label->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(label);
    // 366 x 444, taller only where this machine's font needs more lines.
    constexpr int kWidth = 366;
    resize(kWidth, std::max(444, layout->totalHeightForWidth(kWidth)));
}

}  // namespace scribbet
