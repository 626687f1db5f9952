#pragma once
#include <string>

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual int GetInt(const std::string& strSection, const std::string& strKey, int nDefault) = 0;
    virtual std::string GetString(const std::string& strSection, const std::string& strKey,
                                  const std::string& strDefault) = 0;
    virtual void WriteInt(const std::string& strSection, const std::string& strKey, int nValue) = 0;
    virtual void WriteString(const std::string& strSection, const std::string& strKey,
                             const std::string& strValue) = 0;
};
