#pragma once
#include "../document/CTallywiseDoc.h"
#include "../document/CUserType.h"
#include "../document/DocStrings.h"
#include "../framework/AppTitle.h"
#include "CRecentFileList.h"
#include <ctime>
#include <string>
#include <vector>

class IClock;
class IDocumentView;
class IFileDialogs;
class IPasswordPrompt;
class ISettingsStore;
class IStatusPanes;
class IUserMessages;

inline constexpr const char* SETTINGS_SECTION = "Settings";

// The application object: every user setting, the user-defined type table, the print
// range, the one document and the document cycle (New, Open, Save, Save As).
class CTallywiseApp {
public:
    CTallywiseApp(IUserMessages& messages, IPasswordPrompt& password, IClock& clock);
    ~CTallywiseApp();

    // The twenty settings, with their defaults.
    int m_nX = 50;
    int m_nY = 50;
    int m_nCX = 550;
    int m_nCY = 250;
    int m_nBackup = 0;
    int m_nTextBackup = 1;
    int m_nDblClick = 1;
    int m_nLoadLast = 0;
    std::string m_strLastFile;
    std::string m_strFont = "MS Sans Serif";
    int m_nFontSize = 80;
    int m_nBkColor = 16777215;
    int m_nTxColor = 0;
    int m_nAType = 1;
    int m_nACleared = 0;
    int m_nPrntHdrs = 1;
    int m_nPrntBank = 1;
    int m_nRPP = 25;
    std::string m_strPrintFont = "MS Sans Serif";
    int m_nPrintFontSize = 80;

    CUserTypeTable m_userTypes;

    // Print range, reset at every start.
    bool m_bPrintAll = true;
    std::time_t m_printFrom = 0;
    std::time_t m_printTo = 0;

    CRecentFileList m_recentFiles;

    // Start-up in pieces, so the window can be shown between them.
    void ReadSettings(ISettingsStore& store);
    void WriteSettings(ISettingsStore& store) const;
    // No argument: a new register; one: open it. False when that fails.
    bool ProcessCommandLine(const std::vector<std::string>& args);
    void ResetPrintRange();
    void OpenLastFileIfWanted();
    // Settings, command line and print range; false ends the program.
    bool InitInstance(const std::vector<std::string>& args, ISettingsStore& store);
    void ExitInstance(ISettingsStore& store);

    // Document cycle.
    bool OnFileNew();
    bool OnFileOpen();
    bool OpenDocumentFile(const std::string& strPath);
    bool OnFileSave();
    bool OnFileSaveAs();
    bool DoSave(const std::string& strPath); // empty: ask for a name
    bool SaveModified();                     // before New, Open and exit
    std::string GetFrameTitle() const;       // "<title> - Tallywise v3.5"

    CTallywiseDoc& GetDocument() { return m_doc; }
    const CTallywiseDoc& GetDocument() const { return m_doc; }

    IUserMessages& Messages() const { return m_messages; }
    IPasswordPrompt& PasswordPrompt() const { return m_password; }
    IClock& Clock() const { return m_clock; }
    std::time_t Today() const;

    // The window's parts, once they exist. The status panes and the register list are the
    // document's: GetDocument().SetStatusPanes() and SetObserver().
    IDocumentView* m_pView = nullptr;
    IFileDialogs* m_pFileDialogs = nullptr;

private:
    bool OpenDocument(const std::string& strPath, bool bKeepOnFailure);
    void DocumentReplaced();

    CDocServices DocServices(CUserTypeTable& types);
    CSaveOptions SaveOptions();

    IUserMessages& m_messages;
    IPasswordPrompt& m_password;
    IClock& m_clock;
    CTallywiseDoc m_doc;
};
