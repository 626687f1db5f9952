#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/document/RegisterCells.h"
#include "gui/controls/CDlgCalendar.h"
#include "gui/view/CRegisterModel.h"
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {
// Fills the Entry dialog's fields and presses OK (or Cancel when pszDesc is null).
CModalHelper::Handler FillEntry(const char* pszDesc, const char* pszAmount, int nTypeIndex,
                                bool bPinned, int* pCheck = nullptr) {
    return [=](QWidget* pDlg) {
        if (!pszDesc) {
            Child<QPushButton>(pDlg, "cancel")->click();
            return;
        }
        if (pCheck)
            *pCheck = Child<QLineEdit>(pDlg, "checkNum")->text().toInt();
        Child<QComboBox>(pDlg, "desc")->setEditText(QString::fromUtf8(pszDesc));
        Child<QLineEdit>(pDlg, "amount")->setText(QString::fromLatin1(pszAmount));
        Child<QComboBox>(pDlg, "type")->setCurrentIndex(nTypeIndex);
        QToolButton* pPin = Child<QToolButton>(pDlg, "pin");
        if (pPin->isChecked() != bPinned)
            pPin->click();
        Child<QPushButton>(pDlg, "ok")->click();
    };
}

CModalHelper::Handler FillStartBal(const char* pszValue) {
    return [=](QWidget* pDlg) {
        if (!pszValue) {
            Child<QPushButton>(pDlg, "cancel")->click();
            return;
        }
        Child<QLineEdit>(pDlg, "startBal")->setText(QString::fromLatin1(pszValue));
        Child<QPushButton>(pDlg, "ok")->click();
    };
}
} // namespace

class CEntryCommandTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;

    QString Cell(int nRow, int nColumn) {
        return m_pFix->View()->model()->index(nRow, nColumn).data().toString();
    }

