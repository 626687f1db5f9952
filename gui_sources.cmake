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
  framework/CDataExchange.cpp
  controls/CMonthView.cpp
  view/CDlgCalendar.cpp
  view/CDlgDescItem.cpp
  view/CDlgDescList.cpp
  view/CDlgStartBal.cpp
  view/CDlgEntry.cpp
)
