#include "core/recent_files.h"

#include "core/code_page.h"
#include "core/text_ops.h"

namespace scribbet {
namespace {

std::string SlotName(std::size_t index) { return std::to_string(index + 1); }

// Paths are compared in their code-page form so that letters fold exactly as
// in document text: ASCII and the full-width letters of the code page.
bool SamePath(const std::string& a, const std::string& b) {
    return TextEqualsIgnoreCase(EncodeAnsi(a), EncodeAnsi(b));
}

}  // namespace

const std::string& RecentFiles::PathOf(std::size_t index) const {
    static const std::string kUnused;
    return index < kRecentFileCount ? m_paths[index] : kUnused;
}

std::string RecentFiles::CaptionOf(std::size_t index) const {
    return "&" + SlotName(index) + ". " + PathOf(index);
}

bool RecentFiles::ItemVisible(std::size_t index) const {
    return index < kRecentFileCount && m_itemVisible[index];
}

void RecentFiles::LoadRecentFiles(const SettingsStore& store) {
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        m_paths[i] = store.Read(SlotName(i)).value_or(std::string());
    }
}

void RecentFiles::StoreRecentFiles(SettingsStore& store) const {
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        (void)store.Write(SlotName(i), m_paths[i]);
    }
}

void RecentFiles::ShowRecentItems() {
    if (m_paths[0].empty()) return;
    m_separatorVisible = true;
    m_itemVisible[0] = true;
    for (std::size_t i = 1; i < kRecentFileCount; ++i) {
        if (!m_paths[i].empty()) m_itemVisible[i] = true;
    }
}

void RecentFiles::AddRecentFile(const std::string& path) {
    std::size_t target = kRecentFileCount;
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        if (m_paths[i].empty()) {
            target = i;
            break;
        }
        if (SamePath(m_paths[i], path)) return;
    }
    if (target == kRecentFileCount) {
        for (std::size_t i = 0; i + 1 < kRecentFileCount; ++i) m_paths[i] = m_paths[i + 1];
        target = kRecentFileCount - 1;
    }
    m_paths[target] = path;
    ShowRecentItems();
}

}  // namespace scribbet
