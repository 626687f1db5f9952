#pragma once
#include <string>
#include <vector>

class ISettingsStore;

// The four most recently used files, newest first, kept in section "Recent File List".
class CRecentFileList {
public:
    static constexpr int MAX_FILES = 4;
    void Add(const std::string& strPath);
    void Remove(const std::string& strPath);
    const std::vector<std::string>& Files() const { return m_files; }
    void Read(ISettingsStore& store);
    void Write(ISettingsStore& store) const;

private:
    std::vector<std::string> m_files;
};
