#pragma once
#include "core/framework/IStatusPanes.h"
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
class CMainFrame : public QMainWindow, public IStatusPanes {
    Q_OBJECT
public:
    explicit CMainFrame(CTallywiseApp& app, QWidget* pParent = nullptr);
    ~CMainFrame() override;

    void SetStatusBalance(double dBalance) override;
    void SetStatusEntries(int nEntries) override;

    CTallywiseView* View() const { return m_pView; }
    QAction* Action(int nId) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    QLabel* BalancePane() const { return m_pBalancePane; }
    QLabel* EntriesPane() const { return m_pEntriesPane; }
    QLabel* MessagePane() const { return m_pMessagePane; }

    // Connects a command to its handler. A command that has none stays disabled.
    void SetCommandHandler(int nId, std::function<void()> fnHandler);
    // An extra condition for enabling a command, asked at every update.
    void SetUpdateHandler(int nId, std::function<bool()> fnUpdate);
    // Runs every update handler now.
    void UpdateCommands();
    // Runs them once when the event loop is next idle.
    void ScheduleCommandUpdate();

    // Opens a file as File Open does once the name is chosen (with the save prompt).
    void OpenFile(const std::string& strPath);

    double m_dStatusBalance = 0.0;
    int m_nStatusEntries = 0;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private:
    struct CCommand {
        QAction* m_pAction = nullptr;
        std::function<bool()> m_fnUpdate;
        bool m_bHandled = false;
    };

    QAction* AddCommand(QMenu* pMenu, const CCommandInfo& info);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void SetAccelerators();
    void ConnectCommands();
    void UpdateRecentFileMenu();
    void UpdateTitle();
    void StoreNormalRect();

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileImport();
    void OnFileExport();
    void OnOpenRecentFile(int nIndex);
    void OnAppAbout();
    void OnHelpContents();
    void OnHelpIndex();
    void OnPageSetup();
    void OnFilePrintSetup();

    CTallywiseApp& m_app;
    CTallywiseView* m_pView;
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
