#pragma once
// A whole editor with fakes of the prompts, settings store, shell and clock,
// shown offscreen, for tests that drive the real menu actions.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

#include "app/editor.h"
#include "fakes/fake_prompts.h"

// Failures show texts as text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace scribbet {

class MemorySettingsStore final : public SettingsStore {
public:
    std::map<std::string, std::string> values;
    std::optional<std::string> Read(const std::string& name) const override {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool Write(const std::string& name, const std::string& value) override {
        values[name] = value;
        return true;
    }
};

class FakeShell final : public Shell {
public:
    std::vector<std::string> opened;
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return true;
    }
};

class FixedClock final : public Clock {
public:
    DateTime now{2017, 10, 16, 13, 4, 35};
    std::uint32_t milliseconds = 0;
    DateTime Now() const override { return now; }
    std::uint32_t Milliseconds() const override { return milliseconds; }
};

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Start();
    }
    void Start() {
        editor = std::make_unique<Editor>(Services{files, prompts, settings, shell, clock});
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }
    void Restart() {
        editor.reset();
        Start();
    }
    MainWindow& window() { return *editor->Window(); }
    EditArea& edit() { return window().Edit(); }
    // Runs a menu command as a click on its item does.
    void Trigger(const std::string& command) {
        QAction* action = window().Action(command);
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
    }
    // The one open top-level window of type W, or null.
    template <typename W>
    W* Open() const {
        W* found = nullptr;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* w = qobject_cast<W*>(widget)) found = w;
        }
        return found;
    }
    // The one open window of type W; a failure when there is none.
    template <typename W>
    W& OpenWindow() const {
        W* found = Open<W>();
        EXPECT_NE(found, nullptr);
        return *found;
    }
    // The input of `parent` with this objectName; a failure when there is none.
    template <typename W>
    static W& ChildNamed(QWidget& parent, const char* name) {
        W* child = parent.findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(child, nullptr) << name;
        return *child;
    }
    template <typename W>
    int CountOpen() const {
        int n = 0;
        for (QWidget* widget : QApplication::allWidgets()) n += qobject_cast<W*>(widget) != nullptr;
        return n;
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Put(const QString& name, const QByteArray& bytes) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Get(const QString& name) {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Types ASCII text into the edit area with real key events.
    void Type(const QString& text) {
        edit().setFocus();
        QTest::keyClicks(edit().viewport(), text);
    }
    int Questions() const {
        int n = 0;
        for (const auto& message : prompts.messages) n += message.kind == MessageKind::Question;
        return n;
    }

    QTemporaryDir dir;
    LocalFiles files;
    FakePrompts prompts;
    MemorySettingsStore settings;
    FakeShell shell;
    FixedClock clock;
    std::unique_ptr<Editor> editor;
};

}  // namespace scribbet
