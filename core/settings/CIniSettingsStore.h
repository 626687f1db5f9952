#pragma once
#include "core/framework/ISettingsStore.h"
#include <map>
#include <string>

// Reads the settings file the window writes (an INI file, section per group) so that the
// command-line program follows the user's own settings. Writes stay in memory: the
// command line never changes the user's settings.
class CIniSettingsStore : public ISettingsStore {
public:
    // A missing or unreadable file gives an empty store: every setting has its default.
    explicit CIniSettingsStore(const std::string& strPath);
    int GetInt(const std::string& strSection, const std::string& strKey, int nDefault) override;
    std::string GetString(const std::string& strSection, const std::string& strKey,
                          const std::string& strDefault) override;
    void WriteInt(const std::string& strSection, const std::string& strKey, int nValue) override;
    void WriteString(const std::string& strSection, const std::string& strKey,
                     const std::string& strValue) override;

    // Where the window keeps the user's settings: $XDG_CONFIG_HOME (or ~/.config), then
    // "Kestrane/Tallywise v3.5.ini".
    static std::string UserSettingsPath();

private:
    void Parse(const std::string& strText);
    std::map<std::string, std::string> m_values; // "Section/Key" -> value
};
