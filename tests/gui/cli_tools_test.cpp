// The same documents and fields through a tool's window in a whole editor
// and through scribbet-tool: both must leave the same bytes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "cli/run_tool.h"
#include "cli/tool_cases.h"
#include "cli/tool_command.h"
#include "editor_fixture.h"

namespace scribbet {
namespace {

// How a window takes a tool's command line: the menu item that opens it,
// the field or button behind each option, a button to choose first (an
// operation) and the button that runs it. A flag clicks its button; a
// choice clicks the button named "option=value".
struct WindowFace {
    const char* command;
    std::map<std::string, const char*> fields;
    const char* choose;  // nullptr: the window's default operation
    const char* run;     // nullptr: the menu item does the work itself
};

const std::map<std::string, WindowFace>& Faces() {
    static const std::map<std::string, const char*> kAffix = {
        {"left", "leftText"}, {"right", "rightText"}, {"start", "startNumber"},
        {"no-number", "numbered"}, {"lines", "lineCount"}};
    static const std::map<std::string, WindowFace> kFaces = {
        {"upper", {"convert.upper", {}, nullptr, nullptr}},
        {"half-width", {"convert.halfWidth", {}, nullptr, nullptr}},
        {"collapse-line-breaks", {"lineBreaks.collapse", {}, nullptr, nullptr}},
        {"hms-to-seconds", {"time.toSeconds", {}, nullptr, nullptr}},
        {"replace",
         {"replace.basic",
          {{"find", "searchText"}, {"with", "replacementText"}, {"match-case", "matchCase"}},
          nullptr,
          "replace"}},
        {"replace-line-break",
         {"replace.lineBreak",
          {{"find-before", "searchBefore"}, {"find-after", "searchAfter"},
           {"with-before", "replacementBefore"}, {"with-after", "replacementAfter"},
           {"no-find-separator", "searchSeparator"}, {"no-with-separator", "replacementSeparator"},
           {"match-case", "matchCase"}},
          nullptr,
          "replace"}},
        {"replace-tab",
         {"replace.tab",
          {{"find-before", "searchBefore"}, {"find-after", "searchAfter"},
           {"with-before", "replacementBefore"}, {"with-after", "replacementAfter"},
           {"no-find-separator", "searchSeparator"}, {"no-with-separator", "replacementSeparator"},
           {"match-case", "matchCase"}},
          nullptr,
          "replace"}},
        {"regex-replace",
         {"replace.regex",
          {{"pattern", "firstField"}, {"with", "secondField"}, {"match-case", "matchCase"}},
          nullptr,
          "action"}},
        {"regex-extract",
         {"replace.regex", {{"pattern", "firstField"}, {"match-case", "matchCase"}},
          "secondOperation", "action"}},
        {"delete-range",
         {"text.byteRange", {{"start", "firstField"}, {"length", "secondField"}}, nullptr,
          "action"}},
        {"extract-range",
         {"text.byteRange", {{"start", "firstField"}, {"length", "secondField"}},
          "secondOperation", "action"}},
        {"line-break-count",
         {"lineBreaks.count", {{"from", "replacedCount"}, {"to", "insertedCount"}}, nullptr,
          "confirm"}},
        {"split", {"text.split", {{"separator", "separator"}}, nullptr, "startSplit"}},
        {"indent", {"spaces.indent", {{"spaces", "indentation"}}, nullptr, "adjust"}},
        {"delete-spaces",
         {"spaces.delete",
          {{"at=start", "paragraphStart"}, {"at=end", "paragraphEnd"}, {"at=both", "bothEnds"},
           {"at=all", "everywhere"}},
          nullptr,
          "confirm"}},
        {"prefix", {"paragraphs.prefix", kAffix, nullptr, "action"}},
        {"suffix", {"paragraphs.suffix", kAffix, nullptr, "action"}},
        {"numbered-lines", {"generate.numberedLines", kAffix, nullptr, "action"}},
        {"select-paragraphs",
         {"paragraphs.select",
          {{"numbers", "paragraphNumbers"}, {"mode=delete", "deleteParagraphs"},
           {"mode=keep", "keepParagraphs"}},
          nullptr,
          "run"}},
    };
    return kFaces;
}

std::vector<ToolCase> CasesWithAWindow() {
    std::vector<ToolCase> cases;
    for (const ToolCase& c : ToolCases()) {
        if (Faces().count(c.args[0])) cases.push_back(c);
    }
    return cases;
}

class WindowAndToolTest : public EditorFixture, public ::testing::WithParamInterface<ToolCase> {
protected:
    QDialog* OpenToolWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (dialog && dialog->isVisible()) return dialog;
        }
        return nullptr;
    }
    // The option's field or button in the window, failing the test when absent.
    template <typename W>
    W* Child(QWidget& window, const WindowFace& face, const std::string& key) {
        const auto it = face.fields.find(key);
        EXPECT_NE(it, face.fields.end()) << key;
        if (it == face.fields.end()) return nullptr;
        W* child = window.findChild<W*>(QString::fromUtf8(it->second));
        EXPECT_NE(child, nullptr) << it->second;
        return child;
    }
    // Presses the tool's menu item and fills and runs its window as a user
    // would with the values of the command line.
    void RunWindow(const ToolCase& c) {
        const WindowFace& face = Faces().at(c.args[0]);
        edit().ResetText(c.input);
        Trigger(face.command);
        if (!face.run) return;
        QDialog* window = OpenToolWindow();
        ASSERT_NE(window, nullptr);
        if (face.choose) {
            auto* button = window->findChild<QAbstractButton*>(face.choose);
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        const ToolSpec* tool = FindCommandTool(c.args[0]);
        ASSERT_NE(tool, nullptr);
        for (std::size_t i = 1; i < c.args.size(); ++i) {
            std::string name = c.args[i].substr(2);  // past "--"
            std::optional<std::string> value;
            if (const std::size_t equals = name.find('='); equals != std::string::npos) {
                value = name.substr(equals + 1);
                name.resize(equals);
            }
            const auto option = std::find_if(tool->options.begin(), tool->options.end(),
                                             [&](const ToolOption& o) { return name == o.name; });
            ASSERT_NE(option, tool->options.end()) << name;
            if (option->kind == OptionKind::Flag) {
                auto* flag = Child<QAbstractButton>(*window, face, name);
                ASSERT_NE(flag, nullptr);
                QTest::mouseClick(flag, Qt::LeftButton);
                continue;
            }
            if (!value) value = c.args[++i];
            if (option->kind == OptionKind::Choice) {
                auto* choice = Child<QAbstractButton>(*window, face, name + "=" + *value);
                ASSERT_NE(choice, nullptr);
                QTest::mouseClick(choice, Qt::LeftButton);
            } else {
                auto* field = Child<QLineEdit>(*window, face, name);
                ASSERT_NE(field, nullptr);
                field->setText(QString::fromUtf8(*value));
            }
        }
        auto* run = window->findChild<QAbstractButton*>(face.run);
        ASSERT_NE(run, nullptr);
        QTest::mouseClick(run, Qt::LeftButton);
    }
};

TEST_P(WindowAndToolTest, GiveTheSameBytes) {
    const ToolCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(RunWindow(c));
    const AnsiText fromWindow = edit().GetText();

    const std::filesystem::path folder = dir.path().toStdString();
    std::vector<std::string> args = c.args;
    if (FindCommandTool(c.args[0])->readsInput) {
        const std::filesystem::path input = folder / "in.txt";
        std::ofstream(input, std::ios::binary) << c.input;
        args.push_back(input.string());
    }
    const ToolRun run = RunTool(args, "", folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, fromWindow);
    EXPECT_EQ(fromWindow, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Tools, WindowAndToolTest, ::testing::ValuesIn(CasesWithAWindow()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scribbet
