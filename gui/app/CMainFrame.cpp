#include "CMainFrame.h"
#include "CAboutDlg.h"
#include "CHelpSystem.h"
#include "CTallywiseApp.h"
#include "Commands.h"
#include "ToolbarIcon.h"
#include "core/framework/Format.h"
#include "gui/document/CDocCommands.h"
#include "gui/framework/CQtServices.h"
#include "gui/import/ImportCommand.h"
#include "gui/printing/CDlgPageSetup.h"
#include "gui/printing/CRegisterPrinter.h"
#include "gui/view/CTallywiseView.h"
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace {

constexpr int s_nRecentNameLength = 30;

// "/home/ann/.../May.twd": the root and as many trailing folders as fit.
QString AbbreviatedPath(const QString& strPath) {
    const QString strNative = QDir::toNativeSeparators(strPath);
    if (strNative.size() <= s_nRecentNameLength)
        return strNative;
    const QChar sep = QDir::separator();
    const QStringList parts = strNative.split(sep);
    const QString strRoot = parts.constFirst() + sep;
    QString strTail = parts.constLast();
    if (strRoot.size() + 4 + strTail.size() > s_nRecentNameLength)
        return strTail;
    for (qsizetype i = parts.size() - 2; i > 0; --i) {
        const QString strLonger = parts[i] + sep + strTail;
        if (strRoot.size() + 4 + strLonger.size() > s_nRecentNameLength)
            break;
        strTail = strLonger;
    }
    return strRoot + QStringLiteral("...") + sep + strTail;
}

QString RecentFileText(int nIndex, const std::string& strPath) {
    QString strName = AbbreviatedPath(FromLocalPath(strPath));
    strName.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(strName);
}

} // namespace

CMainFrame::CMainFrame(CTallywiseApp& app, QWidget* pParent)
    : QMainWindow(pParent), m_app(app), m_pView(new CTallywiseView(app, this)) {
    setObjectName(QStringLiteral("mainFrame"));
    move(m_app.m_nX, m_app.m_nY);
    resize(m_app.m_nCX, m_app.m_nCY);
    setCentralWidget(m_pView);
    setAcceptDrops(true);

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    SetAccelerators();
    ConnectCommands();
    m_pView->SetPopupActions(Action(ID_ENTRY_ADD), Action(ID_ENTRY_EDIT), Action(ID_ENTRY_DELETE));
    connect(m_pView, &CTallywiseView::CommandStateChanged, this,
            &CMainFrame::ScheduleCommandUpdate);
    connect(m_pView, &CTallywiseView::CommandUpdateNeeded, this, &CMainFrame::UpdateCommands);
    connect(m_pView, &CTallywiseView::TitleChanged, this, &CMainFrame::UpdateTitle);
    m_app.GetDocument().SetStatusPanes(this);
    UpdateTitle();
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    m_app.GetDocument().SetStatusPanes(nullptr);
}

void CMainFrame::SetStatusBalance(double dBalance) {
    m_dStatusBalance = dBalance;
    m_pBalancePane->setText(QString::fromStdString("Balance: $" + MoneyText(m_dStatusBalance)));
    ScheduleCommandUpdate();
}

void CMainFrame::SetStatusEntries(int nEntries) {
    m_nStatusEntries = nEntries;
    m_pEntriesPane->setText(QString::fromStdString(Format("Entries: %d", m_nStatusEntries)));
    ScheduleCommandUpdate();
}

QAction* CMainFrame::Action(int nId) const {
    auto it = m_commands.find(nId);
    return it == m_commands.end() ? nullptr : it->second.m_pAction;
}

void CMainFrame::SetCommandHandler(int nId, std::function<void()> fnHandler) {
    auto it = m_commands.find(nId);
    if (it == m_commands.end())
        return;
    it->second.m_bHandled = true;
    disconnect(it->second.m_pAction, &QAction::triggered, this, nullptr);
    connect(it->second.m_pAction, &QAction::triggered, this, [this, fn = std::move(fnHandler)] {
        fn();
        ScheduleCommandUpdate();
    });
    ScheduleCommandUpdate();
}

void CMainFrame::SetUpdateHandler(int nId, std::function<bool()> fnUpdate) {
    auto it = m_commands.find(nId);
    if (it != m_commands.end())
        it->second.m_fnUpdate = std::move(fnUpdate);
}

