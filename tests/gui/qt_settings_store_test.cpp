#include "platform/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>

namespace scribbet {
namespace {

// The recent files as the program stores them: an unused slot is an empty
// value, and paths may hold Chinese.
const std::map<std::string, std::string> kValues = {
    {"1", "C:\\A.TXT"},
    {"2", ""},
    {"3", "D:\\文档\\说明.txt"},
};

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString FilePath() const { return m_dir.filePath(QStringLiteral("store.ini")); }

    QTemporaryDir m_dir;
};

TEST_F(QtSettingsStoreTest, ValuesSurviveARestart) {
    {
        QtSettingsStore store(FilePath());
        for (const auto& [name, value] : kValues) EXPECT_TRUE(store.Write(name, value)) << name;
    }
    const QtSettingsStore store(FilePath());
    for (const auto& [name, value] : kValues) {
        EXPECT_EQ(store.Read(name), std::optional<std::string>(value)) << name;
    }
    EXPECT_EQ(store.Read("4"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, NothingStoredReadsAsNothing) {
    const QtSettingsStore store(FilePath());
    for (const auto& entry : kValues) EXPECT_EQ(store.Read(entry.first), std::nullopt);
}

TEST_F(QtSettingsStoreTest, WriteReplacesTheValue) {
    QtSettingsStore store(FilePath());
    ASSERT_TRUE(store.Write("1", "C:\\A.TXT"));
    ASSERT_TRUE(store.Write("1", ""));
    EXPECT_EQ(store.Read("1"), std::optional<std::string>(""));
}

TEST_F(QtSettingsStoreTest, ValuesOfOtherTypesReadAsNothing) {
    {
        QSettings raw(FilePath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("1"), QByteArray("\x01\x02", 2));
        raw.setValue(QStringLiteral("2"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
        raw.setValue(QStringLiteral("3"), QStringLiteral("C:\\A.TXT"));
    }
    const QtSettingsStore store(FilePath());
    EXPECT_EQ(store.Read("1"), std::nullopt);
    EXPECT_EQ(store.Read("2"), std::nullopt);
    EXPECT_EQ(store.Read("3"), std::optional<std::string>("C:\\A.TXT"));
}

TEST_F(QtSettingsStoreTest, WriteReportsAStoreThatCannotBeWritten) {
    // A folder cannot be made below an ordinary file.
    const QString blocker = m_dir.filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QtSettingsStore store(blocker + QStringLiteral("/sub/store.ini"));
    EXPECT_FALSE(store.Write("1", "C:\\A.TXT"));
}

TEST_F(QtSettingsStoreTest, ProgramStoreUsesTheProgramNames) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the registry cannot be pointed at a temporary folder";
#endif
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    {
        QtSettingsStore store;
        ASSERT_TRUE(store.Write("3", "D:\\文档\\说明.txt"));
    }
    EXPECT_EQ(QtSettingsStore().Read("3"), std::optional<std::string>("D:\\文档\\说明.txt"));
    const QSettings named(QStringLiteral("Notarel"), QStringLiteral("常用文件"));
    EXPECT_EQ(named.value(QStringLiteral("3")).toString(), QStringLiteral("D:\\文档\\说明.txt"));
    EXPECT_TRUE(QDir(m_dir.path()).exists(QStringLiteral("Notarel")));
}

}  // namespace
}  // namespace scribbet
