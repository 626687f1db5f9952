#include "TestApp.h"
#include <filesystem>

CTestApp::CTestApp() : m_strDir(MakeTempDir()) {
    m_app.GetDocument().SetStatusPanes(&m_status);
    m_app.m_pFileDialogs = &m_files;
}

CTestApp::~CTestApp() {
    std::filesystem::remove_all(m_strDir);
}
