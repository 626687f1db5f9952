#include "DialogTestUtil.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/controls/CDlgCalendar.h"
#include "gui/controls/CMonthView.h"
#include <QSignalSpy>
#include <QTest>

namespace {

struct CDmy {
    int m_nDay, m_nMonth, m_nYear;
};

CDmy RunCalendar(CDmy in, CModalHelper::Handler h, int* pResult = nullptr) {
    CDlgCalendar dlg;
    dlg.m_nDay = in.m_nDay;
    dlg.m_nMonth = in.m_nMonth;
    dlg.m_nYear = in.m_nYear;
    CModalHelper modal;
    modal.Then(std::move(h));
    const int nResult = dlg.exec();
    if (pResult)
        *pResult = nResult;
    return {dlg.m_nDay, dlg.m_nMonth, dlg.m_nYear};
}

} // namespace

class CCalendarTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Day, month and year are set one by one: a day the month lacks must survive until
    // the month that has it is set.
    void monthViewKeepsDayAcrossShortMonth() {
        CMonthView view;
        view.SetDay(15);
        view.SetMonth(2);
        view.SetYear(2001);
        view.SetDay(31);
        QCOMPARE(view.GetDay(), 28);
        view.SetMonth(3);
        QCOMPARE(view.GetDay(), 31);
        QCOMPARE(view.GetMonth(), 3);
        QCOMPARE(view.GetYear(), 2001);
        view.setProperty("year", 2004);
        view.setProperty("month", 2);
        QCOMPARE(view.property("day").toInt(), 29);
    }

    void monthViewSignalsClickedDate() {
        CMonthView view;
        view.SetDay(1);
        view.SetMonth(6);
        view.SetYear(2010);
        QVERIFY(ShowActive(view));
        QSignalSpy spy(&view, &CMonthView::DateClicked);
        QVERIFY(ClickCalendarDay(&view, 15));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 15);
        QCOMPARE(spy.at(0).at(1).toInt(), 6);
        QCOMPARE(spy.at(0).at(2).toInt(), 2010);
    }

    void clickTakesDateAndCloses() {
        int nResult = -1;
        const CDmy out = RunCalendar(
            {7, 3, 2000}, [](QWidget* w) { QVERIFY(ClickCalendarDay(w, 15)); }, &nResult);
        QCOMPARE(nResult, int(QDialog::Accepted));
        QCOMPARE(out.m_nDay, 15);
        QCOMPARE(out.m_nMonth, 3);
        QCOMPARE(out.m_nYear, 2000);
    }

    // Moving through the calendar and then pressing Escape hands back the date passed in.
    void escapeKeepsMembers() {
        int nResult = -1;
        const CDmy out = RunCalendar(
            {7, 3, 2000},
            [](QWidget* w) {
                auto* pView = Child<CMonthView>(w, "monthView");
                QTest::keyClick(pView->focusProxy() ? pView->focusProxy() : pView, Qt::Key_Down);
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
            },
            &nResult);
        QCOMPARE(nResult, int(QDialog::Rejected));
        QCOMPARE(out.m_nDay, 7);
        QCOMPARE(out.m_nMonth, 3);
        QCOMPARE(out.m_nYear, 2000);
    }

    // Arrows move the highlight, Enter takes it: across the month's end into April.
    void arrowsAndEnterTakeHighlightedDate() {
        int nResult = -1;
        const CDmy out = RunCalendar(
            {28, 3, 2000},
            [](QWidget* w) {
                QWidget* pFocus = w->focusWidget();
                QVERIFY(pFocus);
                QTest::keyClick(pFocus, Qt::Key_Down);  // April 4
                QTest::keyClick(pFocus, Qt::Key_Right); // April 5
                QTest::keyClick(pFocus, Qt::Key_Return);
            },
            &nResult);
        QCOMPARE(nResult, int(QDialog::Accepted));
        QCOMPARE(out.m_nDay, 5);
        QCOMPARE(out.m_nMonth, 4);
        QCOMPARE(out.m_nYear, 2000);
    }
};

TW_GUI_TEST(CCalendarTests);
#include "CalendarTests.moc"
