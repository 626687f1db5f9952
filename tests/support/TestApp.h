#pragma once
#include "Fakes.h"
#include "gui/app/CTallywiseApp.h"

// An application with fakes for every service, and a temporary folder.
struct CTestApp {
    CFakeMessages m_messages;
    CFakePassword m_password;
    CFixedClock m_clock;
    CFakeStatus m_status;
    CFakeFileDialogs m_files;
    CTallywiseApp m_app{m_messages, m_password, m_clock};
    std::string m_strDir;

    CTestApp();
    ~CTestApp();
    CTallywiseDoc& Doc() { return m_app.GetDocument(); }
    void StartClean() { ::StartClean(Doc(), m_password); }
    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
};
