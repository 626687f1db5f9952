#pragma once
#include <string>

// How the core shows a message or asks a question; the window answers with message
// boxes, tests with a scripted fake.
enum class EMsgIcon { None, Information, Exclamation, Question };
enum class EAnswer { Yes, No, Cancel };

class IUserMessages {
public:
    virtual ~IUserMessages() = default;
    virtual void ShowMessage(const std::string& strText, EMsgIcon icon) = 0;
    // Question icon, Yes and No, Yes the default.
    virtual bool AskYesNo(const std::string& strText) = 0;
    // Question icon, Yes, No and Cancel (the save prompt).
    virtual EAnswer AskYesNoCancel(const std::string& strText) = 0;
};
