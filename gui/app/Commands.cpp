#include "Commands.h"
#include <array>

namespace {

using enum EMenu;
using enum EUpdate;

// The place of the recent files in the File menu is marked by the first of them.
constexpr CCommandInfo s_commands[] = {
    {ID_FILE_NEW, File, "&New\tCtrl+N", "Create a new document\nNew", "Ctrl+N", "tb_new", Always},
    {ID_FILE_OPEN, File, "&Open...\tCtrl+O", "Open an existing document\nOpen", "Ctrl+O", "tb_open",
     Always},
    {ID_FILE_SAVE, File, "&Save\tCtrl+S", "Save the active document\nSave", "Ctrl+S", "tb_save",
     Always},
    {ID_FILE_SAVE_AS, File, "Save &As...", "Save the active document with a new name\nSave As", "",
     "", Always},
    {ID_FILE_IMPORT, File, "&Import...",
     "Add the transactions of a bank file (OFX, QFX, QIF or CSV)\nImport", "", "", Always},
    {ID_FILE_EXPORT, File, "&Export...", "Write the register as a CSV or QIF file\nExport", "", "",
     Always},
    {0, File, "", "", "", "", Always},
    {ID_FILE_SET_PASSWORD, File, "Set Pass&word",
     "Set password protection for this document\nSet Password", "", "", Always},
    {ID_FILE_BANK_INFO, File, "&Bank Info", "Set bank information for printing\nBank Info", "", "",
     Always},
    {ID_FILE_ARCHIVE, File, "&Archive", "Archive old entries\nArchive", "", "", Always},
    {0, File, "", "", "", "", Always},
    {ID_FILE_PAGE_SETUP, File, "Pa&ge Setup", "Change the printing options\nPage Setup", "", "",
     Always},
    {ID_FILE_PRINT_SETUP, File, "P&rint Setup...", "Change the printer options\nPrint Setup", "",
     "", Always},
    {ID_FILE_PRINT, File, "&Print...\tCtrl+P", "Print the active document\nPrint", "Ctrl+P",
     "tb_print", Always},
    {ID_FILE_PRINT_PREVIEW, File, "Print Pre&view", "Display full pages\nPrint Preview", "", "",
     Always},
    {0, File, "", "", "", "", Always},
    {ID_FILE_MRU_FIRST, File, "Recent File", "Open this document", "", "", Always},
    {ID_FILE_MRU_FIRST + 1, File, "Recent File", "Open this document", "", "", Always},
    {ID_FILE_MRU_FIRST + 2, File, "Recent File", "Open this document", "", "", Always},
    {ID_FILE_MRU_FIRST + 3, File, "Recent File", "Open this document", "", "", Always},
    {0, File, "", "", "", "", Always},
    {ID_APP_EXIT, File, "E&xit", "Quit the application; prompts to save documents\nExit", "", "",
     Always},

    {ID_ENTRY_ADD, Entry, "&Add Entry\tIns", "Add an entry\nAdd Entry", "Ins", "tb_addentry",
     Always},
    {ID_ENTRY_EDIT, Entry, "&Edit Entry\tEnter", "Edit the currently selected entry\nEdit Entry",
     "Return;Enter", "tb_editentry", EntrySelected},
    {ID_ENTRY_DELETE, Entry, "&Delete Entry\tDel",
     "Delete the currently selected entry\nDelete Entry", "Del", "tb_deleteentry", EntrySelected},
    {0, Entry, "", "", "", "", Always},
    {ID_ENTRY_START_BAL, Entry, "&Starting Balance",
     "Set or change the starting balance of this checkbook\nStarting Balance", "", "", Always},

    {ID_TOOLS_AUTO, Tools, "&Automatic Entries\tCtrl+A",
     "Display or change automatic entries\nAutomatic Entries", "Ctrl+A", "tb_autoentries",
     StartBalSet},
    {ID_TOOLS_UNDO_DELETE, Tools, "&Undo Delete\tCtrl+U", "Restore deleted entries\nUndo Delete",
     "Ctrl+U", "tb_undodelete", StartBalSet},
    {ID_TOOLS_BALANCE, Tools, "&Balance\tCtrl+B", "Balance your checkbook\nBalance", "Ctrl+B",
     "tb_balance", StartBalSet},
    {0, Tools, "", "", "", "", Always},
    {ID_TOOLS_VIEW_ARCHIVE, Tools, "&View Archive\tCtrl+V", "Display archived files\nView Archive",
     "Ctrl+V", "tb_viewarchive", Always},
    {0, Tools, "", "", "", "", Always},
    {ID_TOOLS_SEARCH, Tools, "Sea&rch\tCtrl+R", "Search for entries\nSearch", "Ctrl+R", "tb_search",
     StartBalSet},
    {ID_TOOLS_STATISTICS, Tools, "S&tatistics\tCtrl+T", "Display checkbook statistics\nStatistics",
     "Ctrl+T", "tb_statistics", StartBalSet},

    {ID_VIEW_TOOLBAR, View, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", "", "", Always},
    {ID_VIEW_STATUS_BAR, View, "&Status Bar", "Show or hide the status bar\nToggle StatusBar", "",
     "", Always},
    {0, View, "", "", "", "", Always},
    {ID_VIEW_OPTIONS, View, "&Options", "Change program options\nOptions", "", "", Always},

    {ID_HELP_CONTENTS, Help, "&Contents", "Display help file contents\nContents", "", "", Always},
    {ID_HELP_INDEX, Help, "&Index", "Display help file index\nIndex", "", "", Always},
    {ID_APP_ABOUT, Help, "&About Tallywise...",
     "Display program information, version number and copyright\nAbout", "", "", Always},

    {ID_PREVIEW_CLOSE, None, "", "Close print preview mode\nCancel Preview", "", "", Always},
};

constexpr int s_toolbar[] = {
    ID_FILE_NEW,           ID_FILE_OPEN,
    ID_FILE_SAVE,          0,
    ID_FILE_PRINT,         0,
    ID_ENTRY_ADD,          ID_ENTRY_EDIT,
    ID_ENTRY_DELETE,       0,
    ID_TOOLS_AUTO,         ID_TOOLS_UNDO_DELETE,
    ID_TOOLS_BALANCE,      0,
    ID_TOOLS_VIEW_ARCHIVE, 0,
    ID_TOOLS_SEARCH,       ID_TOOLS_STATISTICS,
};

} // namespace

std::span<const CCommandInfo> CommandTable() {
    return s_commands;
}

std::span<const int> ToolbarLayout() {
    return s_toolbar;
}

const CCommandInfo* FindCommand(int nId) {
    if (nId == 0)
        return nullptr;
    for (const CCommandInfo& info : s_commands)
        if (info.m_nId == nId)
            return &info;
    return nullptr;
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
