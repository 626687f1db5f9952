#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/tools/CDlgBalance.h"
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
QStringList Figures(QWidget* pDlg) {
    QStringList texts;
    for (const char* pszName :
         {"statementBal", "outDebits", "outCredits", "reconciled", "endBal", "difference"})
        texts << Child<QLabel>(pDlg, pszName)->text();
    return texts;
}
} // namespace

class CBalanceCommandTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;

private Q_SLOTS:
    void init() {
        m_pFix = std::make_unique<CFrameFixture>();
        m_pFix->Doc().SetStartingBalance(100.0);
    }
    void cleanup() { m_pFix.reset(); }

    void emptyRegisterShowsAMessageOnly() {
        OnBalance(m_pFix->Context());
        QCOMPARE(m_pFix->m_messages.Texts(), std::vector<std::string>{"There are no entries."});
    }

    // One calculation per opening; the register is only read.
    void calculateFillsTheFiguresOnce_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<QString>("message");
        QTest::newRow("balances") << "130.00"
                                  << QStringList{"    130.00",   "     30.00", "      0.00",
                                                 "      100.00", "    100.00", "        0.00"}
                                  << "Your check book balances.";
        QTest::newRow("over") << "117.66"
                              << QStringList{"    117.66",   "     30.00", "      0.00",
                                             "       87.66", "    100.00", "      -12.34"}
                              << "Your check book is over $12.34.";
        QTest::newRow("under") << "200" << QStringList{"    200.00",   "     30.00", "      0.00",
                                                       "      170.00", "    100.00", "       70.00"}
                               << "Your check book is under $70.00.";
    }
    void calculateFillsTheFiguresOnce() {
        QFETCH(QString, statement);
        QFETCH(QStringList, figures);
        QFETCH(QString, message);
        m_pFix->AddEntry(TYPE_CHECK, 101, 2, 1, "Rent", 30.0, true);
        m_pFix->AddEntry(TYPE_TELLER, 0, 2, 2, "Pay", 30.0, false, true);
        m_pFix->StartClean();
        CModalHelper modal;
        QStringList seen, initial;
        QString strMessage;
        bool bLocked = false;
        modal.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Balance Checkbook"));
            QCOMPARE(w->parentWidget()->window(), m_pFix->m_pFrame.get());
            initial = Figures(w);
            Child<QLineEdit>(w, "statement")->setText(statement);
            Child<QPushButton>(w, "calculate")->click();
            seen = Figures(w);
            strMessage = Child<QLabel>(w, "message")->text();
            bLocked = !Child<QPushButton>(w, "calculate")->isEnabled() &&
                      !Child<QLineEdit>(w, "statement")->isEnabled();
            Child<QPushButton>(w, "done")->click();
        });
        OnBalance(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(initial, QStringList(6, QStringLiteral("0.00")));
        QCOMPARE(seen, figures);
        QCOMPARE(strMessage, message);
        QVERIFY(bLocked);
        QVERIFY(!m_pFix->Doc().IsModified());
        QCOMPARE(m_pFix->Doc().Entries().front().m_bCleared, 0u);
    }

    void badStatementKeepsCalculateAvailable_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("dollar sign") << "$12.00"
                                     << "Please enter a number.";
        QTest::newRow("thousands") << "1,234.56"
                                   << "Please enter a number.";
        QTest::newRow("too high") << "10000000"
                                  << "Please enter a number between -9999999.99 and 9999999.99.";
    }
    void badStatementKeepsCalculateAvailable() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        CDlgBalance dlg;
        dlg.show();
        Child<QLineEdit>(&dlg, "statement")->setText(typed);
        CModalHelper modal;
        QString strSeen;
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        Child<QPushButton>(&dlg, "calculate")->click();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, message);
        QVERIFY(Child<QPushButton>(&dlg, "calculate")->isEnabled());
        QCOMPARE(Child<QLabel>(&dlg, "difference")->text(), QStringLiteral("0.00"));
        QVERIFY(Child<QLabel>(&dlg, "message")->text().isEmpty());
    }
};

TW_GUI_TEST(CBalanceCommandTests);
#include "BalanceCommandTests.moc"
