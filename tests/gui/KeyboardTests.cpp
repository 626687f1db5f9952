#include "DialogTestUtil.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/framework/DateTime.h"
#include "gui/controls/CDlgCalendar.h"
#include "gui/controls/CMonthView.h"
#include "gui/printing/CDlgPageSetup.h"
#include "gui/tools/CDlgAEEntry.h"
#include "gui/tools/CDlgArchive.h"
#include "gui/tools/CDlgAutomaticEntries.h"
#include "gui/tools/CDlgBalance.h"
#include "gui/tools/CDlgSearch.h"
#include "gui/tools/CDlgUndoDelete.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <map>
#include <memory>

namespace {

enum EDialog { UNDO_DELETE, AUTO_ENTRIES, BALANCE, SEARCH_DATES, ARCHIVE, PAGE_SETUP, AE_ENTRY };

const CUserTypeTable s_noTypes{};

std::unique_ptr<CDlgBase> MakeDialog(int nDialog) {
    switch (nDialog) {
    case UNDO_DELETE: {
        auto pDlg = std::make_unique<CDlgUndoDelete>();
        pDlg->m_deleted.resize(3);
        return pDlg;
    }
    case AUTO_ENTRIES: {
        auto pDlg = std::make_unique<CDlgAutomaticEntries>();
        pDlg->m_autos.resize(3);
        return pDlg;
    }
    case BALANCE:
        return std::make_unique<CDlgBalance>();
    case SEARCH_DATES:
        return std::make_unique<CDlgSearch>(s_noTypes, MakeLocalDate(2004, 2, 10));
    case ARCHIVE:
        return std::make_unique<CDlgArchive>();
    case PAGE_SETUP:
        return std::make_unique<CDlgPageSetup>();
    }
    return std::make_unique<CDlgAEEntry>();
}

// The dialog shown and active, on the page and in the mode that enables its date fields.
std::unique_ptr<CDlgBase> ShowDialog(int nDialog) {
    std::unique_ptr<CDlgBase> pDlg = MakeDialog(nDialog);
    if (!ShowActive(*pDlg))
        return nullptr;
    const char* const CLICK[] = {nullptr, nullptr, nullptr,    "byDate",
                                 nullptr, "range", "everyDays"};
    if (auto* pTabs = pDlg->findChild<QTabWidget*>(QStringLiteral("tabs")))
        pTabs->setCurrentIndex(nDialog == SEARCH_DATES ? 3 : 1);
    if (CLICK[nDialog])
        Child<QAbstractButton>(pDlg.get(), CLICK[nDialog])->click();
    return pDlg;
}

} // namespace

class CKeyboardTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enterPressesTheFocusedButtonOrTheDefault_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("pressed");
        const struct {
            const char* m_pszRow;
            int m_nDialog;
            const char* m_pszFocus;
            const char* m_pszPressed;
        } ROWS[] = {{"Undo Delete, Remove", UNDO_DELETE, "remove", "remove"},
                    {"Undo Delete, Done", UNDO_DELETE, "done", "done"},
                    {"Undo Delete, list", UNDO_DELETE, "list", "restore"},
                    {"Automatic Entries, Delete", AUTO_ENTRIES, "delete", "delete"},
                    {"Automatic Entries, Done", AUTO_ENTRIES, "done", "done"},
                    {"Balance, Done", BALANCE, "done", "done"},
                    {"Balance, statement", BALANCE, "statement", "calculate"}};
        for (const auto& row : ROWS)
            QTest::newRow(row.m_pszRow) << row.m_nDialog << QString::fromLatin1(row.m_pszFocus)
                                        << QString::fromLatin1(row.m_pszPressed);
    }
    void enterPressesTheFocusedButtonOrTheDefault() {
        QFETCH(int, dialog);
        QFETCH(QString, focus);
        QFETCH(QString, pressed);
        std::unique_ptr<CDlgBase> pDlg = ShowDialog(dialog);
        QVERIFY(pDlg);
        std::map<QString, std::unique_ptr<QSignalSpy>> spies;
        for (QPushButton* pButton : pDlg->findChildren<QPushButton*>())
            spies[pButton->objectName()] =
                std::make_unique<QSignalSpy>(pButton, &QPushButton::clicked);
        auto* pFocus = pDlg->findChild<QWidget*>(focus);
        pFocus->setFocus(Qt::TabFocusReason);
        QTest::keyClick(pFocus, Qt::Key_Return);
        for (const auto& [strName, pSpy] : spies)
            QVERIFY2(pSpy->count() == (strName == pressed ? 1 : 0), qPrintable(strName));
    }

    // Tab (or Backtab) into a date field opens the calendar once; after Escape the focus
    // is in the field and the next key moves on without opening it again.
    void dateFieldsAreTabStopsThatOpenTheCalendarOnce_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("back");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("next");
        QTest::newRow("Search") << int(SEARCH_DATES) << "dateSingle" << false << "singleDate"
                                << "ok";
        QTest::newRow("Archive") << int(ARCHIVE) << "cancel" << false << "endDate"
                                 << "fileName";
        QTest::newRow("Page Setup") << int(PAGE_SETUP) << "to" << true << "from"
                                    << "range";
        QTest::newRow("Automatic Entry") << int(AE_ENTRY) << "numDays" << false << "starting"
                                         << "amount";
    }
    void dateFieldsAreTabStopsThatOpenTheCalendarOnce() {
        QFETCH(int, dialog);
        QFETCH(QString, from);
        QFETCH(bool, back);
        QFETCH(QString, field);
        QFETCH(QString, next);
        std::unique_ptr<CDlgBase> pDlg = ShowDialog(dialog);
        QVERIFY(pDlg);
        pDlg->findChild<QWidget*>(from)->setFocus(Qt::OtherFocusReason);
        const Qt::Key key = back ? Qt::Key_Backtab : Qt::Key_Tab;
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            QVERIFY(qobject_cast<CDlgCalendar*>(w));
            QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        });
        QTest::keyClick(QApplication::focusWidget(), key);
        QTRY_COMPARE_WITH_TIMEOUT(modal.Pending(), 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(pDlg->isActiveWindow(), 20000);
        QCOMPARE(pDlg->focusWidget()->objectName(), field);
        // A second calendar would be answered here.
        modal.Then([](QWidget* w) { w->close(); });
        QTest::keyClick(QApplication::focusWidget(), key);
        QTest::qWait(200);
        QCOMPARE(modal.Pending(), 1);
        QCOMPARE(pDlg->focusWidget()->objectName(), next);
    }

    // Screen readers name a field by the label whose buddy it is.
    void everyFieldIsNamedByItsLabel() {
        for (int nDialog : {BALANCE, SEARCH_DATES, ARCHIVE, PAGE_SETUP, AE_ENTRY}) {
            std::unique_ptr<CDlgBase> pDlg = ShowDialog(nDialog);
            QVERIFY(pDlg);
            QSet<QWidget*> named;
            for (QLabel* pLabel : pDlg->findChildren<QLabel*>())
                named.insert(pLabel->buddy());
            QList<QWidget*> fields;
            for (QLineEdit* pEdit : pDlg->findChildren<QLineEdit*>())
                if (!qobject_cast<QComboBox*>(pEdit->parentWidget()))
                    fields.append(pEdit);
            for (QComboBox* pBox : pDlg->findChildren<QComboBox*>())
                fields.append(pBox);
            QVERIFY(!fields.isEmpty());
            for (QWidget* pField : fields)
                QVERIFY2(named.contains(pField), qPrintable(pField->objectName()));
        }
    }

    // Home and End go to the ends of a report list; Down opens a description box's list;
    // digits typed in the calendar change nothing.
    void listsBoxesAndCalendarKeys() {
        std::unique_ptr<CDlgBase> pDlg = ShowDialog(UNDO_DELETE);
        QVERIFY(pDlg);
        auto* pList = Child<QTableWidget>(pDlg.get(), "list");
        QTest::keyClick(pList, Qt::Key_End);
        QCOMPARE(pList->currentRow(), 2);
        QTest::keyClick(pList, Qt::Key_Home);
        QCOMPARE(pList->currentRow(), 0);

        CDlgSearch search(s_noTypes, MakeLocalDate(2004, 2, 10));
        search.m_descs = {"Rent", "Phone"};
        QVERIFY(ShowActive(search));
        Child<QTabWidget>(&search, "tabs")->setCurrentIndex(2);
        Child<QAbstractButton>(&search, "byDesc")->click();
        auto* pDesc = Child<QComboBox>(&search, "desc");
        pDesc->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(pDesc, Qt::Key_Down);
        QTRY_VERIFY(pDesc->view()->isVisible());
        QCOMPARE(pDesc->currentText(), QString());
        pDesc->hidePopup();

        CDlgCalendar calendar;
        calendar.m_nDay = 7;
        calendar.m_nMonth = 3;
        calendar.m_nYear = 2000;
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            for (Qt::Key key : {Qt::Key_3, Qt::Key_0, Qt::Key_Right, Qt::Key_2})
                QTest::keyClick(w->focusWidget(), key);
            QTest::keyClick(w->focusWidget(), Qt::Key_Return);
        });
        calendar.exec();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(calendar.m_nDay, 8); // Right moved on a day; the digits did nothing
        QCOMPARE(calendar.m_nMonth, 3);
        QCOMPARE(calendar.m_nYear, 2000);
    }
};

TW_GUI_TEST(CKeyboardTests);
#include "KeyboardTests.moc"
