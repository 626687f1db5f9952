#pragma once
#include "core/document/CTallywiseDoc.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"

// A document with silent services, for building and loading registers in benchmarks.
class CBenchDoc : private IUserMessages, private IPasswordPrompt, private IClock {
public:
    CBenchDoc() : m_doc(CDocServices{*this, *this, *this, m_userTypes}) {}
    CTallywiseDoc& Doc() { return m_doc; }

private:
    void ShowMessage(const std::string&, EMsgIcon) override {}
    bool AskYesNo(const std::string&) override { return true; }
    EAnswer AskYesNoCancel(const std::string&) override { return EAnswer::No; }
    std::string AskPassword(const std::string&) override { return {}; }
    std::time_t Now() override { return 958003200; } // 2000-05-11 00:00 UTC

    CUserTypeTable m_userTypes;
    CTallywiseDoc m_doc;
};

// Fills doc with a new register of nEntries entries, a few a day from 1990 on, with the
// descriptions, deleted and automatic entries a register in long use has.
void FillRegister(CTallywiseDoc& doc, int nEntries);

// An entry dated in the middle of a register filled by FillRegister.
CEntry MiddleEntry(int nEntries);
