#include "Commands.h"
#include "CAboutDlg.h"
#include "CHelpSystem.h"
#include "core/settings/CSettings.h"
#include "gui/document/CDlgBankInfo.h"
#include "gui/document/CDlgPassword.h"
#include "gui/import/ImportCommand.h"
#include "gui/import/ReconcileCommand.h"
#include "gui/printing/CDlgPageSetup.h"
#include "gui/printing/PrintCommands.h"
#include "gui/settings/CDlgOptions.h"
#include "gui/tools/CDlgArchive.h"
#include "gui/tools/CDlgAutomaticEntries.h"
#include "gui/tools/CDlgBalance.h"
#include "gui/tools/CDlgBalanceChart.h"
#include "gui/tools/CDlgSearch.h"
#include "gui/tools/CDlgStatistics.h"
#include "gui/tools/CDlgUndoDelete.h"
#include "gui/tools/CDlgViewArch.h"
#include "gui/tools/ToolCommands.h"

namespace {

using enum EMenu;

template <int N> bool HasRecentFile(const CCommandContext& context) {
    return N < int(context.m_settings.m_recentFiles.Files().size());
}

constexpr FnEnabled Always = nullptr;

constexpr CCommandInfo Separator(EMenu nMenu) {
    return {0, nMenu, "", "", "", "", 0, Always, {}};
}

constexpr CCommandInfo RecentFile(int nIndex, FnEnabled fnEnabled, FnFrameCommand fnOpen) {
    return {ID_FILE_MRU_FIRST + nIndex,
            File,
            "Recent File",
            "Open this document",
            "",
            "",
            0,
            fnEnabled,
            fnOpen};
}

// The place of the recent files in the File menu is marked by the first of them.
constexpr CCommandInfo s_commands[] = {
    {ID_FILE_NEW, File, "&New", "Create a new document\nNew", "Ctrl+N", "tb_new", 1, Always,
     &CMainFrame::OnFileNew},
    {ID_FILE_OPEN, File, "&Open...", "Open an existing document\nOpen", "Ctrl+O", "tb_open", 1,
     Always, &CMainFrame::OnFileOpen},
    {ID_FILE_SAVE, File, "&Save", "Save the active document\nSave", "Ctrl+S", "tb_save", 1, Always,
     &CMainFrame::OnFileSave},
    {ID_FILE_SAVE_AS, File, "Save &As...", "Save the active document with a new name\nSave As", "",
     "", 0, Always, &CMainFrame::OnFileSaveAs},
    {ID_FILE_IMPORT, File, "&Import...",
     "Add the transactions of a bank file (OFX, QFX, QIF or CSV)\nImport", "", "", 0, Always,
     OnFileImport},
    {ID_FILE_EXPORT, File, "&Export...", "Write the register as a CSV or QIF file\nExport", "", "",
     0, Always, OnFileExport},
    {ID_FILE_RECONCILE, File, "Re&concile with Bank File...",
     "Clear the entries a bank file shows as posted, and list those not yet at the bank\n"
     "Reconcile with Bank File",
     "", "", 0, Always, OnFileReconcile},
    Separator(File),
    {ID_FILE_SET_PASSWORD, File, "Set Pass&word",
     "Set password protection for this document\nSet Password", "", "", 0, Always, OnSetPassword},
    {ID_FILE_BANK_INFO, File, "&Bank Info", "Set bank information for printing\nBank Info", "", "",
     0, Always, OnBankInfo},
    {ID_FILE_ARCHIVE, File, "&Archive", "Archive old entries\nArchive", "", "", 0, Always,
     OnArchive},
    Separator(File),
    {ID_FILE_PAGE_SETUP, File, "Pa&ge Setup", "Change the printing options\nPage Setup", "", "", 0,
     Always, OnPageSetup},
    {ID_FILE_PRINT_SETUP, File, "P&rint Setup...", "Change the printer options\nPrint Setup", "",
     "", 0, Always, OnFilePrintSetup},
    {ID_FILE_PRINT, File, "&Print...", "Print the active document\nPrint", "Ctrl+P", "tb_print", 2,
     Always, OnFilePrint},
    {ID_FILE_PRINT_PREVIEW, File, "Print Pre&view", "Display full pages\nPrint Preview", "", "", 0,
     Always, OnFilePrintPreview},
    Separator(File),
    RecentFile(0, HasRecentFile<0>, &CMainFrame::OnOpenRecentFile<0>),
    RecentFile(1, HasRecentFile<1>, &CMainFrame::OnOpenRecentFile<1>),
    RecentFile(2, HasRecentFile<2>, &CMainFrame::OnOpenRecentFile<2>),
    RecentFile(3, HasRecentFile<3>, &CMainFrame::OnOpenRecentFile<3>),
    Separator(File),
    {ID_APP_EXIT, File, "E&xit", "Quit the application; prompts to save documents\nExit", "", "", 0,
     Always, &CMainFrame::OnAppExit},

    {ID_ENTRY_ADD, Entry, "&Add Entry", "Add an entry\nAdd Entry", "Ins", "tb_addentry", 3, Always,
     &CTallywiseView::OnAddEntry},
    {ID_ENTRY_EDIT, Entry, "&Edit Entry", "Edit the currently selected entry\nEdit Entry", "Enter",
     "tb_editentry", 3, OnUpdateEntrySelected, &CTallywiseView::OnEditEntry},
    {ID_ENTRY_DELETE, Entry, "&Delete Entry", "Delete the currently selected entry\nDelete Entry",
     "Del", "tb_deleteentry", 3, OnUpdateEntrySelected, &CTallywiseView::OnDeleteEntry},
    Separator(Entry),
    {ID_ENTRY_START_BAL, Entry, "&Starting Balance",
     "Set or change the starting balance of this checkbook\nStarting Balance", "", "", 0, Always,
     &CTallywiseView::OnStartingBalance},

    {ID_TOOLS_AUTO, Tools, "&Automatic Entries",
     "Display or change automatic entries\nAutomatic Entries", "Ctrl+A", "tb_autoentries", 4,
     OnUpdateNeedsStartBal, OnAutomaticEntries},
    {ID_TOOLS_UNDO_DELETE, Tools, "&Undo Delete", "Restore deleted entries\nUndo Delete", "Ctrl+U",
     "tb_undodelete", 4, OnUpdateNeedsStartBal, OnUndoDelete},
    {ID_TOOLS_BALANCE, Tools, "&Balance", "Balance your checkbook\nBalance", "Ctrl+B", "tb_balance",
     4, OnUpdateNeedsStartBal, OnBalance},
    Separator(Tools),
    {ID_TOOLS_VIEW_ARCHIVE, Tools, "&View Archive", "Display archived files\nView Archive",
     "Ctrl+V", "tb_viewarchive", 5, Always, OnViewArchive},
    Separator(Tools),
    {ID_TOOLS_SEARCH, Tools, "Sea&rch", "Search for entries\nSearch", "Ctrl+R", "tb_search", 6,
     OnUpdateNeedsStartBal, OnSearch},
    {ID_TOOLS_STATISTICS, Tools, "S&tatistics", "Display checkbook statistics\nStatistics",
     "Ctrl+T", "tb_statistics", 6, OnUpdateNeedsStartBal, OnStatistics},
    {ID_TOOLS_BALANCE_CHART, Tools, "Balance &Chart",
     "Show the balance over time and where the automatic entries will take it\nBalance Chart",
     "Ctrl+H", "tb_balancechart", 6, OnUpdateNeedsStartBal, OnBalanceChart},

    {ID_VIEW_TOOLBAR, View, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", "", "", 0,
     Always, &CMainFrame::OnViewToolBar},
    {ID_VIEW_STATUS_BAR, View, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", "",
     "", 0, Always, &CMainFrame::OnViewStatusBar},
    Separator(View),
    {ID_VIEW_OPTIONS, View, "&Options", "Change program options\nOptions", "", "", 0, Always,
     OnOptions},

    {ID_HELP_CONTENTS, Help, "&Contents", "Display help file contents\nContents", "", "", 0, Always,
     OnHelpContents},
    {ID_HELP_INDEX, Help, "&Index", "Display help file index\nIndex", "", "", 0, Always,
     OnHelpIndex},
    {ID_APP_ABOUT, Help, "&About Tallywise...",
     "Display program information, version number and copyright\nAbout", "", "", 0, Always,
     OnAppAbout},
};

} // namespace

std::span<const CCommandInfo> CommandTable() {
    return s_commands;
}

const CCommandInfo* FindCommand(int nId) {
    if (nId == 0)
        return nullptr;
    for (const CCommandInfo& info : s_commands)
        if (info.m_nId == nId)
            return &info;
    return nullptr;
}

std::string MenuText(const CCommandInfo& info) {
    std::string strText = info.m_pszMenuText;
    if (*info.m_pszAccel != '\0')
        strText += std::string("\t") + info.m_pszAccel;
    return strText;
}

const char* CommandString(int nId) {
    const CCommandInfo* pInfo = FindCommand(nId);
    return pInfo ? pInfo->m_pszString : "";
}

std::string CommandPrompt(int nId) {
    std::string str = CommandString(nId);
    return str.substr(0, str.find('\n'));
}

std::string CommandTooltip(int nId) {
    std::string str = CommandString(nId);
    std::size_t nBreak = str.find('\n');
    return nBreak == std::string::npos ? std::string() : str.substr(nBreak + 1);
}
