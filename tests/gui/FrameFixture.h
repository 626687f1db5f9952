#pragma once
// A main window over an application object whose services are scripted fakes.
#include "../support/Fakes.h"
#include "core/framework/DateTime.h"
#include "core/framework/IClock.h"
#include "core/framework/IFileDialogs.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CTallywiseApp.h"
#include "gui/view/CTallywiseView.h"
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct CFrameFixture {
    CFakeMessages m_messages;
    CFakePassword m_password;
    CFixedClock m_clock;
    CFakeFileDialogs m_fileDialogs;
    CTallywiseApp m_app{m_messages, m_password, m_clock};
    std::unique_ptr<CMainFrame> m_pFrame;

    CFrameFixture() {
        m_clock.m_now = MakeLocalDate(2004, 2, 10) + 9 * 3600;
        m_app.m_pFileDialogs = &m_fileDialogs;
        CreateFrame();
    }
    ~CFrameFixture() { DestroyFrame(); }

    void CreateFrame() {
        m_pFrame = std::make_unique<CMainFrame>(m_app);
        m_app.ProcessCommandLine({});
    }
    void DestroyFrame() { m_pFrame.reset(); }

    CTallywiseDoc& Doc() { return m_app.GetDocument(); }
    void StartClean() { ::StartClean(Doc(), m_password); }
    CTallywiseView* View() { return m_pFrame->View(); }
    // What the window's commands work on.
    CCommandContext& Context() { return m_pFrame->Context(); }

    std::uint16_t AddEntry(int nType, int nCheck, int nMonth, int nDay, const char* pszDesc,
                           double dAmount, bool bDebit, bool bCleared = false) {
        CEntry entry;
        entry.m_nType = std::int8_t(nType);
        entry.m_nCheckNum = std::uint16_t(nCheck);
        entry.m_date = MakeLocalDate(2004, nMonth, nDay);
        entry.m_strDesc = pszDesc;
        entry.m_dAmount = dAmount;
        entry.m_bDebit = bDebit ? 1 : 0;
        entry.m_bCleared = bCleared ? 1 : 0;
        return *Doc().InsertEntry(std::move(entry));
    }
};
