#pragma once
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/framework/IClock.h"
#include "core/framework/IFileDialogs.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IRegisterObserver.h"
#include "core/framework/ISettingsStore.h"
#include "core/framework/IStatusPanes.h"
#include "core/framework/IUserMessages.h"
#include "core/settings/CSettings.h"
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// How a test program fails a test from inside a fake: GoogleTest and QtTest each set theirs.
void SetFakeFailureHandler(std::function<void(const std::string&)> fnFail);
void ReportFakeFailure(const std::string& strWhat);

// Records every message; questions are answered from a script. A question the script has
// no answer for fails the test with its text, and is answered No.
class CFakeMessages : public IUserMessages {
public:
    struct CShown {
        std::string m_strText;
        EMsgIcon m_icon;
    };
    std::vector<CShown> m_shown;
    std::deque<EAnswer> m_answers;
    void ShowMessage(const std::string& strText, EMsgIcon icon) override {
        m_shown.push_back({strText, icon});
    }
    bool AskYesNo(const std::string& strText) override {
        m_shown.push_back({strText, EMsgIcon::Question});
        return Next(strText) == EAnswer::Yes;
    }
    EAnswer AskYesNoCancel(const std::string& strText) override {
        m_shown.push_back({strText, EMsgIcon::Question});
        return Next(strText);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> v;
        for (const CShown& s : m_shown)
            v.push_back(s.m_strText);
        return v;
    }

private:
    EAnswer Next(const std::string& strText) {
        if (m_answers.empty()) {
            ReportFakeFailure("no scripted answer to the question: " + strText);
            return EAnswer::No;
        }
        EAnswer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
};

// Shows nothing, records nothing and answers every question the same, Yes unless told No:
// for benchmarks and fuzz runs, where no one scripts the answers and a missing one must not
// stop the run.
class CSilentMessages : public IUserMessages {
public:
    explicit CSilentMessages(bool bYes = true) : m_bYes(bYes) {}
    void ShowMessage(const std::string&, EMsgIcon) override {}
    bool AskYesNo(const std::string&) override { return m_bYes; }
    EAnswer AskYesNoCancel(const std::string&) override {
        return m_bYes ? EAnswer::Yes : EAnswer::No;
    }
    bool m_bYes;
};

class CFakePassword : public IPasswordPrompt {
public:
    std::deque<std::string> m_answers;
    std::string m_strOtherwise;       // the answer once m_answers is used up (Cancel: empty)
    std::vector<std::string> m_asked; // file names shown
    std::function<void()> m_fnOnAsk;  // runs while the prompt would be up
    std::string AskPassword(const std::string& strFileName) override {
        m_asked.push_back(strFileName);
        if (m_fnOnAsk)
            m_fnOnAsk();
        if (m_answers.empty())
            return m_strOtherwise;
        std::string s = m_answers.front();
        m_answers.pop_front();
        return s;
    }
};

class CFixedClock : public IClock {
public:
    CFixedClock() = default;
    explicit CFixedClock(std::time_t now) : m_now(now) {}
    std::time_t m_now = MakeLocalDate(2000, 5, 3) + 12 * 3600;
    std::time_t Now() override { return m_now; }
};

class CMemorySettings : public ISettingsStore {
public:
    std::map<std::string, int> m_ints;
    std::map<std::string, std::string> m_strings;
    int GetInt(const std::string& s, const std::string& k, int nDefault) override {
        auto it = m_ints.find(s + "/" + k);
        return it == m_ints.end() ? nDefault : it->second;
    }
    std::string GetString(const std::string& s, const std::string& k,
                          const std::string& strDefault) override {
        auto it = m_strings.find(s + "/" + k);
        return it == m_strings.end() ? strDefault : it->second;
    }
    void WriteInt(const std::string& s, const std::string& k, int n) override {
        m_ints[s + "/" + k] = n;
    }
    void WriteString(const std::string& s, const std::string& k, const std::string& v) override {
        m_strings[s + "/" + k] = v;
    }
};

// Records what the document announces, one short line per announcement.
class CRecordingObserver : public IRegisterObserver {
public:
    std::vector<std::string> m_events;
    void OnEntryInserted(std::uint16_t nPos) override { Add("inserted", nPos); }
    void OnEntryRemoved(std::uint16_t nPos) override { Add("removed", nPos); }
    void OnEntriesReset() override { m_events.push_back("reset"); }
    void OnBalancesChanged(std::uint16_t nFrom) override { Add("balances", nFrom); }
    void OnEntryChanged(std::uint16_t nPos) override { Add("changed", nPos); }
    void OnDocumentChanged() override { m_events.push_back("document"); }

private:
    void Add(const char* pszWhat, int nPos) {
        m_events.push_back(std::string(pszWhat) + " " + std::to_string(nPos));
    }
};

class CFakeStatus : public IStatusPanes {
public:
    double m_dBalance = -1;
    int m_nEntries = -1;
    void SetStatusBalance(double d) override { m_dBalance = d; }
    void SetStatusEntries(int n) override { m_nEntries = n; }
};

class CFakeFileDialogs : public IFileDialogs {
public:
    std::optional<std::string> m_open, m_save;
    std::string m_strSuggested;
    std::optional<std::string> AskOpenPath() override { return m_open; }
    std::optional<std::string> AskSavePath(const std::string& s) override {
        m_strSuggested = s;
        return m_save;
    }
};

// A register with fakes for every service, the default settings, and a temporary folder.
struct CTestDoc {
    CFakeMessages m_messages;
    CFakePassword m_password;
    CFixedClock m_clock;
    CFakeStatus m_status;
    CSettings m_settings;
    CTallywiseDoc m_doc{CDocServices{m_messages, m_password, m_clock, m_settings.m_userTypes}};
    std::string m_strDir;

    CTestDoc();
    ~CTestDoc();
    CTallywiseDoc& Doc() { return m_doc; }
    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
};

// A register on fakes that ask nothing of anyone, with a clock that stands at 2000-05-11
// 00:00 UTC: benchmarks and fuzz runs build one per run, so it makes no folder.
struct CSilentDoc {
    CSilentMessages m_messages;
    CFakePassword m_password;
    CFixedClock m_clock{958003200};
    CUserTypeTable m_userTypes;
    CTallywiseDoc m_doc{CDocServices{m_messages, m_password, m_clock, m_userTypes}};

    CTallywiseDoc& Doc() { return m_doc; }
};

// A folder of its own under /tmp for one test; the caller removes it.
std::string MakeTempDir();

// Builders for tests.
CEntry MakeEntry(std::time_t date, double dAmount, bool bDebit, const std::string& strDesc = "",
                 int nType = 1, int nCheck = 0);
// Fills the register up to nCount entries, all at once, dated 1999-01-01 (before the dates
// the tests use).
void FillTo(CTallywiseDoc& doc, int nCount);
// Counts nArchives archives the way archiving does: an entry in, archived out again. The
// starting balance is left to the caller.
void AddArchives(CTallywiseDoc& doc, int nArchives);
// Reloads the document from its own saved bytes, so it starts unmodified as after an open;
// a protected document's password is answered without being recorded as asked.
void StartClean(CTallywiseDoc& doc, CFakePassword& password);
void StartClean(CTestDoc& t);
std::vector<std::uint8_t> ReadBytes(const std::string& strPath);
void WriteBytes(const std::string& strPath, const std::vector<std::uint8_t>& bytes);
std::vector<std::string> EntryDescs(const CTallywiseDoc& doc);
