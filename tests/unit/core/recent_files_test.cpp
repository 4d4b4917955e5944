#include "core/recent_files.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "fakes/fake_settings_store.h"

namespace scribbet {
namespace {

using Paths = std::array<std::string, kRecentFileCount>;
using Shown = std::array<bool, kRecentFileCount>;

Paths PathsOf(const RecentFiles& recent) {
    Paths paths;
    for (std::size_t i = 0; i < kRecentFileCount; ++i) paths[i] = recent.PathOf(i);
    return paths;
}

Shown ItemsShown(const RecentFiles& recent) {
    Shown shown{};
    for (std::size_t i = 0; i < kRecentFileCount; ++i) shown[i] = recent.ItemVisible(i);
    return shown;
}

// A run as the main window drives it: load the stored list, show the menu
// items, then add the files opened or saved one after another.
struct RunCase {
    const char* name;
    std::map<std::string, std::string> stored;
    std::vector<std::string> added;
    Paths paths;
    bool separator;
    Shown items;
};

class RecentFilesRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(RecentFilesRunTest, EndsWithTheseSlotsAndVisibleItems) {
    const RunCase& c = GetParam();
    FakeSettingsStore store;
    store.values = c.stored;
    RecentFiles recent;
    recent.LoadRecentFiles(store);
    recent.ShowRecentItems();
    for (const std::string& path : c.added) recent.AddRecentFile(path);

