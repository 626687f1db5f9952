#pragma once
#include "app/CTallywiseApp.h"
#include "framework/IClock.h"
#include "framework/IPasswordPrompt.h"
#include "framework/IUserMessages.h"
#include <memory>

// An application with silent services, for building and loading registers in benchmarks.
class CBenchApp : private IUserMessages, private IPasswordPrompt, private IClock {
public:
    CBenchApp() : m_app(*this, *this, *this) {}
    CTallywiseApp& App() { return m_app; }
    CTallywiseDoc& Doc() { return m_app.GetDocument(); }

private:
    void ShowMessage(const std::string&, EMsgIcon) override {}
    bool AskYesNo(const std::string&) override { return true; }
    EAnswer AskYesNoCancel(const std::string&) override { return EAnswer::No; }
    std::string AskPassword(const std::string&) override { return {}; }
    std::time_t Now() override { return 958003200; } // 2000-05-11 00:00 UTC

    CTallywiseApp m_app;
};

// Fills doc with a new register of nEntries entries, a few a day from 1990 on, with the
// descriptions, deleted and automatic entries a register in long use has.
void FillRegister(CTallywiseDoc& doc, int nEntries);

// An entry dated in the middle of a register filled by FillRegister.
std::unique_ptr<CEntry> MiddleEntry(int nEntries);
