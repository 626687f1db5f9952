#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/controls/CDlgCalendar.h"
#include "gui/tools/CDlgSearch.h"
#include "gui/tools/CDlgSearchResults.h"
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <memory>

namespace {
const char* const GOVERNED_CHECK[] = {"checkSingle", "checkRange", "singleCheck", "firstCheck",
                                      "lastCheck"};

bool Enabled(QWidget* pDlg, const char* pszName) {
    return Child<QWidget>(pDlg, pszName)->isEnabled();
}

void Tick(QWidget* pDlg, const char* pszName) {
    Child<QAbstractButton>(pDlg, pszName)->click();
}

void SetText(QWidget* pDlg, const char* pszName, const char* pszText) {
    Child<QLineEdit>(pDlg, pszName)->setText(QString::fromLatin1(pszText));
}

QString Cell(QWidget* pDlg, int nRow, int nColumn) {
    auto* pList = Child<QTableView>(pDlg, "results");
    return pList->model()->index(nRow, nColumn).data().toString();
}
} // namespace

class CSearchCommandTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;

    void FillRegister() {
        m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
        m_pFix->AddEntry(TYPE_CHECK, 101, 2, 1, "Rent", 500.0, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 2, "Cash", 40.0, true);
        m_pFix->AddEntry(TYPE_CHECK, 150, 2, 3, "Groceries", 75.25, true);
        m_pFix->AddEntry(TYPE_USER1 + 1, 0, 2, 5, "Gift", 50.0, false);
        m_pFix->AddEntry(TYPE_CHECK, 300, 2, 9, "rent", 12.0, true);
        m_pFix->StartClean();
    }

