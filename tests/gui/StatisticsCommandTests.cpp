#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/app/Commands.h"
#include "gui/tools/CDlgStatistics.h"
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

class CStatisticsCommandTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;

private Q_SLOTS:
    void init() {
        m_pFix = std::make_unique<CFrameFixture>();
        m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
    }
    void cleanup() { m_pFix.reset(); }

    void emptyRegisterShowsAMessageOnly() {
        OnStatistics(m_pFix->Context());
        QCOMPARE(m_pFix->m_messages.Texts(), std::vector<std::string>{"There are no entries."});
    }

    // The three tools need a starting balance; then the menu commands reach the view.
    void toolCommandsFollowTheStartingBalance() {
        CMainFrame& frame = *m_pFix->m_pFrame;
        for (int nId : {ID_TOOLS_BALANCE, ID_TOOLS_SEARCH, ID_TOOLS_STATISTICS}) {
            m_pFix->Doc().OnNewDocument(); // no starting balance
            frame.UpdateCommands();
            QVERIFY(!frame.Action(nId)->isEnabled());
            m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
            frame.UpdateCommands();
            QVERIFY(frame.Action(nId)->isEnabled());
        }
        frame.Action(ID_TOOLS_STATISTICS)->trigger();
        frame.Action(ID_TOOLS_BALANCE)->trigger();
        QCOMPARE(m_pFix->m_messages.Texts(),
                 (std::vector<std::string>{"There are no entries.", "There are no entries."}));
        CModalHelper modal;
        QString strTitle;
        modal.Then([&](QWidget* w) {
            strTitle = w->windowTitle();
            Child<QPushButton>(w, "cancel")->click();
        });
        frame.Action(ID_TOOLS_SEARCH)->trigger();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strTitle, QStringLiteral("Search"));
    }

    void disabledUserTypeHasNoRowButCountsInTotals() {
        m_pFix->m_app.m_userTypes[0] = {"Transfer", "X", 1, 0};
        m_pFix->m_app.m_userTypes[1] = {"Gift", "G", 0, 0};
        m_pFix->AddEntry(TYPE_CHECK, 65535, 1, 5, "Rent", 500.0, true);
        m_pFix->AddEntry(TYPE_USER1, 0, 2, 1, "Save", 100.0, true);
        m_pFix->AddEntry(TYPE_USER1 + 1, 0, 3, 9, "Gift", 50.0, false);
        m_pFix->StartClean();
        CModalHelper modal;
        QStringList texts;
        modal.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Statistics"));
            for (const char* pszName :
                 {"beginDate", "endDate", "beginCheck", "endCheck", "checkEntries", "checkDebit",
                  "ud1Label", "ud1Entries", "ud1Debit", "ud2Label", "ud2Entries", "ud2Credit",
                  "ud3Label", "totalsEntries", "totalsDebit", "totalsCredit"})
                texts << Child<QLabel>(w, pszName)->text();
            Child<QPushButton>(w, "ok")->click();
        });
        OnStatistics(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(texts,
                 (QStringList{"01/05/2004", "03/09/2004", "0", "65535", "1", "500.00", "Transfer",
                              "1", "100.00", "", "", "", "", "3", "600.00", "50.00"}));
        QVERIFY(!m_pFix->Doc().IsModified());
    }
};

TW_GUI_TEST(CStatisticsCommandTests);
#include "StatisticsCommandTests.moc"