    EXPECT_EQ(PathsOf(recent), c.paths);
    EXPECT_EQ(recent.SeparatorVisible(), c.separator);
    EXPECT_EQ(ItemsShown(recent), c.items);
}

const char kA[] = "C:\\A.TXT";
const char kB[] = "C:\\B.TXT";
const char kC[] = "C:\\C.TXT";
const char kD[] = "C:\\D.TXT";
const char kX[] = "D:\\\xE6\x96\x87\xE6\xA1\xA3\\X.TXT";  // D:\文档\X.TXT

INSTANTIATE_TEST_SUITE_P(
    Cases, RecentFilesRunTest,
    ::testing::Values(
        RunCase{"FirstRunShowsNothing", {}, {}, {"", "", ""}, false, {false, false, false}},
        RunCase{"FirstAddShowsSeparatorAndItem1", {}, {kA}, {kA, "", ""}, true,
                {true, false, false}},
        RunCase{"SecondAddShowsItem2", {}, {kA, kB}, {kA, kB, ""}, true, {true, true, false}},
        RunCase{"SameLettersInOtherCaseKeepTheList", {}, {kA, kB, "c:\\a.txt"}, {kA, kB, ""},
                true, {true, true, false}},
        RunCase{"FullListDropsTheFirst", {}, {kA, kB, kC, kD}, {kB, kC, kD}, true,
                {true, true, true}},
        RunCase{"PathInAFullListKeepsItsPlace", {}, {kA, kB, kC, kD, kB}, {kB, kC, kD}, true,
                {true, true, true}},
        RunCase{"LastPathAgainKeepsTheList", {}, {kA, kB, kC, "c:\\C.txt"}, {kA, kB, kC}, true,
                {true, true, true}},
        // Ｘ.TXT and ｘ.txt: full-width letters fold as in document text.
        RunCase{"FullWidthLettersFold", {},
                {"D:\\\xEF\xBC\xB8.TXT", "d:\\\xEF\xBD\x98.txt"},
                {"D:\\\xEF\xBC\xB8.TXT", "", ""}, true, {true, false, false}},
        // 文档 and 文本 share their first character.
        RunCase{"ChinesePathsDiffer", {},
                {"D:\\\xE6\x96\x87\xE6\xA1\xA3.txt", "D:\\\xE6\x96\x87\xE6\x9C\xAC.txt"},
                {"D:\\\xE6\x96\x87\xE6\xA1\xA3.txt", "D:\\\xE6\x96\x87\xE6\x9C\xAC.txt", ""},
                true, {true, true, false}},
        RunCase{"StoredListShown", {{"1", kA}, {"2", kB}, {"3", kC}}, {}, {kA, kB, kC}, true,
                {true, true, true}},
        RunCase{"StoredGapInTheMiddleHidesOnlyThatItem", {{"1", kA}, {"2", ""}, {"3", kC}}, {},
                {kA, "", kC}, true, {true, false, true}},
        RunCase{"MissingValuesAreUnused", {{"1", kA}}, {}, {kA, "", ""}, true,
                {true, false, false}},
        RunCase{"StoredEmptyFirstShowsNothing", {{"1", ""}, {"2", kX}, {"3", ""}}, {},
                {"", kX, ""}, false, {false, false, false}},
        RunCase{"AddAfterEmptyFirstFillsSlot1AndShowsSlot2",
                {{"1", ""}, {"2", kX}, {"3", ""}}, {kA}, {kA, kX, ""}, true,
                {true, true, false}},
        // Slots below an unused one are not compared, so the path appears twice.
        RunCase{"DuplicateBehindAnEmptySlot", {{"1", ""}, {"2", kX}}, {kX}, {kX, kX, ""}, true,
                {true, true, false}},
        RunCase{"FullStoredListDropsTheFirstOnAdd", {{"1", kA}, {"2", kB}, {"3", kC}}, {kD},
                {kB, kC, kD}, true, {true, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecentFiles, CaptionsNumberTheSlotsAlsoWhenUnused) {
    RecentFiles recent;
    recent.AddRecentFile(kA);
    recent.AddRecentFile(kX);
    EXPECT_EQ(recent.CaptionOf(0), "&1. C:\\A.TXT");
    EXPECT_EQ(recent.CaptionOf(1), std::string("&2. ") + kX);
    EXPECT_EQ(recent.CaptionOf(2), "&3. ");
}

TEST(RecentFiles, IndexPastTheSlotsIsUnused) {
    RecentFiles recent;
    for (const char* path : {kA, kB, kC}) recent.AddRecentFile(path);
    EXPECT_EQ(recent.PathOf(kRecentFileCount), "");
    EXPECT_FALSE(recent.ItemVisible(kRecentFileCount));
}

TEST(RecentFiles, StoreWritesAllThreeValuesEmptyOnesIncluded) {
    RecentFiles recent;
    recent.AddRecentFile(kA);
    FakeSettingsStore store;
    store.values = {{"1", "old"}, {"2", "old"}, {"3", "old"}};
    recent.StoreRecentFiles(store);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"1", kA}, {"2", ""}, {"3", ""}};
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(store.values, (std::map<std::string, std::string>{{"1", kA}, {"2", ""}, {"3", ""}}));
}

TEST(RecentFiles, FailedWriteDoesNotStopTheOthers) {
    RecentFiles recent;
    for (const char* path : {kA, kB, kC}) recent.AddRecentFile(path);
    FakeSettingsStore store;
    store.unwritable = {"1"};
    recent.StoreRecentFiles(store);
    EXPECT_EQ(store.writes.size(), kRecentFileCount);
    EXPECT_EQ(store.values, (std::map<std::string, std::string>{{"2", kB}, {"3", kC}}));
}

TEST(RecentFiles, RestartGivesTheSameSlotsAndCaptions) {
    FakeSettingsStore store;
    RecentFiles first;
    for (const char* path : {kA, kX, kC, kD}) first.AddRecentFile(path);
    first.StoreRecentFiles(store);

    RecentFiles second;
    second.LoadRecentFiles(store);
    second.ShowRecentItems();
    EXPECT_EQ(PathsOf(second), (Paths{kX, kC, kD}));
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        EXPECT_EQ(second.CaptionOf(i), first.CaptionOf(i)) << "slot " << i;
        EXPECT_EQ(second.ItemVisible(i), first.ItemVisible(i)) << "slot " << i;
    }
    EXPECT_TRUE(second.SeparatorVisible());
}

TEST(RecentFiles, LoadReplacesEverySlot) {
    RecentFiles recent;
    for (const char* path : {kA, kB, kC}) recent.AddRecentFile(path);
    FakeSettingsStore store;
    store.values = {{"2", kD}};
    recent.LoadRecentFiles(store);
    EXPECT_EQ(PathsOf(recent), (Paths{"", kD, ""}));
}

}  // namespace
}  // namespace scribbet
