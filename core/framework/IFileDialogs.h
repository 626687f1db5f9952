#pragma once
#include <optional>
#include <string>

// The open and save file choosers of the document cycle.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    virtual std::optional<std::string> AskOpenPath() = 0;
    virtual std::optional<std::string> AskSavePath(const std::string& strSuggested) = 0;
};
