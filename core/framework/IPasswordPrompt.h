#pragma once
#include <string>

class IPasswordPrompt {
public:
    virtual ~IPasswordPrompt() = default;
    // Asks for the password of the named file; Cancel gives an empty string.
    virtual std::string AskPassword(const std::string& strFileName) = 0;
};
