#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/app/Commands.h"
#include "gui/document/CDlgEnterPassword.h"
#include "gui/document/CQtPasswordPrompt.h"
#include "gui/framework/CQtServices.h"
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <fstream>

class CMainFrameTests : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CFrameFixture> m_pFix;

    CMainFrame& Frame() { return *m_pFix->m_pFrame; }
    QAction* Action(int nId) { return Frame().Action(nId); }

    // A register file of n entries written with the core's own writer.
    std::string WriteRegister(const QString& strName, int nEntries) {
        CFrameFixture writer;
        writer.Doc().SetStartingBalance(100.0);
        for (int i = 0; i < nEntries; ++i)
            writer.AddEntry(TYPE_CHECK, 100 + i, 1, 1 + i % 28, "Check", 25.0, true);
        const std::vector<std::uint8_t> bytes = writer.Doc().SaveToBuffer();
        const std::string strPath = ToLocalPath(m_dir.filePath(strName));
        std::ofstream(strPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return strPath;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath("config"));
    }
    void init() { m_pFix = std::make_unique<CFrameFixture>(); }
    void cleanup() { m_pFix.reset(); }

    void statusPanesFollowTheDocument() {
        QCOMPARE(Frame().BalancePane()->text(), QStringLiteral("Balance: $0.00"));
        QCOMPARE(Frame().EntriesPane()->text(), QStringLiteral("Entries: 0"));
        QCOMPARE(Frame().MessagePane()->text(), QStringLiteral("Ready"));
        QVERIFY(Frame().BalancePane()->width() >= 125);
        QVERIFY(Frame().EntriesPane()->width() >= 75);

        m_pFix->Doc().SetStartingBalance(100.0);
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 1, "Cash", 25.0, true);
        QCOMPARE(Frame().BalancePane()->text(), QStringLiteral("Balance: $75.00"));
        QCOMPARE(Frame().EntriesPane()->text(), QStringLiteral("Entries: 1"));
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 2, "Cash", 80.5, true);
        QCOMPARE(Frame().BalancePane()->text(), QStringLiteral("Balance: $-5.50"));
        QCOMPARE(Frame().EntriesPane()->text(), QStringLiteral("Entries: 2"));
    }

    // Regression: a sum of -2.8e-17 showed as "$-0.00".
    void statusBalanceHasNoSignWhenItRoundsToZero() {
        m_pFix->Doc().SetStartingBalance(0.30);
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 1, "Cash", 0.10, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 2, "Cash", 0.20, true);
        QVERIFY(Frame().m_dStatusBalance < 0.0); // the figure itself stays as computed
        QCOMPARE(Frame().BalancePane()->text(), QStringLiteral("Balance: $0.00"));
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 3, "Cash", 0.01, true);
        QCOMPARE(Frame().BalancePane()->text(), QStringLiteral("Balance: $-0.01"));
    }

    // Regression: "Balance: $-892968.93" was clipped to "Balance: $-892968.9".
    void statusPanesGrowToFitTheirText() {
        Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
        QLabel* pPane = Frame().BalancePane();
        const int nStartWidth = pPane->width();
        auto fits = [](QLabel* pLabel) {
            return pLabel->contentsRect().width() >=
                   pLabel->fontMetrics().horizontalAdvance(pLabel->text());
        };
        QVERIFY(fits(pPane));
        m_pFix->Doc().SetStartingBalance(-892968.93);
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 1, "Cash", 1000000000.0, true);
        QCOMPARE(pPane->text(), QStringLiteral("Balance: $-1000892968.93"));
        QTRY_VERIFY(fits(pPane));
        QVERIFY(pPane->width() > nStartWidth);
        QVERIFY(fits(Frame().EntriesPane()));
        // A short figure again: the pane keeps at least its first width.
        m_pFix->StartClean();
        m_pFix->m_app.OnFileNew();
        QTRY_COMPARE(pPane->width(), nStartWidth);
    }

    void captionFollowsTheTitle() {
        QCOMPARE(Frame().windowTitle(), QStringLiteral("TWDoc - Tallywise v3.5"));
        const std::string strPath = WriteRegister("May.twd", 3);
        m_pFix->m_fileDialogs.m_open = strPath;
        Action(ID_FILE_OPEN)->trigger();
        QCOMPARE(Frame().windowTitle(), QStringLiteral("May.twd - Tallywise v3.5"));
        QCOMPARE(Frame().View()->model()->rowCount(), 3);
        QCOMPARE(Frame().EntriesPane()->text(), QStringLiteral("Entries: 3"));
        m_pFix->m_fileDialogs.m_save = ToLocalPath(m_dir.filePath("June"));
        Action(ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(Frame().windowTitle(), QStringLiteral("June.twd - Tallywise v3.5"));
        Action(ID_FILE_NEW)->trigger();
        QCOMPARE(Frame().windowTitle(), QStringLiteral("TWDoc - Tallywise v3.5"));
    }

    // An opened or new register reaches the list as one reset, not a rebuild per step.
    void openAndNewFillTheListOnce() {
        const std::string strPath = WriteRegister("Once.twd", 5);
        QSignalSpy resets(Frame().View()->model(), &QAbstractItemModel::modelReset);
        QVERIFY(m_pFix->m_app.OpenDocumentFile(strPath));
        QCOMPARE(resets.count(), 1);
        QCOMPARE(Frame().View()->model()->rowCount(), 5);
        QVERIFY(m_pFix->m_app.OnFileNew());
        QCOMPARE(resets.count(), 2);
        QCOMPARE(Frame().View()->model()->rowCount(), 0);
    }

    void menusAreAsTabled() {
        QStringList titles;
        for (QAction* pMenu : Frame().menuBar()->actions())
            titles << pMenu->text();
        QCOMPARE(titles, QStringList({"&File", "&Entry", "&Tools", "&View", "&Help"}));

        struct CItem {
            int m_nId;
            const char* m_pszText;
            QList<QKeySequence> m_keys;
        };
        const CItem items[] = {
            {ID_FILE_NEW, "&New\tCtrl+N", {QKeySequence("Ctrl+N")}},
            {ID_FILE_OPEN, "&Open...\tCtrl+O", {QKeySequence("Ctrl+O")}},
            {ID_FILE_SAVE, "&Save\tCtrl+S", {QKeySequence("Ctrl+S")}},
            {ID_FILE_SAVE_AS, "Save &As...", {}},
            {ID_FILE_IMPORT, "&Import...", {}},
            {ID_FILE_EXPORT, "&Export...", {}},
            {ID_FILE_RECONCILE, "Re&concile with Bank File...", {}},
            {ID_FILE_SET_PASSWORD, "Set Pass&word", {}},
            {ID_FILE_BANK_INFO, "&Bank Info", {}},
            {ID_FILE_ARCHIVE, "&Archive", {}},
            {ID_FILE_PAGE_SETUP, "Pa&ge Setup", {}},
            {ID_FILE_PRINT_SETUP, "P&rint Setup...", {}},
            {ID_FILE_PRINT, "&Print...\tCtrl+P", {QKeySequence("Ctrl+P")}},
            {ID_FILE_PRINT_PREVIEW, "Print Pre&view", {}},
            {ID_APP_EXIT, "E&xit", {}},
            {ID_ENTRY_ADD, "&Add Entry\tIns", {QKeySequence(Qt::Key_Insert)}},
            {ID_ENTRY_EDIT,
             "&Edit Entry\tEnter",
             {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}},
            {ID_ENTRY_DELETE, "&Delete Entry\tDel", {QKeySequence(Qt::Key_Delete)}},
            {ID_ENTRY_START_BAL, "&Starting Balance", {}},
            {ID_TOOLS_AUTO, "&Automatic Entries\tCtrl+A", {QKeySequence("Ctrl+A")}},
            {ID_TOOLS_UNDO_DELETE, "&Undo Delete\tCtrl+U", {QKeySequence("Ctrl+U")}},
            {ID_TOOLS_BALANCE, "&Balance\tCtrl+B", {QKeySequence("Ctrl+B")}},
            {ID_TOOLS_VIEW_ARCHIVE, "&View Archive\tCtrl+V", {QKeySequence("Ctrl+V")}},
            {ID_TOOLS_SEARCH, "Sea&rch\tCtrl+R", {QKeySequence("Ctrl+R")}},
            {ID_TOOLS_STATISTICS, "S&tatistics\tCtrl+T", {QKeySequence("Ctrl+T")}},
            {ID_TOOLS_BALANCE_CHART, "Balance &Chart\tCtrl+H", {QKeySequence("Ctrl+H")}},
            {ID_VIEW_TOOLBAR, "&Toolbar", {}},
            {ID_VIEW_STATUS_BAR, "&Status Bar", {}},
            {ID_VIEW_OPTIONS, "&Options", {}},
            {ID_HELP_CONTENTS, "&Contents", {}},
            {ID_HELP_INDEX, "&Index", {}},
            {ID_APP_ABOUT, "&About Tallywise...", {}},
        };
        for (const CItem& item : items) {
            QAction* pAction = Action(item.m_nId);
            QVERIFY2(pAction, item.m_pszText);
            QCOMPARE(pAction->text(), QString::fromUtf8(item.m_pszText));
            QCOMPARE(pAction->shortcuts(), item.m_keys);
            QCOMPARE(pAction->statusTip().toStdString(), CommandPrompt(item.m_nId));
        }
        QCOMPARE(Action(ID_TOOLS_SEARCH)->statusTip(), QStringLiteral("Search for entries"));
        QCOMPARE(Action(ID_TOOLS_SEARCH)->toolTip(), QStringLiteral("Search"));
    }

    void toolbarHoldsFourteenButtons() {
        QStringList buttons;
        for (QAction* pAction : Frame().ToolBar()->actions())
            buttons << (pAction->isSeparator() ? QStringLiteral("|") : pAction->toolTip());
        QCOMPARE(buttons.join(','),
                 QStringLiteral("New,Open,Save,|,Print,|,Add Entry,Edit Entry,Delete Entry,|,"
                                "Automatic Entries,Undo Delete,Balance,|,View Archive,|,Search,"
                                "Statistics,Balance Chart"));
    }

    // Regression: the style's greyed Undo Delete and Search looked nearly like the enabled
    // ones. A greyed picture is grey, pale and covers at most half of what the picture does.
    void greyedToolbarPicturesReadAsDisabled() {
        for (QAction* pAction : Frame().ToolBar()->actions()) {
            if (pAction->isSeparator())
                continue;
            const QImage normal = pAction->icon()
                                      .pixmap(QSize(16, 16), 1.0, QIcon::Normal)
                                      .toImage()
                                      .convertToFormat(QImage::Format_ARGB32);
            const QImage greyed = pAction->icon()
                                      .pixmap(QSize(16, 16), 1.0, QIcon::Disabled)
                                      .toImage()
                                      .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(greyed.size(), normal.size());
            long long nNormalCover = 0, nGreyedCover = 0;
            bool bAllGreyAndPale = true;
            for (int y = 0; y < greyed.height(); ++y)
                for (int x = 0; x < greyed.width(); ++x) {
                    const QRgb rgb = greyed.pixel(x, y);
                    nNormalCover += qAlpha(normal.pixel(x, y));
                    nGreyedCover += qAlpha(rgb);
                    // Scaling leaves faint edge pixels a little off; they do not show.
                    const bool bGrey = std::abs(qRed(rgb) - qGreen(rgb)) <= 2 &&
                                       std::abs(qGreen(rgb) - qBlue(rgb)) <= 2;
                    if (qAlpha(rgb) >= 32 && (!bGrey || qGreen(rgb) < 120))
                        bAllGreyAndPale = false;
                }
            QVERIFY2(bAllGreyAndPale, qPrintable(pAction->toolTip()));
            QVERIFY2(nGreyedCover * 2 <= nNormalCover, qPrintable(pAction->toolTip()));
        }
    }

    void commandsAreEnabledByTheirRules() {
        Frame().UpdateCommands();
        const int alwaysOn[] = {ID_FILE_NEW,           ID_FILE_OPEN,          ID_FILE_SAVE,
                                ID_FILE_SAVE_AS,       ID_APP_EXIT,           ID_ENTRY_ADD,
                                ID_ENTRY_START_BAL,    ID_VIEW_TOOLBAR,       ID_VIEW_STATUS_BAR,
                                ID_HELP_CONTENTS,      ID_HELP_INDEX,         ID_APP_ABOUT,
                                ID_FILE_ARCHIVE,       ID_FILE_SET_PASSWORD,  ID_FILE_BANK_INFO,
                                ID_TOOLS_VIEW_ARCHIVE, ID_FILE_PAGE_SETUP,    ID_FILE_PRINT_SETUP,
                                ID_FILE_PRINT,         ID_FILE_PRINT_PREVIEW, ID_VIEW_OPTIONS};
        for (int nId : alwaysOn)
            QVERIFY2(Action(nId)->isEnabled(), qPrintable(Action(nId)->text()));
        // The five tools wait for a starting balance.
        const int needsStartBal[] = {ID_TOOLS_AUTO, ID_TOOLS_UNDO_DELETE, ID_TOOLS_BALANCE,
                                     ID_TOOLS_SEARCH, ID_TOOLS_STATISTICS};
        for (int nId : needsStartBal) {
            QVERIFY2(!Action(nId)->isEnabled(), qPrintable(Action(nId)->text()));
            QVERIFY(Action(nId)->isVisible());
        }
        m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
        Frame().UpdateCommands();
        for (int nId : needsStartBal)
            QVERIFY2(Action(nId)->isEnabled(), qPrintable(Action(nId)->text()));
        m_pFix->Doc().OnNewDocument(); // no starting balance
        Frame().UpdateCommands();
        QVERIFY(!Action(ID_ENTRY_EDIT)->isEnabled());
        QVERIFY(!Action(ID_ENTRY_DELETE)->isEnabled());

        // A selected row enables Edit and Delete without any polling.
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 1, "Cash", 25.0, true);
        Frame().View()->OnInitialUpdate();
        QTRY_VERIFY(Action(ID_ENTRY_EDIT)->isEnabled());
        QVERIFY(Action(ID_ENTRY_DELETE)->isEnabled());
        Frame().View()->clearSelection();
        QTRY_VERIFY(!Action(ID_ENTRY_EDIT)->isEnabled());

        // A wired tool also needs the starting balance.
        int nSearches = 0;
        Frame().SetCommandHandler(ID_TOOLS_SEARCH, [&nSearches] { ++nSearches; });
        Frame().UpdateCommands();
        QVERIFY(!Action(ID_TOOLS_SEARCH)->isEnabled());
        m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
        Frame().UpdateCommands();
        QVERIFY(Action(ID_TOOLS_SEARCH)->isEnabled());
        Action(ID_TOOLS_SEARCH)->trigger();
        QCOMPARE(nSearches, 1);
    }

    void acceleratorsReachTheCommands() {
        Frame().show();
        Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 1, "Cash", 25.0, true);
        Frame().View()->OnInitialUpdate();
        Frame().UpdateCommands();
        Frame().View()->setFocus();
        int nEdits = 0, nAdds = 0, nDeletes = 0;
        Frame().SetCommandHandler(ID_ENTRY_EDIT, [&nEdits] { ++nEdits; });
        Frame().SetCommandHandler(ID_ENTRY_ADD, [&nAdds] { ++nAdds; });
        Frame().SetCommandHandler(ID_ENTRY_DELETE, [&nDeletes] { ++nDeletes; });
        Frame().UpdateCommands();
        QTest::keyClick(Frame().View(), Qt::Key_Return);
        QTest::keyClick(Frame().View(), Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(Frame().View(), Qt::Key_Insert);
        QTest::keyClick(Frame().View(), Qt::Key_Delete);
        QCOMPARE(nEdits, 2);
        QCOMPARE(nAdds, 1);
        QCOMPARE(nDeletes, 1);
    }

    void recentFilesOpenAndForgetMissingOnes() {
        QList<QAction*> recent;
        for (int i = 0; i < 4; ++i)
            recent << Action(ID_FILE_MRU_FIRST + i);
        Frame().UpdateCommands();
        QCOMPARE(recent[0]->text(), QStringLiteral("Recent File"));
        QVERIFY(!recent[0]->isEnabled());
        QVERIFY(!recent[1]->isVisible());

        const std::string strPath = WriteRegister("Recent.twd", 2);
        QVERIFY(m_pFix->m_app.OpenDocumentFile(strPath));
        m_pFix->m_app.OnFileNew();
        Frame().UpdateCommands();
        QVERIFY(recent[0]->isEnabled());
        QVERIFY(recent[0]->text().startsWith(QStringLiteral("&1 ")));
        QVERIFY(recent[0]->text().endsWith(QStringLiteral("Recent.twd")));
        recent[0]->trigger();
        QCOMPARE(Frame().View()->model()->rowCount(), 2);
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Recent.twd - Tallywise v3.5"));

        QFile::remove(FromLocalPath(strPath));
        m_pFix->m_app.OnFileNew();
        recent[0]->trigger();
        QCOMPARE(m_pFix->m_messages.Texts().size(), std::size_t(1)); // the failed open
        Frame().UpdateCommands();
        QCOMPARE(recent[0]->text(), QStringLiteral("Recent File"));
        QVERIFY(!recent[0]->isEnabled());
    }

    void viewTogglesShowAndHideTheBars() {
        Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
        Frame().UpdateCommands();
        QVERIFY(Action(ID_VIEW_TOOLBAR)->isChecked());
        QVERIFY(Action(ID_VIEW_STATUS_BAR)->isChecked());
        Action(ID_VIEW_TOOLBAR)->trigger();
        Action(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(Frame().ToolBar()->isHidden());
        QVERIFY(Frame().statusBar()->isHidden());
        Frame().UpdateCommands();
        QVERIFY(!Action(ID_VIEW_TOOLBAR)->isChecked());
        Action(ID_VIEW_TOOLBAR)->trigger();
        QVERIFY(!Frame().ToolBar()->isHidden());
    }

    void closeStoresTheRestoredRectangle() {
        m_pFix->DestroyFrame();
        m_pFix->m_app.m_nX = 70;
        m_pFix->m_app.m_nY = 80;
        m_pFix->m_app.m_nCX = 500;
        m_pFix->m_app.m_nCY = 300;
        m_pFix->CreateFrame();
        QCOMPARE(Frame().pos(), QPoint(70, 80));
        QCOMPARE(Frame().size(), QSize(500, 300));
        Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
        Frame().move(90, 100);
        Frame().resize(520, 310);
        QTest::qWait(20);
        Frame().showMaximized();
        QTRY_VERIFY(Frame().isMaximized());
        // Offscreen has no window manager: resize as one would on maximising.
        Frame().windowHandle()->setGeometry(QRect(0, 0, 800, 600));
        QTRY_VERIFY(Frame().width() > 700);
        QVERIFY(Frame().isMaximized());
        QVERIFY(Frame().close());
        const CTallywiseApp& app = m_pFix->m_app;
        QCOMPARE(QRect(app.m_nX, app.m_nY, app.m_nCX, app.m_nCY), QRect(90, 100, 520, 310));
    }

    void closeAsksToSaveAndCanBeCancelled() {
        Frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Frame()));
        m_pFix->Doc().SetNextCheck(m_pFix->Doc().NextCheck()); // any change
        m_pFix->m_messages.m_answers = {EAnswer::Cancel};
        QVERIFY(!Frame().close());
        QVERIFY(Frame().isVisible());
        QCOMPARE(m_pFix->m_messages.Texts().back(), std::string("Save changes to TWDoc?"));
        m_pFix->m_messages.m_answers = {EAnswer::No};
        QVERIFY(Frame().close());
    }

    void aDroppedFileOpensAfterTheSavePrompt() {
        const std::string strPath = WriteRegister("Dropped.twd", 4);
        m_pFix->Doc().SetNextCheck(m_pFix->Doc().NextCheck()); // any change
        m_pFix->m_messages.m_answers = {EAnswer::No};
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(FromLocalPath(strPath))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&Frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&Frame(), &drop);
        QTRY_COMPARE(Frame().View()->model()->rowCount(), 4);
        QCOMPARE(m_pFix->m_messages.Texts(), std::vector<std::string>{"Save changes to TWDoc?"});
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Dropped.twd - Tallywise v3.5"));
    }
};