void CMainFrame::UpdateCommands() {
    m_bUpdatePending = false;
    for (auto& [nId, cmd] : m_commands)
        cmd.m_pAction->setEnabled(cmd.m_bHandled && (!cmd.m_fnUpdate || cmd.m_fnUpdate()));
    Action(ID_VIEW_TOOLBAR)->setChecked(!m_pToolBar->isHidden());
    Action(ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
    UpdateRecentFileMenu();
}

void CMainFrame::ScheduleCommandUpdate() {
    if (m_bUpdatePending)
        return;
    m_bUpdatePending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_bUpdatePending)
            UpdateCommands();
    });
}

void CMainFrame::OpenFile(const std::string& strPath) {
    m_app.OpenDocumentFile(strPath);
    ScheduleCommandUpdate();
}

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    StoreNormalRect();
    if (!m_app.SaveModified()) {
        pEvent->ignore();
        return;
    }
    pEvent->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* pEvent) {
    for (const QUrl& url : pEvent->mimeData()->urls())
        if (url.isLocalFile()) {
            pEvent->acceptProposedAction();
            return;
        }
}

void CMainFrame::dropEvent(QDropEvent* pEvent) {
    for (const QUrl& url : pEvent->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        pEvent->acceptProposedAction();
        activateWindow();
        // Let the drag source finish before the save prompt opens.
        const std::string strPath = ToLocalPath(url.toLocalFile());
        QTimer::singleShot(0, this, [this, strPath] { OpenFile(strPath); });
        return;
    }
}

QAction* CMainFrame::AddCommand(QMenu* pMenu, const CCommandInfo& info) {
    auto* pAction = new QAction(QString::fromUtf8(info.m_pszMenuText), this);
    pAction->setObjectName(QString::number(info.m_nId));
    pAction->setStatusTip(QString::fromStdString(CommandPrompt(info.m_nId)));
    pAction->setToolTip(QString::fromStdString(CommandTooltip(info.m_nId)));
    pAction->setIconVisibleInMenu(false);
    pMenu->addAction(pAction);
    m_commands[info.m_nId].m_pAction = pAction;
    return pAction;
}

void CMainFrame::CreateMenus() {
    const std::pair<EMenu, const char*> menus[] = {{EMenu::File, "&File"},
                                                   {EMenu::Entry, "&Entry"},
                                                   {EMenu::Tools, "&Tools"},
                                                   {EMenu::View, "&View"},
                                                   {EMenu::Help, "&Help"}};
    for (const auto& [nMenu, pszTitle] : menus) {
        QMenu* pMenu = menuBar()->addMenu(QString::fromUtf8(pszTitle));
        if (nMenu == EMenu::File)
            m_pFileMenu = pMenu;
        QAction* pPrevious = nullptr;
        for (const CCommandInfo& info : CommandTable()) {
            if (info.m_nMenu != nMenu)
                continue;
            if (info.m_nId == 0) {
                QAction* pSeparator = pMenu->addSeparator();
                // The separator below the recent files goes with them.
                if (pPrevious &&
                    pPrevious == Action(ID_FILE_MRU_FIRST + CRecentFileList::MAX_FILES - 1))
                    m_pRecentSeparator = pSeparator;
                continue;
            }
            pPrevious = AddCommand(pMenu, info);
        }
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    }
    for (int i = 0; i < CRecentFileList::MAX_FILES; ++i) {
        m_recentActions.push_back(Action(ID_FILE_MRU_FIRST + i));
        SetCommandHandler(ID_FILE_MRU_FIRST + i, [this, i] { OnOpenRecentFile(i); });
    }
    Action(ID_VIEW_TOOLBAR)->setCheckable(true);
    Action(ID_VIEW_STATUS_BAR)->setCheckable(true);
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolBar"));
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int nId : ToolbarLayout()) {
        if (nId == 0) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* pAction = Action(nId);
        pAction->setIcon(ToolbarIcon(FindCommand(nId)->m_pszToolbar));
        m_pToolBar->addAction(pAction);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    connect(m_pToolBar, &QToolBar::visibilityChanged, this, &CMainFrame::ScheduleCommandUpdate);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* pBar = statusBar();
    pBar->setObjectName(QStringLiteral("statusBar"));
    m_pMessagePane = new QLabel(QStringLiteral("Ready"), pBar);
    m_pMessagePane->setObjectName(QStringLiteral("messagePane"));
    pBar->addWidget(m_pMessagePane, 1);
    // The pixel widths suit an 8 pt system font; a larger one widens the pane so that a
    // typical figure still fits, and a longer text widens it further: the label asks for
    // the width of its text and the bar gives it, taking it from the message pane.
    auto makePane = [pBar](const char* pszName, const char* pszText, int nWidth,
                           const char* pszWidest) {
        auto* pPane = new QLabel(QString::fromUtf8(pszText), pBar);
        pPane->setObjectName(QString::fromUtf8(pszName));
        pPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const int nNeeded = pPane->fontMetrics().horizontalAdvance(QString::fromUtf8(pszWidest)) +
                            2 * pPane->frameWidth() + 2 * pPane->margin() + 6;
        pPane->setMinimumWidth(std::max(nWidth, nNeeded));
        pPane->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        pBar->addPermanentWidget(pPane);
        return pPane;
    };
    m_pBalancePane = makePane("balancePane", "Balance: $0.00", 125, "Balance: $-99999.99");
    m_pEntriesPane = makePane("entriesPane", "Entries: 0", 75, "Entries: 65535");
}

