#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/framework/DateTime.h"
#include "gui/app/Commands.h"
#include "gui/import/ImportCommand.h"
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

namespace {

const QString SAMPLES = QStringLiteral(TW_TEST_DATA "/import-samples/");

QAbstractItemModel* Rows(QWidget* pDlg) {
    return Child<QTableView>(pDlg, "transactions")->model();
}

QString Cell(QWidget* pDlg, int nRow, int nColumn) {
    return Rows(pDlg)->index(nRow, nColumn).data().toString();
}

} // namespace

class CImportWindowTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;
    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_strOpen;
    QString m_strSave;

    void Import() { m_pFix->m_pFrame->Action(ID_FILE_IMPORT)->trigger(); }

    QString WriteFile(const char* pszName, const QByteArray& bytes) {
        const QString path = m_pDir->filePath(QString::fromLatin1(pszName));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

private Q_SLOTS:
    void init() {
        m_pFix = std::make_unique<CFrameFixture>();
        m_pFix->Doc().SetStartingBalance(0.0);
        m_pFix->StartClean();
        m_pDir = std::make_unique<QTemporaryDir>();
        m_strOpen.clear();
        m_strSave.clear();
        CImportFileChoosers::s_fnOpen = [this](QWidget*) { return m_strOpen; };
        CImportFileChoosers::s_fnSave = [this](QWidget*, const QString&) { return m_strSave; };
    }
    void cleanup() {
        m_pFix.reset();
        m_pDir.reset();
    }

    void duplicatesStayUntickedAndTheTickedOnesAreAdded() {
        // The register already holds two of the statement's four transactions.
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.InsertEntry(
            CEntry{{MakeLocalDate(2023, 1, 13), "PAYROLL", 444.55, 0, 0, 1, 0, TYPE_OTHER}});
        doc.InsertEntry(
            CEntry{{MakeLocalDate(2023, 2, 28), "Interest", 0.01, 0, 0, 0, 0, TYPE_OTHER}});
        m_pFix->StartClean();
        m_strOpen = SAMPLES + "qfx/reds-capitalone-360-v202.qfx";
        CModalHelper modal;
        modal.Then([](QWidget* pDlg) {
            QCOMPARE(pDlg->windowTitle(), QStringLiteral("Import"));
            QCOMPARE(Child<QLabel>(pDlg, "summary")->text(),
                     QStringLiteral("2 new, 2 duplicates, 0 skipped"));
            QVERIFY(!Child<QComboBox>(pDlg, "dateOrder")->isVisible());
            QAbstractItemModel* pRows = Rows(pDlg);
            QCOMPARE(pRows->rowCount(), 4);
            // Newest first, as the bank wrote it.
            QCOMPARE(Cell(pDlg, 0, 6), QStringLiteral("Duplicate"));
            QCOMPARE(Cell(pDlg, 0, 7), QStringLiteral("02/28/2023  Interest  0.01"));
            QCOMPARE(pRows->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
            QCOMPARE(Cell(pDlg, 1, 1), QStringLiteral("01/19/2023"));
            QCOMPARE(Cell(pDlg, 1, 5), QStringLiteral("888.99"));
            QCOMPARE(pRows->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
            QCOMPARE(Cell(pDlg, 2, 4), QStringLiteral("100.00"));
            QCOMPARE(Child<QLabel>(pDlg, "ticked")->text(), QStringLiteral("2 to add"));
            pRows->setData(pRows->index(2, 0), int(Qt::Unchecked), Qt::CheckStateRole);
            QCOMPARE(Child<QLabel>(pDlg, "ticked")->text(), QStringLiteral("1 to add"));
            Child<QPushButton>(pDlg, "ok")->click();
        });
        Import();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(doc.EntryCount(), 3);
        QVERIFY(doc.IsModified());
        QCOMPARE(m_pFix->View()->model()->rowCount(), 3);
        QCOMPARE(doc.GetEntryAt(1)->m_strDesc, std::string("Deposit from BEAN COUNTERS PAYROLL"));
        QVERIFY(doc.GetEntryAt(1)->m_bCleared);
    }

    void cancelChangesNothing() {
        m_strOpen = SAMPLES + "qif/gnucash-cbb-checkbook.qif";
        CModalHelper modal;
        modal.Then([](QWidget* pDlg) { Child<QPushButton>(pDlg, "cancel")->click(); });
        Import();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(m_pFix->Doc().EntryCount(), 0);
        QVERIFY(!m_pFix->Doc().IsModified());
    }

    void aFileThatCannotBeReadSaysWhy() {
        m_strOpen = SAMPLES + "qif/gnucash-inconsistent-date-formats.qif";
        CModalHelper modal;
        QString strText;
        modal.ThenMessageBox(QMessageBox::Ok, &strText);
        Import();
        QCOMPARE(modal.Pending(), 0);
        QVERIFY2(strText.contains(QStringLiteral("year-month-day")), qPrintable(strText));
        QCOMPARE(m_pFix->Doc().EntryCount(), 0);
    }

    void csvColumnsAreMappedAndRemembered() {
        m_strOpen = SAMPLES + "csv/hledger-fr-cp1252.csv";
        for (int nPass = 0; nPass < 2; ++nPass) {
            CModalHelper modal;
            modal.Then([nPass](QWidget* pDlg) {
                QCOMPARE(pDlg->windowTitle(), QStringLiteral("CSV Columns"));
                if (nPass == 0) {
                    Child<QComboBox>(pDlg, "date")->setCurrentIndex(1);
                    Child<QComboBox>(pDlg, "desc")->setCurrentIndex(2);
                    Child<QComboBox>(pDlg, "amount")->setCurrentIndex(3);
                } else {
                    QCOMPARE(Child<QComboBox>(pDlg, "date")->currentIndex(), 1);
                    QCOMPARE(Child<QComboBox>(pDlg, "amount")->currentIndex(), 3);
                }
                Child<QPushButton>(pDlg, "ok")->click();
            });
            modal.Then([nPass](QWidget* pDlg) {
                QCOMPARE(Cell(pDlg, 2, 3), QStringLiteral("CAF\u00c9 \u2014 \u20ac20 RE\u00c7U"));
                QCOMPARE(Child<QLabel>(pDlg, "summary")->text(),
                         nPass == 0 ? QStringLiteral("3 new, 0 duplicates, 0 skipped")
                                    : QStringLiteral("0 new, 3 duplicates, 0 skipped"));
                Child<QPushButton>(pDlg, "ok")->click();
            });
            Import();
            QCOMPARE(modal.Pending(), 0);
        }
        QCOMPARE(m_pFix->Doc().EntryCount(), 3);
    }

    void anUnclearDateOrderIsAsked() {
        m_strOpen = WriteFile("dates.qif", "!Type:Bank\nD1/2/03\nT-1.00\nPShop\n^\n");
        CModalHelper modal;
        modal.Then([](QWidget* pDlg) {
            QComboBox* pOrder = Child<QComboBox>(pDlg, "dateOrder");
            QVERIFY(pOrder->isVisible());
            QCOMPARE(Cell(pDlg, 0, 1), QStringLiteral("01/02/2003"));
            pOrder->setCurrentIndex(1);
            Q_EMIT pOrder->activated(1);
            QCOMPARE(Rows(pDlg)->index(0, 1).data(Qt::ToolTipRole).toString(),
                     QStringLiteral("February 01, 2003"));
            Child<QPushButton>(pDlg, "ok")->click();
        });
        Import();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(m_pFix->Doc().Entries().front().m_date, MakeLocalDate(2003, 2, 1));
    }

    void withoutAStartingBalanceTheImportAsksForItFirst() {
        m_pFix = std::make_unique<CFrameFixture>();
        m_strOpen = SAMPLES + "qif/gnucash-cbb-checkbook.qif";
        m_pFix->m_messages.m_answers.push_back(EAnswer::No);
        Import();
        QCOMPARE(m_pFix->m_messages.m_shown.back().m_strText,
                 std::string("You must set the starting balance \nbefore you can add entries."));
        QCOMPARE(m_pFix->Doc().EntryCount(), 0);
    }

    void theKeyboardTicksRowsAndLeavesTheList() {
        m_strOpen = WriteFile("three.qif", "!Type:Bank\nD1/2/03\nT-1.00\nPA\n^\nD1/3/03\nT-2.00\n"
                                           "PB\n^\nD1/4/03\nT-3.00\nPC\n^\n");
        CModalHelper modal;
        modal.Then([](QWidget* pDlg) {
            auto* pTable = Child<QTableView>(pDlg, "transactions");
            auto* pTicked = Child<QLabel>(pDlg, "ticked");
            QTRY_COMPARE(QApplication::focusWidget(), pTable); // once the window is active
            pTable->setCurrentIndex(Rows(pDlg)->index(1, 3));
            QTest::keyClick(pTable, Qt::Key_Space);
            QCOMPARE(pTicked->text(), QStringLiteral("2 to add"));
            QTest::keyClick(pTable, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(pTicked->text(), QStringLiteral("0 to add"));
            QTest::keyClick(pTable, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(pTicked->text(), QStringLiteral("3 to add"));
            QTest::keyClick(pTable, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Child<QWidget>(pDlg, "tickAll"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), Child<QWidget>(pDlg, "dateOrder"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Child<QWidget>(pDlg, "ok"));
            Child<QPushButton>(pDlg, "cancel")->click();
        });
        Import();
        QCOMPARE(modal.Pending(), 0);
    }

    // A day-first file: the user's ticks outlive a change of order, the order is remembered
    // for the account, and a file of duplicates only changes nothing.
    void theOrderAndTicksAreKept() {
        m_strOpen = WriteFile("dayfirst.qif", "!Account\nNHousehold\nTBank\n^\n!Type:Bank\n"
                                              "D02/01/2024\nT-1.00\nPA\n^\nD03/01/2024\nT-2.00\n"
                                              "PB\n^\nD04/01/2024\nT-3.00\nPC\n^\n");
        auto choose = [](QWidget* pDlg, int nIndex) {
            auto* pOrder = Child<QComboBox>(pDlg, "dateOrder");
            pOrder->setCurrentIndex(nIndex);
            Q_EMIT pOrder->activated(nIndex);
        };
        CModalHelper modal;
        modal.Then([&choose](QWidget* pDlg) {
            QCOMPARE(Child<QComboBox>(pDlg, "dateOrder")->count(), 2);
            Rows(pDlg)->setData(Rows(pDlg)->index(1, 0), int(Qt::Unchecked), Qt::CheckStateRole);
            choose(pDlg, 1);
            QCOMPARE(Cell(pDlg, 0, 1), QStringLiteral("02/01/2024"));
            QCOMPARE(Child<QLabel>(pDlg, "ticked")->text(), QStringLiteral("2 to add"));
            Child<QPushButton>(pDlg, "ok")->click();
        });
        modal.Then([&choose](QWidget* pDlg) {
            QCOMPARE(Child<QComboBox>(pDlg, "dateOrder")->currentIndex(), 1);
            QCOMPARE(Child<QLabel>(pDlg, "summary")->text(),
                     QStringLiteral("1 new, 2 duplicates, 0 skipped"));
            choose(pDlg, 0);
            QVERIFY(Child<QLabel>(pDlg, "orderHint")->isVisibleTo(pDlg));
            choose(pDlg, 1);
            Child<QPushButton>(pDlg, "untickAll")->click();
            Child<QPushButton>(pDlg, "ok")->click();
        });
        Import();
        m_pFix->StartClean();
        Import();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(m_pFix->Doc().EntryCount(), 2);
        QVERIFY(!m_pFix->Doc().IsModified());
    }

    void reconcileShowsTheGroupsThenOpensBalanceWithTheBanksBalance() {
        m_pFix->AddEntry(TYPE_OTHER, 0, 2, 3, "Rent", 500.0, true);
        m_pFix->AddEntry(TYPE_OTHER, 0, 2, 4, "Phone", 40.0, true);
        m_strOpen = WriteFile(
            "bank.ofx",
            "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD"
            "<BANKACCTFROM><ACCTID>77<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST>\n"
            "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20040203<TRNAMT>-500.00<FITID>1<NAME>Rent</STMTTRN>\n"
            "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20040205<TRNAMT>100.00<FITID>2<NAME>Refund</"
            "STMTTRN>\n"
            "</BANKTRANLIST><LEDGERBAL><BALAMT>-400.00<DTASOF>20040229</LEDGERBAL></STMTRS>"
            "</STMTTRNRS></BANKMSGSRSV1></OFX>\n");
        CModalHelper modal;
        modal.Then([](QWidget* pDlg) {
            QTreeWidget* pGroups = Child<QTreeWidget>(pDlg, "groups");
            QCOMPARE(pGroups->topLevelItemCount(), 3);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(pGroups->topLevelItem(i)->childCount(), 1);
            QCOMPARE(pGroups->topLevelItem(2)->child(0)->text(2), QStringLiteral("Phone"));
            Child<QPushButton>(pDlg, "ok")->click();
        });
        modal.Then([](QWidget* pDlg) {
            QCOMPARE(Child<QLineEdit>(pDlg, "statement")->text(), QStringLiteral("-400.00"));
            // Calculated at once: the unmatched Phone entry is all that stands between them.
            QCOMPARE(Child<QLabel>(pDlg, "outDebits")->text().trimmed(), QStringLiteral("40.00"));
            QCOMPARE(Child<QLabel>(pDlg, "difference")->text().trimmed(), QStringLiteral("0.00"));
            Child<QPushButton>(pDlg, "done")->click();
        });
        m_pFix->m_pFrame->Action(ID_FILE_RECONCILE)->trigger();
        QCOMPARE(modal.Pending(), 0);
        const CTallywiseDoc& doc = m_pFix->Doc();
        QCOMPARE(doc.EntryCount(), 3);
        for (const CEntry& e : doc.Entries())
            QCOMPARE(bool(e.m_bCleared), e.m_strDesc != "Phone");
    }

    void moreThanTheRegisterHoldsIsRefused() {
        for (int i = 0; i < 4999; ++i)
            m_pFix->AddEntry(TYPE_ATM, 0, 1, 1, "x", 1.0, true);
        m_strOpen = SAMPLES + "qfx/reds-ally-headerless.qfx";
        CModalHelper modal;
        QString strText;
        QPointer<QWidget> pImport;
        // The refusal is a message box over the dialog, which then stays open.
        modal.Then([&pImport](QWidget* pDlg) {
            pImport = pDlg;
            QTimer::singleShot(0, Child<QPushButton>(pDlg, "ok"), &QPushButton::click);
        });
        modal.Then([&pImport, &strText](QWidget* pBox) {
            strText = qobject_cast<QMessageBox*>(pBox)->text();
            qobject_cast<QMessageBox*>(pBox)->button(QMessageBox::Ok)->click();
            QVERIFY(pImport && pImport->isVisible());
            QTimer::singleShot(0, Child<QPushButton>(pImport, "cancel"), &QPushButton::click);
        });
        Import();
        QCOMPARE(modal.Pending(), 0);
        QVERIFY2(strText.contains(QStringLiteral("room for only 1 more")), qPrintable(strText));
        QCOMPARE(m_pFix->Doc().EntryCount(), 4999);
    }

    void exportWritesCsv() {
        m_pFix->AddEntry(TYPE_CHECK, 101, 2, 3, "Rent", 500.0, true, true);
        m_strSave = m_pDir->filePath(QStringLiteral("out"));
        Import(); // nothing chosen: nothing happens
        m_pFix->m_pFrame->Action(ID_FILE_EXPORT)->trigger();
        QFile f(m_pDir->filePath(QStringLiteral("out.csv")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xEF\xBB\xBFNumber,Date,Description,Type,Debit,Credit,"
                                         "Balance,Cleared\r\n101,2004-02-03,Rent,Check,500.00,,"
                                         "-500.00,Y\r\n"));
    }
};

TW_GUI_TEST(CImportWindowTests);
#include "ImportWindowTests.moc"
