#pragma once
#include "core/framework/IStatusPanes.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/IDocumentView.h"
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct CCommandInfo;
class CTallywiseApp;
class CTallywiseView;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

// The program's one top-level window: menus, toolbar and status bar around the register.
// Its menus, accelerators, toolbar and the commands' handlers come from the command table.
class CMainFrame : public QMainWindow, public IStatusPanes, public IDocumentView {
    Q_OBJECT
public:
    explicit CMainFrame(CTallywiseApp& app, QWidget* pParent = nullptr);
    ~CMainFrame() override;

    void SetStatusBalance(double dBalance) override;
    void SetStatusEntries(int nEntries) override;
    // A new or opened document: the list is rebuilt, then what fell due is offered.
    void OnInitialUpdate() override;
    void OnTitleChanged() override;

    CTallywiseView* View() const { return m_pView; }
    CCommandContext& Context() { return m_context; }
    QAction* Action(int nId) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    QLabel* BalancePane() const { return m_pBalancePane; }
    QLabel* EntriesPane() const { return m_pEntriesPane; }
    QLabel* MessagePane() const { return m_pMessagePane; }

    // Connects a command to a handler in place of the one in its row.
    void SetCommandHandler(int nId, std::function<void()> fnHandler);
    // Runs every enabling rule now.
    void UpdateCommands();
    // Runs them once when the event loop is next idle.
    void ScheduleCommandUpdate();

    // Opens a file as File Open does once the name is chosen (with the save prompt).
    void OpenFile(const std::string& strPath);

    // The frame's own commands: the document cycle and the bars.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    template <int N> void OnOpenRecentFile() { OpenRecentFile(N); }
    void OnAppExit();
    void OnViewToolBar();
    void OnViewStatusBar();

    double m_dStatusBalance = 0.0;
    int m_nStatusEntries = 0;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private:
    struct CCommand {
        QAction* m_pAction = nullptr;
        bool (*m_fnEnabled)(const CCommandContext& context) = nullptr;
        bool m_bHandled = false;
    };

    QAction* AddCommand(QMenu* pMenu, const CCommandInfo& info);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void SetAccelerators();
    void BindCommands();
    void OpenRecentFile(int nIndex);
    void UpdateRecentFileMenu();
    void UpdateTitle();
    void StoreNormalRect();

    CTallywiseApp& m_app;
    CTallywiseView* m_pView;
    CCommandContext m_context;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QLabel* m_pBalancePane = nullptr;
    QLabel* m_pEntriesPane = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    std::vector<QAction*> m_recentActions;
    std::map<int, CCommand> m_commands;
    bool m_bUpdatePending = false;
};
