# Window sources, one line per file.
set(TW_GUI_SOURCES
  framework/CQtServices.cpp
  app/CMainFrame.cpp
  app/CAboutDlg.cpp
  app/CHelpSystem.cpp
  app/Commands.cpp
  document/CDlgEnterPassword.cpp
  view/CTallywiseView.cpp
  view/CRegisterModel.cpp
)
