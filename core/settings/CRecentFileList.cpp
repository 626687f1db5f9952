#include "CRecentFileList.h"
#include "core/framework/ISettingsStore.h"
#include <algorithm>
#include <string>

namespace {
constexpr const char* RECENT_SECTION = "Recent File List";
std::string KeyOf(int i) {
    return "File" + std::to_string(i + 1);
}
} // namespace

void CRecentFileList::Add(const std::string& strPath) {
    Remove(strPath);
    m_files.insert(m_files.begin(), strPath);
    if (m_files.size() > MAX_FILES)
        m_files.resize(MAX_FILES);
}

void CRecentFileList::Remove(const std::string& strPath) {
    m_files.erase(std::remove(m_files.begin(), m_files.end(), strPath), m_files.end());
}

void CRecentFileList::Read(ISettingsStore& store) {
    m_files.clear();
    for (int i = 0; i < MAX_FILES; ++i) {
        std::string strPath = store.GetString(RECENT_SECTION, KeyOf(i), "");
        if (!strPath.empty() && std::find(m_files.begin(), m_files.end(), strPath) == m_files.end())
            m_files.push_back(strPath);
    }
}

void CRecentFileList::Write(ISettingsStore& store) const {
    for (int i = 0; i < MAX_FILES; ++i)
        store.WriteString(RECENT_SECTION, KeyOf(i),
                          i < static_cast<int>(m_files.size())
                              ? m_files[static_cast<std::size_t>(i)]
                              : std::string());
}