// The Qt services behind the core's interfaces.
class CQtServicesTests : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath("config"));
    }

    void settingsRoundTripThroughTheIniFile() {
        {
            CQtSettingsStore store;
            QVERIFY(store.FileName().startsWith(m_dir.path()));
            QVERIFY(store.FileName().endsWith(QStringLiteral("Kestrane/Tallywise v3.5.ini")));
            QCOMPARE(store.GetInt("Settings", "x", 50), 50);
            QCOMPARE(store.GetString("Settings", "Font", "MS Sans Serif"),
                     std::string("MS Sans Serif"));
            store.WriteInt("Settings", "cx", 612);
            store.WriteString("Settings", "LastFile", "/home/ann/Café.twd");
            store.WriteString("Settings", "Empty", "");
        }
        CQtSettingsStore store;
        QCOMPARE(store.GetInt("Settings", "cx", 550), 612);
        QCOMPARE(store.GetString("Settings", "LastFile", ""), std::string("/home/ann/Café.twd"));
        QCOMPARE(store.GetString("Settings", "Empty", "x"), std::string());
        QCOMPARE(store.GetInt("Settings", "LastFile", 7), 7); // not a number: the default
        QCOMPARE(store.GetInt("Other", "cx", 9), 9);
        QSettings raw(store.FileName(), QSettings::IniFormat);
        QCOMPARE(raw.value("Settings/cx").toString(), QStringLiteral("612"));
    }

    void messageBoxesCarryTheCaptionAndButtons() {
        CQtUserMessages messages;
        CModalHelper modal;
        QString strText, strTitle;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        modal.Then([&](QWidget* w) {
            auto* pBox = qobject_cast<QMessageBox*>(w);
            strText = pBox->text();
            strTitle = pBox->windowTitle();
            icon = pBox->icon();
            pBox->button(QMessageBox::Ok)->click();
        });
        messages.ShowMessage("Two\nlines", EMsgIcon::Exclamation);
        QCOMPARE(strText, QStringLiteral("Two\nlines"));
        QCOMPARE(strTitle, QStringLiteral("Tallywise v3.5"));
        QCOMPARE(icon, QMessageBox::Warning);

        modal.Then([&](QWidget* w) {
            auto* pBox = qobject_cast<QMessageBox*>(w);
            icon = pBox->icon();
            defaultButton = pBox->standardButton(pBox->defaultButton());
            pBox->button(QMessageBox::No)->click();
        });
        QVERIFY(!messages.AskYesNo("Import?"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(defaultButton, QMessageBox::Yes);

        modal.ThenMessageBox(QMessageBox::Cancel);
        QCOMPARE(messages.AskYesNoCancel("Save?"), EAnswer::Cancel);
        modal.ThenMessageBox(QMessageBox::Yes);
        QCOMPARE(messages.AskYesNoCancel("Save?"), EAnswer::Yes);
        modal.Then([&](QWidget* w) {
            icon = qobject_cast<QMessageBox*>(w)->icon();
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        messages.ShowMessage("Plain", EMsgIcon::None);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(modal.Pending(), 0);
    }

    // Regression: boxes of the core had no parent when the main window was not the active
    // one (still hidden at start, or after a file chooser closed) and so opened in the
    // middle of the screen.
    void boxesAndPromptsBelongToTheMainWindowOrTheOpenDialog() {
        QWidget mainWindow; // hidden, as while the command line's file is read
        CQtUserMessages messages;
        messages.SetParent(&mainWindow);
        CQtPasswordPrompt prompt;
        prompt.SetParent(&mainWindow);
        CModalHelper modal;
        QWidget* pBoxParent = nullptr;
        QWidget* pPromptParent = nullptr;
        modal.Then([&](QWidget* w) {
            pBoxParent = w->parentWidget();
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
        });
        QVERIFY(messages.AskYesNo("Import version 2.0 file?"));
        modal.Then([&](QWidget* w) {
            pPromptParent = w->parentWidget();
            qobject_cast<QDialog*>(w)->reject();
        });
        prompt.AskPassword("May.twd");
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(pBoxParent, &mainWindow);
        QCOMPARE(pPromptParent, &mainWindow);

        // A box asked for while a dialog is open belongs to that dialog.
        QDialog dlg(&mainWindow);
        QWidget* pNestedParent = nullptr;
        modal.Then([&messages](QWidget* w) {
            QTimer::singleShot(0, w, [&messages, w] {
                messages.ShowMessage("Invalid File Version", EMsgIcon::None);
                qobject_cast<QDialog*>(w)->accept();
            });
        });
        modal.Then([&pNestedParent](QWidget* w) {
            pNestedParent = w->parentWidget();
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        dlg.exec();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(pNestedParent, &dlg);
    }

    // Regression: the "Invalid File Version" box was so narrow that the window manager cut
    // its caption to "Ta...3.5".
    void messageBoxIsWideEnoughForItsCaption() {
        CQtUserMessages messages;
        CModalHelper modal;
        int nWidth = 0;
        int nCaption = 0;
        modal.Then([&](QWidget* w) {
            QFont bold = w->font();
            bold.setBold(true);
            bold.setPointSizeF(bold.pointSizeF() * 1.25);
            nCaption = QFontMetrics(bold).horizontalAdvance(w->windowTitle());
            nWidth = w->width();
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        messages.ShowMessage("Invalid File Version", EMsgIcon::None);
        QCOMPARE(modal.Pending(), 0);
        // Room for the caption and for the title bar's icon and buttons.
        QVERIFY2(nWidth >= nCaption + 150, qPrintable(QString::number(nWidth)));
    }

    void passwordPromptNamesTheFile() {
        CQtPasswordPrompt prompt;
        CModalHelper modal;
        QString strPrompt, strTitle;
        int nMaxLength = 0;
        bool bEmptyOnOpen = false;
        auto typeAndAnswer = [&](bool bOk) {
            return [&, bOk](QWidget* w) {
                auto* pEdit = Child<QLineEdit>(w, "password");
                strPrompt = Child<QLabel>(w, "prompt")->text();
                strTitle = w->windowTitle();
                nMaxLength = pEdit->maxLength();
                bEmptyOnOpen = pEdit->text().isEmpty();
                QTest::keyClicks(pEdit, QStringLiteral("Secret123456789"));
                if (bOk)
                    qobject_cast<QDialog*>(w)->accept();
                else
                    qobject_cast<QDialog*>(w)->reject();
            };
        };
        modal.Then(typeAndAnswer(true));
        QCOMPARE(prompt.AskPassword("May&June.twd"), std::string("Secret123456"));
        QCOMPARE(strPrompt, QStringLiteral("Password for May&June.twd:"));
        QCOMPARE(strTitle, QStringLiteral("Enter Password"));
        // Typing stops at 12 characters (above); the field itself cuts nothing.
        QVERIFY(nMaxLength >= 12);
        modal.Then(typeAndAnswer(false));
        QCOMPARE(prompt.AskPassword("May.twd"), std::string());
        QVERIFY(bEmptyOnOpen);
    }

    void savedNamesGetTheRegisterExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("bare") << "/tmp/May"
                              << "/tmp/May.twd";
        QTest::newRow("twd") << "/tmp/May.twd"
                             << "/tmp/May.twd";
        QTest::newRow("other") << "/tmp/May.bak"
                               << "/tmp/May.bak";
        QTest::newRow("dotted folder") << "/tmp/a.b/May"
                                       << "/tmp/a.b/May.twd";
    }
    void savedNamesGetTheRegisterExtension() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QCOMPARE(WithRegisterExtension(typed), saved);
    }
};

TW_GUI_TEST(CMainFrameTests);
TW_GUI_TEST(CQtServicesTests);
#include "MainFrameTests.moc"
