#include "Commands.h"
#include <utility>

namespace {

constexpr std::pair<int, const char*> s_strings[] = {
    {ID_FILE_ARCHIVE, "Archive old entries\nArchive"},
    {ID_FILE_SET_PASSWORD, "Set password protection for this document\nSet Password"},
    {ID_FILE_BANK_INFO, "Set bank information for printing\nBank Info"},
    {ID_HELP_CONTENTS, "Display help file contents\nContents"},
    {ID_VIEW_OPTIONS, "Change program options\nOptions"},
    {ID_ENTRY_ADD, "Add an entry\nAdd Entry"},
    {ID_ENTRY_EDIT, "Edit the currently selected entry\nEdit Entry"},
    {ID_ENTRY_DELETE, "Delete the currently selected entry\nDelete Entry"},
    {ID_TOOLS_AUTO, "Display or change automatic entries\nAutomatic Entries"},
    {ID_TOOLS_UNDO_DELETE, "Restore deleted entries\nUndo Delete"},
    {ID_TOOLS_BALANCE, "Balance your checkbook\nBalance"},
    {ID_TOOLS_STATISTICS, "Display checkbook statistics\nStatistics"},
    {ID_TOOLS_SEARCH, "Search for entries\nSearch"},
    {ID_ENTRY_START_BAL, "Set or change the starting balance of this checkbook\nStarting Balance"},
    {ID_TOOLS_VIEW_ARCHIVE, "Display archived files\nView Archive"},
    {ID_FILE_IMPORT, "Add the transactions of a bank file (OFX, QFX, QIF or CSV)\nImport"},
    {ID_FILE_EXPORT, "Write the register as a CSV or QIF file\nExport"},
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    {ID_FILE_PAGE_SETUP, "Change the printing options\nPage Setup"},
    {ID_FILE_PRINT_SETUP, "Change the printer options\nPrint Setup"},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
    {ID_FILE_MRU_FIRST, "Open this document"},
    {ID_FILE_MRU_FIRST + 1, "Open this document"},
    {ID_FILE_MRU_FIRST + 2, "Open this document"},
    {ID_FILE_MRU_FIRST + 3, "Open this document"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_HELP_INDEX, "Display help file index\nIndex"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    {61445, "Close print preview mode\nCancel Preview"},
};

} // namespace

const char* CommandString(int nId) {
    for (const auto& [nKey, pszText] : s_strings)
        if (nKey == nId)
            return pszText;
    return "";
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
