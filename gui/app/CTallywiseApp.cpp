#include "CTallywiseApp.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/IClock.h"
#include "core/framework/IFileDialogs.h"
#include "core/framework/IUserMessages.h"
#include "core/framework/TextFile.h"
#include "gui/framework/IDocumentView.h"
#include <memory>
#include <sstream>

CTallywiseApp::CTallywiseApp(IUserMessages& messages, IPasswordPrompt& password, IClock& clock)
    : m_messages(messages), m_password(password), m_clock(clock), m_doc(DocServices(m_userTypes)) {
    m_doc.SetSaveOptions(SaveOptions());
    m_doc.OnNewDocument();
}

CDocServices CTallywiseApp::DocServices(CUserTypeTable& types) {
    return CDocServices{m_messages, m_password, m_clock, types};
}

CTallywiseApp::~CTallywiseApp() = default;

std::time_t CTallywiseApp::Today() const {
    return ToLocalMidnight(m_clock.Now());
}

bool CTallywiseApp::InitInstance(const std::vector<std::string>& args, ISettingsStore& store) {
    ReadSettings(store);
    if (!ProcessCommandLine(args))
        return false;
    ResetPrintRange();
    return true;
}

void CTallywiseApp::ExitInstance(ISettingsStore& store) {
    WriteSettings(store);
}

bool CTallywiseApp::ProcessCommandLine(const std::vector<std::string>& args) {
    if (args.empty())
        return OnFileNew();
    return OpenDocumentFile(args.front());
}

void CTallywiseApp::ResetPrintRange() {
    CDayMonthYear today = SplitLocalDate(Today());
    m_bPrintAll = true;
    m_printFrom = MakeLocalDate(today.m_nYear, today.m_nMonth, 1);
    m_printTo =
        MakeLocalDate(today.m_nYear, today.m_nMonth, DaysInMonth(today.m_nYear, today.m_nMonth));
}

void CTallywiseApp::OpenLastFileIfWanted() {
    if (m_nLoadLast == 1 && !m_strLastFile.empty())
        OpenDocument(m_strLastFile, true);
}

std::string CTallywiseApp::GetFrameTitle() const {
    return m_doc.GetTitle() + " - " + GetDocString(DS_WINDOW_TITLE);
}

void CTallywiseApp::DocumentReplaced() {
    if (m_pView) {
        m_pView->OnInitialUpdate();
        m_pView->OnTitleChanged();
    }
}

bool CTallywiseApp::OnFileNew() {
    if (!SaveModified())
        return false;
    m_doc.OnNewDocument();
    DocumentReplaced();
    return true;
}

bool CTallywiseApp::OnFileOpen() {
    if (!m_pFileDialogs)
        return false;
    std::optional<std::string> path = m_pFileDialogs->AskOpenPath();
    return path && OpenDocumentFile(*path);
}

bool CTallywiseApp::OpenDocumentFile(const std::string& strPath) {
    return OpenDocument(strPath, false);
}

// The file is read into a document of its own, so a load that fails half way never
// leaves a mix of two registers behind.
bool CTallywiseApp::OpenDocument(const std::string& strPath, bool bKeepOnFailure) {
    if (!SaveModified())
        return false;
    // The file's user types stay aside until it has loaded, so the register on screen keeps
    // its own while a password prompt is up.
    CUserTypeTable newTypes;
    CLoadResult result;
    {
        CTallywiseDoc loaded(DocServices(newTypes));
        loaded.SetSaveOptions(SaveOptions());
        result = loaded.OnOpenDocument(strPath);
        if (result.Ok()) {
            m_userTypes = newTypes;
            m_doc.SwapContents(loaded);
        }
    }
    if (result.Ok()) {
        m_recentFiles.Add(m_doc.GetPathName());
        m_doc.PublishStatus();
        DocumentReplaced();
        return true;
    }
    m_messages.ShowMessage(
        Format("Could not open %s.\n%s", strPath.c_str(), LoadErrorText(result).c_str()),
        EMsgIcon::Exclamation);
    if (result.m_nError == ELoadError::CannotRead)
        m_recentFiles.Remove(AbsolutePath(strPath));
    if (bKeepOnFailure) {
        m_doc.PublishStatus();
    } else {
        m_doc.OnNewDocument();
        DocumentReplaced();
    }
    return false;
}

bool CTallywiseApp::OnFileSave() {
    return DoSave(m_doc.GetPathName());
}

bool CTallywiseApp::OnFileSaveAs() {
    return DoSave("");
}

bool CTallywiseApp::DoSave(const std::string& strPathIn) {
    std::string strPath = strPathIn;
    if (strPath.empty()) {
        if (!m_pFileDialogs)
            return false;
        std::string strSuggested = m_doc.GetPathName().empty()
                                       ? m_doc.GetTitle() + GetDocString(DS_EXT)
                                       : m_doc.GetPathName();
        std::optional<std::string> chosen = m_pFileDialogs->AskSavePath(strSuggested);
        if (!chosen || chosen->empty())
            return false;
        strPath = *chosen;
        if (!HasExtension(strPath))
            strPath += GetDocString(DS_EXT);
    }
    if (!m_doc.OnSaveDocument(strPath))
        return false;
    m_doc.SetPathName(strPath);
    m_recentFiles.Add(m_doc.GetPathName());
    if (m_pView)
        m_pView->OnTitleChanged();
    return true;
}

bool CTallywiseApp::SaveModified() {
    if (!m_doc.IsModified())
        return true;
    switch (m_messages.AskYesNoCancel(Format("Save changes to %s?", m_doc.GetTitle().c_str()))) {
    case EAnswer::Yes:
        return OnFileSave();
    case EAnswer::No:
        return true;
    case EAnswer::Cancel:
        break;
    }
    return false;
}
