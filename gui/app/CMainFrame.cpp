#include "CMainFrame.h"
#include "CTallywiseApp.h"
#include "Commands.h"
#include "ToolbarIcon.h"
#include "core/framework/Format.h"
#include "core/framework/IClock.h"
#include "gui/framework/CQtServices.h"
#include "gui/tools/ToolCommands.h"
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

// The keys of an accelerator as the menu names it; "Enter" is both the main Enter key
// (Return) and the keypad's.
QList<QKeySequence> AcceleratorKeys(const char* pszAccel) {
    const QString strAccel = QString::fromUtf8(pszAccel);
    if (strAccel == QLatin1String("Enter"))
        return {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)};
    return {QKeySequence::fromString(strAccel, QKeySequence::PortableText)};
}

// The handler of a row as the frame runs it; none for a row without one.
std::function<void()> BoundHandler(CMainFrame& frame, const CCommandHandler& handler) {
    if (const FnCommand* pfn = std::get_if<FnCommand>(&handler)) {
        if (!*pfn)
            return {};
        return [&frame, fn = *pfn] { fn(frame.Context()); };
    }
    if (const FnFrameCommand* pfn = std::get_if<FnFrameCommand>(&handler))
        return [&frame, fn = *pfn] { (frame.*fn)(); };
    return [&frame, fn = std::get<FnViewCommand>(handler)] { (frame.View()->*fn)(); };
}

} // namespace

CMainFrame::CMainFrame(CTallywiseApp& app, QWidget* pParent)
    : QMainWindow(pParent), m_app(app), m_pView(new CTallywiseView(app.GetDocument(), app, this)),
      m_context(app.GetDocument(), app, app.Clock(), this, *m_pView) {
    setObjectName(QStringLiteral("mainFrame"));
    move(m_app.m_nX, m_app.m_nY);
    resize(m_app.m_nCX, m_app.m_nCY);
    setCentralWidget(m_pView);
    setAcceptDrops(true);

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    SetAccelerators();
    BindCommands();
    m_pView->SetPopupActions(Action(ID_ENTRY_ADD), Action(ID_ENTRY_EDIT), Action(ID_ENTRY_DELETE));
    connect(m_pView, &CTallywiseView::CommandStateChanged, this,
            &CMainFrame::ScheduleCommandUpdate);
    connect(m_pView, &CTallywiseView::CommandUpdateNeeded, this, &CMainFrame::UpdateCommands);
    m_app.GetDocument().SetStatusPanes(this);
    m_app.m_pView = this;
    UpdateTitle();
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    if (m_app.m_pView == this)
        m_app.m_pView = nullptr;
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

void CMainFrame::OnInitialUpdate() {
    m_pView->OnInitialUpdate();
    PostAndShowDueEntries(m_context);
    m_app.GetDocument().RefreshTypeUsage();
    ScheduleCommandUpdate();
}

void CMainFrame::OnTitleChanged() {
    UpdateTitle();
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

void CMainFrame::UpdateCommands() {
    m_bUpdatePending = false;
    for (auto& [nId, cmd] : m_commands)
        cmd.m_pAction->setEnabled(cmd.m_bHandled &&
                                  (!cmd.m_fnEnabled || cmd.m_fnEnabled(m_context)));
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
    auto* pAction = new QAction(QString::fromStdString(MenuText(info)), this);
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
    for (int i = 0; i < CRecentFileList::MAX_FILES; ++i)
        m_recentActions.push_back(Action(ID_FILE_MRU_FIRST + i));
    Action(ID_VIEW_TOOLBAR)->setCheckable(true);
    Action(ID_VIEW_STATUS_BAR)->setCheckable(true);
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_pToolBar->setObjectName(QStringLiteral("toolBar"));
    // Shown at the size they are drawn, so they are never scaled and blurred.
    m_pToolBar->setIconSize(QSize(18, 18));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    int nGroup = 0;
    for (const CCommandInfo& info : CommandTable()) {
        if (*info.m_pszToolbar == '\0')
            continue;
        if (nGroup != 0 && info.m_nToolbarGroup != nGroup)
            m_pToolBar->addSeparator();
        nGroup = info.m_nToolbarGroup;
        QAction* pAction = Action(info.m_nId);
        pAction->setIcon(ToolbarIcon(info.m_pszToolbar));
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
        if (!pAction || *info.m_pszAccel == '\0')
            continue;
        pAction->setShortcuts(AcceleratorKeys(info.m_pszAccel));
        // Menu items are not in the window's widget tree while hidden; the window is.
        addAction(pAction);
    }
}

void CMainFrame::BindCommands() {
    for (const CCommandInfo& info : CommandTable()) {
        auto it = m_commands.find(info.m_nId);
        if (it == m_commands.end())
            continue;
        it->second.m_fnEnabled = info.m_fnEnabled;
        if (std::function<void()> fnHandler = BoundHandler(*this, info.m_handler))
            SetCommandHandler(info.m_nId, std::move(fnHandler));
    }
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

void CMainFrame::OpenRecentFile(int nIndex) {
    const std::vector<std::string>& files = m_app.m_recentFiles.Files();
    if (nIndex >= int(files.size()))
        return;
    // A file that cannot be read is reported and leaves the list on the way.
    const std::string strPath = files[nIndex];
    m_app.OpenDocumentFile(strPath);
}

void CMainFrame::OnAppExit() {
    close();
}

void CMainFrame::OnViewToolBar() {
    m_pToolBar->setVisible(Action(ID_VIEW_TOOLBAR)->isChecked());
}

void CMainFrame::OnViewStatusBar() {
    statusBar()->setVisible(Action(ID_VIEW_STATUS_BAR)->isChecked());
}
