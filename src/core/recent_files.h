#pragma once
// The three most recently used files of the File menu: their paths, the
// captions of their menu items and which of those items (and the separator
// above them) are visible. The main window mirrors this state onto its
// actions; the paths survive between runs in a SettingsStore.
#include <array>
#include <cstddef>
#include <string>

#include "platform/settings_store.h"

namespace scribbet {

inline constexpr std::size_t kRecentFileCount = 3;

class RecentFiles {
public:
    // Slots are indexed 0 .. kRecentFileCount - 1 in menu order: index 0 is
    // menu item "1". An index outside that range reads as an unused slot.

    // The UTF-8 path held by a slot; empty when the slot is unused. This is
    // the file a recent-file menu item opens.
    [[nodiscard]] const std::string& PathOf(std::size_t index) const;
    // "&1. " followed by the path, also for an unused slot.
    [[nodiscard]] std::string CaptionOf(std::size_t index) const;

    [[nodiscard]] bool SeparatorVisible() const { return m_separatorVisible; }
    [[nodiscard]] bool ItemVisible(std::size_t index) const;

    // Every slot takes the value stored under its number ("1", "2", "3"),
    // or becomes unused when there is none. Visibility is left to
    // ShowRecentItems, which the window calls once the menu exists.
    void LoadRecentFiles(const SettingsStore& store);
    // Writes all three values, empty ones for unused slots. A failed write
    // is ignored: losing the list is not worth a message at exit.
    void StoreRecentFiles(SettingsStore& store) const;

    // Makes the separator and the items of the used slots visible, but only
    // when slot 1 is used: a list that starts with a gap shows nothing.
    // Items are never hidden again during the run.
    void ShowRecentItems();

    // Puts a newly opened or saved file into the list. A path already in the
    // list (letters compared without case, as the file system does) keeps
    // its place and changes nothing; the scan stops at the first unused slot,
    // which takes the path. A full list drops its first entry.
    void AddRecentFile(const std::string& path);

private:
    std::array<std::string, kRecentFileCount> m_paths;
    std::array<bool, kRecentFileCount> m_itemVisible{};
    bool m_separatorVisible = false;
};

}  // namespace scribbet