private Q_SLOTS:
    void init() { m_pFix = std::make_unique<CFrameFixture>(); }
    void cleanup() { m_pFix.reset(); }

    void addAsksForTheStartingBalanceFirst() {
        CModalHelper modal;
        m_pFix->m_messages.m_answers = {EAnswer::Yes};
        modal.Then(FillStartBal("100.00"));
        modal.Then(FillEntry("Rent", "25", 1, false));
        m_pFix->View()->OnAddEntry();
        QCOMPARE(modal.Pending(), 0);
        CTallywiseDoc& doc = m_pFix->Doc();
        QCOMPARE(doc.IsStartBalSet(), 1u);
        QCOMPARE(doc.EntryCount(), std::uint16_t(1));
        QCOMPARE(Cell(0, COL_BALANCE), QStringLiteral("75.00"));
        QCOMPARE(m_pFix->m_pFrame->m_dStatusBalance, 75.0);
        QVERIFY(doc.IsModified());
        QCOMPARE(m_pFix->View()->GetSelectedRow().value_or(99), std::uint16_t(0));
    }

    void refusingTheStartingBalanceStops() {
        CModalHelper modal;
        m_pFix->m_messages.m_answers = {EAnswer::No};
        m_pFix->View()->OnAddEntry();
        m_pFix->m_messages.m_answers = {EAnswer::Yes};
        modal.Then(FillStartBal(nullptr));
        m_pFix->View()->OnAddEntry();
        QCOMPARE(modal.Pending(), 0);
        const std::string strRequired =
            "You must set the starting balance \nbefore you can add entries.";
        QCOMPARE(m_pFix->m_messages.Texts().size(), std::size_t(4));
        QCOMPARE(m_pFix->m_messages.Texts()[1], strRequired);
        QCOMPARE(m_pFix->m_messages.Texts()[3], strRequired);
        QCOMPARE(m_pFix->Doc().EntryCount(), std::uint16_t(0));
        QCOMPARE(m_pFix->Doc().IsStartBalSet(), 0u);
    }

    void pinnedSeriesOfChecks() {
        m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
        CModalHelper modal;
        int nSecond = 0, nThird = 0;
        modal.Then(FillEntry("Rent", "25", 0, true));
        modal.Then(FillEntry("Gas", "10", 0, true, &nSecond));
        modal.Then(FillEntry("Phone", "5", 0, false, &nThird));
        m_pFix->View()->OnAddEntry();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(nSecond, 102);
        QCOMPARE(nThird, 103);
        QCOMPARE(m_pFix->Doc().EntryCount(), std::uint16_t(3));
        QCOMPARE(m_pFix->Doc().NextCheck(), std::uint16_t(104));
        QCOMPARE(Cell(2, COL_NUM), QStringLiteral("103"));
        QCOMPARE(Cell(2, COL_BALANCE), QStringLiteral("(-40.00)"));
    }

    void cancelStillMarksModifiedAndLimitIsEnforced() {
        m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
        CModalHelper modal;
        modal.Then(FillEntry(nullptr, "", 0, false));
        m_pFix->View()->OnAddEntry();
        QVERIFY(m_pFix->Doc().IsModified());
        QCOMPARE(m_pFix->Doc().EntryCount(), std::uint16_t(0));
        for (int i = 0; i < MAX_ENTRIES; ++i)
            m_pFix->AddEntry(TYPE_ATM, 0, 1, 1, "x", 1, true);
        m_pFix->View()->OnAddEntry(); // no dialog: the limit message only
        QCOMPARE(QString::fromStdString(m_pFix->m_messages.Texts().back()),
                 QStringLiteral("You have reached the maximum \nentry limit of 5000 entries. "
                                "\nArchive old transactions to \nadd new entries."));
    }

    void editMovesTheEntryAndRefreshesBalances() {
        m_pFix->Doc().SetStartingBalance(100);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "A", 10, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 2, "B", 20, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 3, "C", 30, true);
        m_pFix->View()->OnInitialUpdate();
        m_pFix->View()->selectRow(0);
        CModalHelper modal;
        modal.Then(FillEntry("A", "10", 0, false)); // an ATM entry becomes check 101
        m_pFix->View()->OnEditEntry();
        QCOMPARE(modal.Pending(), 0);
        // Same date, so it moves behind nothing later; the number is now shown.
        QCOMPARE(Cell(0, COL_NUM), QStringLiteral("101"));
        QCOMPARE(m_pFix->Doc().NextCheck(), std::uint16_t(102));
        QCOMPARE(int(m_pFix->Doc().DeletedEntries().size()), 0);
        QCOMPARE(Cell(2, COL_BALANCE), QStringLiteral("40.00"));
    }

    void deleteSelectsTheNextOrPreviousRow() {
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "A", 10, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 2, "B", 20, true);
        m_pFix->View()->OnInitialUpdate();
        m_pFix->View()->selectRow(0);
        m_pFix->View()->OnDeleteEntry();
        QCOMPARE(Cell(0, COL_DESC), QStringLiteral("B"));
        QCOMPARE(m_pFix->View()->GetSelectedRow().value_or(99), std::uint16_t(0));
        QCOMPARE(int(m_pFix->Doc().DeletedEntries().size()), 1);
        m_pFix->View()->OnDeleteEntry();
        QCOMPARE(m_pFix->View()->model()->rowCount(), 0);
        QVERIFY(!m_pFix->View()->GetSelectedRow());
        m_pFix->View()->OnDeleteEntry(); // empty: nothing
    }

    void startingBalanceRewritesEveryBalance() {
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "A", 10, true);
        m_pFix->View()->OnInitialUpdate();
        CModalHelper modal;
        modal.Then(FillStartBal("150.00"));
        m_pFix->View()->OnStartingBalance();
        QCOMPARE(Cell(0, COL_BALANCE), QStringLiteral("140.00"));
        QCOMPARE(m_pFix->m_pFrame->m_dStatusBalance, 140.0);
        QVERIFY(m_pFix->Doc().IsModified());
        QCOMPARE(m_pFix->Doc().IsStartBalSet(), 1u);
    }

    void startingBalanceCancelChangesNothing() {
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.SetStartingBalance(50.0);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "A", 10, true);
        m_pFix->View()->OnInitialUpdate();
        m_pFix->StartClean();
        CModalHelper modal;
        QString strOffered;
        modal.Then([&strOffered](QWidget* pDlg) {
            strOffered = Child<QLineEdit>(pDlg, "startBal")->text();
            Child<QLineEdit>(pDlg, "startBal")->setText(QStringLiteral("999.00"));
            Child<QPushButton>(pDlg, "cancel")->click();
        });
        m_pFix->View()->OnStartingBalance();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strOffered, QStringLiteral("50.00"));
        QCOMPARE(doc.StartBalance(), 50.0);
        QCOMPARE(doc.IsStartBalSet(), 1u);
        QVERIFY(!doc.IsModified());
        QCOMPARE(Cell(0, COL_BALANCE), QStringLiteral("40.00"));
        QCOMPARE(m_pFix->m_pFrame->m_dStatusBalance, 40.0);
        QVERIFY(m_pFix->m_messages.m_shown.empty());
    }

    void editToALaterDateMovesTheRowAndTheSelection() {
        m_pFix->m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFix->m_pFrame.get()));
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.SetStartingBalance(100);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "Old", 5, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 2, "Moved", 10, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 3, "B", 20, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 15, "C", 30, false);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 20, "D", 40, true);
        m_pFix->View()->OnInitialUpdate();
        m_pFix->View()->selectRow(1);
        QSignalSpy changed(m_pFix->View()->model(), &QAbstractItemModel::dataChanged);
        CModalHelper modal;
        modal.Then([](QWidget* pDlg) {
            QTest::mouseClick(Child<QLineEdit>(pDlg, "date"), Qt::LeftButton);
        });
        modal.Then([](QWidget* pCalendar) {
            QVERIFY(qobject_cast<CDlgCalendar*>(pCalendar));
            QVERIFY(ClickCalendarDay(pCalendar, 15)); // behind C, of the same day
        });
        modal.Then([](QWidget* pDlg) {
            QCOMPARE(Child<QLineEdit>(pDlg, "date")->text(), QStringLiteral("March 15, 2004"));
            Child<QPushButton>(pDlg, "ok")->click();
        });
        m_pFix->View()->OnEditEntry();
        QCOMPARE(modal.Pending(), 0);
        const char* const descs[] = {"Old", "B", "C", "Moved", "D"};
        const char* const balances[] = {"95.00", "75.00", "105.00", "95.00", "55.00"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Cell(i, COL_DESC), QString::fromLatin1(descs[i]));
            QCOMPARE(Cell(i, COL_BALANCE), QString::fromLatin1(balances[i]));
        }
        QCOMPARE(Cell(3, COL_DATE), QStringLiteral("03/15"));
        QCOMPARE(m_pFix->View()->GetSelectedRow().value_or(99), std::uint16_t(3));
        // The rows from the old position on were rewritten, the one before it was not.
        int nFirstRefreshed = 99;
        for (const QList<QVariant>& args : changed)
            nFirstRefreshed = std::min(nFirstRefreshed, args[0].toModelIndex().row());
        QCOMPARE(nFirstRefreshed, 1);
        QCOMPARE(m_pFix->m_pFrame->m_dStatusBalance, 55.0);
        QCOMPARE(int(doc.DeletedEntries().size()), 0);
    }

    // Regression: Edit cut a description of more than 255 characters read from a file
    // and saved the cut text (adding it to the description list) without a word.
    void editKeepsADescriptionLongerThan255Characters() {
        std::string strLong(250, 'a');
        strLong += " and the rest of a long text";
        m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, strLong.c_str(), 10, true);
        m_pFix->View()->OnInitialUpdate();
        m_pFix->View()->selectRow(0);
        CModalHelper modal;
        QString strShown, strSeen;
        bool bFocusInDesc = false;
        modal.Then([&strShown](QWidget* pDlg) {
            strShown = Child<QComboBox>(pDlg, "desc")->currentText();
            ClickLater(pDlg, "ok");
        });
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        modal.Then([&bFocusInDesc](QWidget* pDlg) {
            auto* pDesc = Child<QComboBox>(pDlg, "desc");
            bFocusInDesc = pDlg->focusWidget() == pDesc || pDlg->focusWidget() == pDesc->lineEdit();
            pDesc->setEditText(QStringLiteral("Shorter"));
            Child<QPushButton>(pDlg, "ok")->click();
        });
        m_pFix->View()->OnEditEntry();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strShown, QString::fromStdString(strLong));
        QCOMPARE(strSeen, QStringLiteral("Please enter no more than 255 characters."));
        QVERIFY(bFocusInDesc);
        QCOMPARE(m_pFix->Doc().GetEntryAt(0)->m_strDesc, std::string("Shorter"));
        QCOMPARE(int(m_pFix->Doc().Descriptions().size()), 1); // only the accepted text
        QCOMPARE(m_pFix->Doc().Descriptions().front(), std::string("Shorter"));
    }
};

TW_GUI_TEST(CEntryCommandTests);
#include "EntryCommandTests.moc"
