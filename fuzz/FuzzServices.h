#pragma once
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include <ctime>
#include <string>

// Stand-ins for the window's services: every question is answered Yes, a password prompt
// gives one fixed text, and the clock stands still, so a run depends on its input alone.

// The password of the protected seed files, and what the fuzz prompt answers.
inline constexpr const char* FUZZ_PASSWORD = "fuzz";

class CYesMessages : public IUserMessages {
public:
    void ShowMessage(const std::string&, EMsgIcon) override {}
    bool AskYesNo(const std::string&) override { return true; }
    EAnswer AskYesNoCancel(const std::string&) override { return EAnswer::Yes; }
};

class CFixedPasswordPrompt : public IPasswordPrompt {
public:
    std::string AskPassword(const std::string&) override { return m_strAnswer; }
    std::string m_strAnswer = FUZZ_PASSWORD;
};

class CFixedClock : public IClock {
public:
    std::time_t Now() override { return 958003200; } // 2000-05-11 00:00 UTC
};