void CMainFrame::SetAccelerators() {
    for (const CCommandInfo& info : CommandTable()) {
        QAction* pAction = Action(info.m_nId);
        if (!pAction || *info.m_pszKeys == '\0')
            continue;
        QList<QKeySequence> keys;
        for (const QString& strKey : QString::fromUtf8(info.m_pszKeys).split(QLatin1Char(';')))
            keys.append(QKeySequence::fromString(strKey, QKeySequence::PortableText));
        pAction->setShortcuts(keys);
        // Menu items are not in the window's widget tree while hidden; the window is.
        addAction(pAction);
    }
}

void CMainFrame::ConnectCommands() {
    SetCommandHandler(ID_FILE_NEW, [this] { OnFileNew(); });
    SetCommandHandler(ID_FILE_OPEN, [this] { OnFileOpen(); });
    SetCommandHandler(ID_FILE_SAVE, [this] { OnFileSave(); });
    SetCommandHandler(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    SetCommandHandler(ID_FILE_IMPORT, [this] { OnFileImport(); });
    SetCommandHandler(ID_FILE_EXPORT, [this] { OnFileExport(); });
    SetCommandHandler(ID_APP_EXIT, [this] { close(); });
    SetCommandHandler(ID_ENTRY_ADD, [this] { m_pView->OnAddEntry(); });
    SetCommandHandler(ID_ENTRY_EDIT, [this] { m_pView->OnEditEntry(); });
    SetCommandHandler(ID_ENTRY_DELETE, [this] { m_pView->OnDeleteEntry(); });
    SetCommandHandler(ID_ENTRY_START_BAL, [this] { m_pView->OnStartingBalance(); });
    SetCommandHandler(ID_FILE_ARCHIVE, [this] { m_pView->OnArchive(); });
    SetCommandHandler(ID_TOOLS_VIEW_ARCHIVE, [this] { m_pView->OnViewArchive(); });
    SetCommandHandler(ID_FILE_SET_PASSWORD,
                      [this] { CDocCommands(m_app.GetDocument(), this).OnSetPassword(); });
    SetCommandHandler(ID_FILE_BANK_INFO,
                      [this] { CDocCommands(m_app.GetDocument(), this).OnBankInfo(); });
    SetCommandHandler(ID_TOOLS_AUTO, [this] { m_pView->OnAutomaticEntries(); });
    SetCommandHandler(ID_TOOLS_UNDO_DELETE, [this] { m_pView->OnUndoDelete(); });
    SetCommandHandler(ID_TOOLS_BALANCE, [this] { m_pView->OnBalance(); });
    SetCommandHandler(ID_TOOLS_SEARCH, [this] { m_pView->OnSearch(); });
    SetCommandHandler(ID_TOOLS_STATISTICS, [this] { m_pView->OnStatistics(); });
    SetCommandHandler(ID_VIEW_OPTIONS, [this] { m_pView->OnOptions(); });
    SetCommandHandler(ID_VIEW_TOOLBAR,
                      [this] { m_pToolBar->setVisible(Action(ID_VIEW_TOOLBAR)->isChecked()); });
    SetCommandHandler(ID_VIEW_STATUS_BAR,
                      [this] { statusBar()->setVisible(Action(ID_VIEW_STATUS_BAR)->isChecked()); });
    SetCommandHandler(ID_HELP_CONTENTS, [this] { OnHelpContents(); });
    SetCommandHandler(ID_HELP_INDEX, [this] { OnHelpIndex(); });
    SetCommandHandler(ID_APP_ABOUT, [this] { OnAppAbout(); });
    SetCommandHandler(ID_FILE_PAGE_SETUP, [this] { OnPageSetup(); });
    SetCommandHandler(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    SetCommandHandler(ID_FILE_PRINT, [this] { m_pView->OnFilePrint(); });
    SetCommandHandler(ID_FILE_PRINT_PREVIEW, [this] { m_pView->OnFilePrintPreview(); });

    for (const CCommandInfo& info : CommandTable()) {
        if (info.m_nUpdate == EUpdate::EntrySelected)
            SetUpdateHandler(info.m_nId, [this] { return m_pView->OnUpdateEntrySelected(); });
        else if (info.m_nUpdate == EUpdate::StartBalSet)
            SetUpdateHandler(info.m_nId, [this] { return m_pView->OnUpdateNeedsStartBal(); });
    }
    for (int i = 0; i < CRecentFileList::MAX_FILES; ++i)
        SetUpdateHandler(ID_FILE_MRU_FIRST + i,
                         [this, i] { return i < int(m_app.m_recentFiles.Files().size()); });
}

void CMainFrame::UpdateRecentFileMenu() {
    const std::vector<std::string>& files = m_app.m_recentFiles.Files();
    for (int i = 0; i < int(m_recentActions.size()); ++i) {
        QAction* pAction = m_recentActions[i];
        const bool bUsed = i < int(files.size());
        // While the list is empty, the first item stands greyed in its place.
        pAction->setVisible(bUsed || i == 0);
        pAction->setText(bUsed ? RecentFileText(i, files[i]) : QStringLiteral("Recent File"));
    }
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(QString::fromStdString(m_app.GetFrameTitle()));
}

void CMainFrame::StoreNormalRect() {
    QRect rc = normalGeometry();
    if (rc.isEmpty())
        rc = geometry();
    // The stored position is the frame's, the stored size the client area's, as move()
    // and resize() take them when the window is created.
    const QPoint frameOffset = geometry().topLeft() - pos();
    m_app.m_nX = rc.x() - frameOffset.x();
    m_app.m_nY = rc.y() - frameOffset.y();
    m_app.m_nCX = rc.width();
    m_app.m_nCY = rc.height();
}

void CMainFrame::OnFileNew() {
    m_app.OnFileNew();
}

void CMainFrame::OnFileOpen() {
    m_app.OnFileOpen();
}

void CMainFrame::OnFileSave() {
    m_app.OnFileSave();
}

void CMainFrame::OnFileSaveAs() {
    m_app.OnFileSaveAs();
}

void CMainFrame::OnFileImport() {
    CQtSettingsStore store;
    DoFileImport(this, m_app, store);
}

void CMainFrame::OnFileExport() {
    DoFileExport(this, m_app);
}

void CMainFrame::OnOpenRecentFile(int nIndex) {
    const std::vector<std::string>& files = m_app.m_recentFiles.Files();
    if (nIndex >= int(files.size()))
        return;
    // A file that cannot be read is reported and leaves the list on the way.
    const std::string strPath = files[nIndex];
    m_app.OpenDocumentFile(strPath);
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::OnHelpContents() {
    if (CHelpSystem* pHelp = HelpSystem())
        pHelp->ShowContents(this);
}

void CMainFrame::OnHelpIndex() {
    if (CHelpSystem* pHelp = HelpSystem())
        pHelp->ShowIndex(this);
}

void CMainFrame::OnPageSetup() {
    RunPageSetup(m_app, this);
}

void CMainFrame::OnFilePrintSetup() {
    m_pView->Printing().OnFilePrintSetup();
}
