#pragma once
#include "IPasswordPrompt.h"
#include "IUserMessages.h"
#include <optional>
#include <string>
#include <vector>

// The services of a program run from the command line, where no one answers questions: a
// version 2.0 file is imported, the save prompt gets No, and messages are kept so the
// caller can print them (or handed to m_pShowTo while one is set).
class CQuietMessages : public IUserMessages {
public:
    void ShowMessage(const std::string& strText, EMsgIcon icon) override {
        if (m_pShowTo)
            m_pShowTo->ShowMessage(strText, icon);
        else
            m_shown.push_back(strText);
    }
    bool AskYesNo(const std::string&) override { return true; }
    EAnswer AskYesNoCancel(const std::string&) override { return EAnswer::No; }
    std::string Last() const { return m_shown.empty() ? std::string() : m_shown.back(); }

    std::vector<std::string> m_shown;
    IUserMessages* m_pShowTo = nullptr;
};

// The password given on the command line; without one, m_pAsk is asked when set, else the
// answer is empty (Cancel).
class CGivenPassword : public IPasswordPrompt {
public:
    explicit CGivenPassword(std::optional<std::string> password = std::nullopt,
                            IPasswordPrompt* pAsk = nullptr)
        : m_password(std::move(password)), m_pAsk(pAsk) {}
    std::string AskPassword(const std::string& strFileName) override {
        m_bAsked = true;
        if (m_password)
            return *m_password;
        return m_pAsk ? m_pAsk->AskPassword(strFileName) : std::string();
    }
    std::optional<std::string> m_password;
    IPasswordPrompt* m_pAsk;
    bool m_bAsked = false;
};
