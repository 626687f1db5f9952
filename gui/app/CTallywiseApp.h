#pragma once
#include "core/document/CTallywiseDoc.h"
#include "core/document/CUserType.h"
#include "core/document/DocStrings.h"
#include "core/framework/AppTitle.h"
#include "core/settings/CSettings.h"
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

// The application object: every user setting, the user-defined type table, the print
// range, the one document and the document cycle (New, Open, Save, Save As).
class CTallywiseApp : public CSettings {
public:
    CTallywiseApp(IUserMessages& messages, IPasswordPrompt& password, IClock& clock);
    ~CTallywiseApp();

    // Start-up in pieces, so the window can be shown between them.
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

    IUserMessages& m_messages;
    IPasswordPrompt& m_password;
    IClock& m_clock;
    CTallywiseDoc m_doc;
};