private Q_SLOTS:
    void init() {
        m_pFix = std::make_unique<CFrameFixture>();
        m_pFix->m_app.m_userTypes[0] = {"Transfer", "X", 1, 1};
        m_pFix->m_app.m_userTypes[1] = {"Gift", "G", 0, 0};
    }
    void cleanup() { m_pFix.reset(); }

    void opensWithItsInitialValues() {
        CDescList descs{"Rent", "Cash"};
        CDlgSearch dlg(m_pFix->m_app.m_userTypes, m_pFix->Doc().Today());
        dlg.m_descs = descs;
        QVERIFY(ShowActive(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Search"));
        auto* pTabs = Child<QTabWidget>(&dlg, "tabs");
        QCOMPARE(pTabs->currentIndex(), 0);
        const QStringList tabs = {"Check Number", "Amount", "Description", "Date", "Type"};
        for (int i = 0; i < tabs.size(); ++i)
            QCOMPARE(pTabs->tabText(i), tabs[i]);
        QCOMPARE(Child<QLineEdit>(&dlg, "lastCheck")->text(), QStringLiteral("0"));
        QCOMPARE(Child<QLineEdit>(&dlg, "singleAmount")->text(), QStringLiteral("0.00"));
        for (const char* pszRadio : {"checkSingle", "amountSingle", "dateSingle"})
            QVERIFY(Child<QRadioButton>(&dlg, pszRadio)->isChecked());
        QVERIFY(Child<QCheckBox>(&dlg, "debits")->isChecked());
        QVERIFY(Child<QCheckBox>(&dlg, "credits")->isChecked());
        QCOMPARE(Child<QLineEdit>(&dlg, "firstDate")->text(), QStringLiteral("February 10, 2004"));
        auto* pDesc = Child<QComboBox>(&dlg, "desc");
        QCOMPARE(pDesc->count(), 2);
        QCOMPARE(pDesc->itemText(0), QStringLiteral("Cash"));
        QCOMPARE(pDesc->currentText(), QString());
        for (const char* pszName : {"checkSingle", "singleAmount", "debits", "descLabel", "desc",
                                    "dateRange", "lastDate", "typeCheck", "typeUD1"})
            QVERIFY2(!Enabled(&dlg, pszName), pszName);
        pTabs->setCurrentIndex(4);
        QCOMPARE(Child<QCheckBox>(&dlg, "typeUD1")->text(), QStringLiteral("Transfer"));
        QVERIFY(Child<QCheckBox>(&dlg, "typeUD1")->isVisible());
        QVERIFY(!Child<QCheckBox>(&dlg, "typeUD2")->isVisible());
        QVERIFY(Child<QCheckBox>(&dlg, "typeOther")->isVisible());
    }

    void boxesGovernTheirControlsByMode() {
        CDlgSearch dlg(m_pFix->m_app.m_userTypes, m_pFix->Doc().Today());
        dlg.show();
        Tick(&dlg, "byCheck");
        QVERIFY(Enabled(&dlg, "checkSingle") && Enabled(&dlg, "checkRange"));
        QVERIFY(Enabled(&dlg, "singleCheck"));
        QVERIFY(!Enabled(&dlg, "firstCheck") && !Enabled(&dlg, "lastCheck"));
        Tick(&dlg, "checkRange");
        QVERIFY(!Enabled(&dlg, "singleCheck"));
        QVERIFY(Enabled(&dlg, "firstCheck") && Enabled(&dlg, "lastCheck"));
        Tick(&dlg, "byCheck");
        for (const char* pszName : GOVERNED_CHECK)
            QVERIFY2(!Enabled(&dlg, pszName), pszName);
        Tick(&dlg, "byAmount");
        QVERIFY(Enabled(&dlg, "debits") && Enabled(&dlg, "credits"));
        Tick(&dlg, "byDesc");
        QVERIFY(Enabled(&dlg, "descLabel") && Enabled(&dlg, "desc"));
        Tick(&dlg, "byType");
        QVERIFY(Enabled(&dlg, "typeATM") && Enabled(&dlg, "typeUD4"));
    }

    // The fields of the chosen modes are read in a fixed order, on hidden pages and with
    // their box unticked; the one refused is enabled and has the focus.
    void okReadsEveryFieldInOrder_data() {
        QTest::addColumn<QStringList>("fields"); // name, text pairs
        QTest::addColumn<bool>("range");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("refused");
        const QString strWhole = QStringLiteral("Please enter a whole number.");
        const QString strNumber = QStringLiteral("Please enter a number.");
        QTest::newRow("single check before an amount")
            << QStringList{"singleAmount", "x", "singleCheck", "y", "lastCheck", "z"} << false
            << strWhole << 0 << "singleCheck";
        QTest::newRow("last check before first check")
            << QStringList{"firstCheck", "x", "lastCheck", "1000000"} << true
            << "Please enter a whole number between 0 and 999999." << 0 << "lastCheck";
        QTest::newRow("greyed single check not read")
            << QStringList{"singleCheck", "x", "singleAmount", "x", "firstAmount", "$5"} << true
            << strNumber << 1 << "firstAmount";
        QTest::newRow("greyed range not read")
            << QStringList{"lastCheck", "x", "firstAmount", "x", "singleAmount", "$5"} << false
            << strNumber << 1 << "singleAmount";
        QTest::newRow("amount range")
            << QStringList{"lastAmount", "-100000"} << true
            << "Please enter a number between -99999.99 and 99999.99." << 1 << "lastAmount";
    }
    void okReadsEveryFieldInOrder() {
        QFETCH(QStringList, fields);
        QFETCH(bool, range);
        QFETCH(QString, message);
        QFETCH(int, page);
        QFETCH(QString, refused);
        CDlgSearch dlg(m_pFix->m_app.m_userTypes, m_pFix->Doc().Today());
        QVERIFY(ShowActive(dlg));
        if (range) {
            Child<QRadioButton>(&dlg, "checkRange")->setChecked(true);
            Child<QRadioButton>(&dlg, "amountRange")->setChecked(true);
        }
        Child<QTabWidget>(&dlg, "tabs")->setCurrentIndex(3);
        for (int i = 0; i + 1 < fields.size(); i += 2)
            SetText(&dlg, fields[i].toLatin1().constData(), fields[i + 1].toLatin1().constData());
        CModalHelper modal;
        QString strSeen;
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        dlg.accept();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, message);
        QVERIFY(dlg.isVisible());
        QCOMPARE(Child<QTabWidget>(&dlg, "tabs")->currentIndex(), page);
        QCOMPARE(dlg.focusWidget()->objectName(), refused);
        QVERIFY(dlg.focusWidget()->isEnabled());
    }

    void dateFieldTakesTheCalendarsDate() {
        CDlgSearch dlg(m_pFix->m_app.m_userTypes, m_pFix->Doc().Today());
        QVERIFY(ShowActive(dlg));
        Child<QTabWidget>(&dlg, "tabs")->setCurrentIndex(3);
        Tick(&dlg, "byDate");
        Tick(&dlg, "dateRange");
        auto* pLast = Child<QLineEdit>(&dlg, "lastDate");
        CModalHelper modal;
        int nDayPassed = 0;
        modal.Then([&](QWidget* w) {
            auto* pCalendar = qobject_cast<CDlgCalendar*>(w);
            QVERIFY(pCalendar);
            nDayPassed = pCalendar->m_nDay;
            QVERIFY(ClickCalendarDay(w, 15));
        });
        QTest::mouseClick(pLast, Qt::LeftButton);
        QTRY_COMPARE(modal.Pending(), 0);
        QTRY_COMPARE(pLast->text(), QStringLiteral("February 15, 2004"));
        QCOMPARE(nDayPassed, 10);
        QCOMPARE(dlg.focusWidget(), pLast);
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const CSearchCriteria c = dlg.Criteria();
        QVERIFY(c.m_bByDate);
        QCOMPARE(c.m_nDateMode, int(SEARCH_RANGE));
        QCOMPARE(c.m_lastDate, MakeLocalDate(2004, 2, 15));
        QCOMPARE(c.m_firstDate, MakeLocalDate(2004, 2, 10));
    }

    void commandShowsTheMatchesWithTotals() {
        FillRegister();
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            Tick(w, "byCheck");
            Tick(w, "checkRange");
            SetText(w, "firstCheck", "100");
            SetText(w, "lastCheck", "200");
            Tick(w, "byType");
            Tick(w, "typeCheck");
            Child<QPushButton>(w, "ok")->click();
        });
        QStringList rows;
        QString strFound, strDebits, strCredits;
        bool bWidths = false;
        modal.Then([&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Search Results"));
            auto* pList = Child<QTableView>(w, "results");
            for (int r = 0; r < pList->model()->rowCount(); ++r) {
                QStringList cells;
                for (int c = 0; c < 6; ++c)
                    cells << Cell(w, r, c);
                rows << cells.join(QLatin1Char('|'));
            }
            const std::array<int, SCOL_COUNT> widths =
                SearchColumnWidths(pList->viewport()->width());
            bWidths = true;
            for (int c = 0; c < SCOL_COUNT; ++c)
                bWidths = bWidths && pList->horizontalHeader()->sectionSize(c) == widths[c];
            strFound = Child<QLabel>(w, "found")->text();
            strDebits = Child<QLabel>(w, "debitTotal")->text();
            strCredits = Child<QLabel>(w, "creditTotal")->text();
            Child<QPushButton>(w, "done")->click();
        });
        OnSearch(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(rows, (QStringList{"101|02/01|Rent|C|500.00|", "150|02/03|Groceries|C|75.25|"}));
        QCOMPARE(strFound, QStringLiteral("Found 2 entries."));
        QCOMPARE(strDebits, QStringLiteral("575.25 "));
        QCOMPARE(strCredits, QStringLiteral("0.00 "));
        QVERIFY(bWidths);
        QVERIFY(!m_pFix->Doc().IsModified());
    }

    void disabledUserTypeIsFoundAndNothingTickedStops() {
        FillRegister();
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            Tick(w, "byAmount");
            SetText(w, "singleAmount", "50");
            Child<QPushButton>(w, "ok")->click();
        });
        QString strType;
        modal.Then([&](QWidget* w) {
            strType = Cell(w, 0, SCOL_TYPE) + Cell(w, 0, SCOL_CREDIT);
            Child<QPushButton>(w, "done")->click();
        });
        OnSearch(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strType, QStringLiteral("G50.00"));

        // OK with no box ticked opens no results window.
        modal.Then([](QWidget* w) { Child<QPushButton>(w, "ok")->click(); });
        OnSearch(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

TW_GUI_TEST(CSearchCommandTests);
#include "SearchCommandTests.moc"
