#pragma once
#include "CMainFrame.h"
#include "gui/view/CTallywiseView.h"
#include <span>
#include <string>
#include <variant>

// Command ids of the menus, accelerators and toolbar.
enum ECommandId {
    ID_FILE_ARCHIVE = 32771,
    ID_FILE_SET_PASSWORD = 32772,
    ID_FILE_BANK_INFO = 32773,
    ID_HELP_CONTENTS = 32774,
    ID_VIEW_OPTIONS = 32777,
    ID_ENTRY_ADD = 32778,
    ID_ENTRY_EDIT = 32779,
    ID_ENTRY_DELETE = 32780,
    ID_TOOLS_AUTO = 32781,
    ID_TOOLS_UNDO_DELETE = 32782,
    ID_TOOLS_BALANCE = 32783,
    ID_TOOLS_STATISTICS = 32784,
    ID_TOOLS_SEARCH = 32785,
    ID_TOOLS_BALANCE_CHART = 32786,
    ID_ENTRY_START_BAL = 32794,
    ID_TOOLS_VIEW_ARCHIVE = 32802,
    ID_FILE_IMPORT = 32850,
    ID_FILE_EXPORT = 32851,
    ID_FILE_RECONCILE = 32852,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PAGE_SETUP = 57605,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FIRST = 57616,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_INDEX = 57666,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

enum class EMenu { File, Entry, Tools, View, Help };

// Who runs a command: a function beside the dialog it opens, working on the command
// context, or a member of the frame or of the register view.
using FnCommand = void (*)(CCommandContext& context);
using FnFrameCommand = void (CMainFrame::*)();
using FnViewCommand = void (CTallywiseView::*)();
using CCommandHandler = std::variant<FnCommand, FnFrameCommand, FnViewCommand>;
// When a command is enabled; a command without a rule always is.
using FnEnabled = bool (*)(const CCommandContext& context);

// One command, declared once: where it appears, how it is reached, when it is enabled and
// what it does. A row with id 0 is a separator of its menu; the rows of a menu, and the
// buttons of the toolbar, appear in table order.
struct CCommandInfo {
    int m_nId;
    EMenu m_nMenu;
    const char* m_pszMenuText; // with '&'
    const char* m_pszString;   // the status-line prompt, a line break, the tooltip
    const char* m_pszAccel;    // as the menu shows it after a tab ("Ctrl+N"); empty for none
    const char* m_pszToolbar;  // the toolbar picture's name; empty when not on the toolbar
    int m_nToolbarGroup;       // a separator stands between two groups of buttons
    FnEnabled m_fnEnabled;
    CCommandHandler m_handler;
};

std::span<const CCommandInfo> CommandTable();
const CCommandInfo* FindCommand(int nId);
// The menu item's text: the text, and a tab and the accelerator when it has one.
std::string MenuText(const CCommandInfo& info);

// The command's string: the status-line prompt, a line break, the tooltip. Empty when the
// command has none.
const char* CommandString(int nId);
std::string CommandPrompt(int nId);
std::string CommandTooltip(int nId);
