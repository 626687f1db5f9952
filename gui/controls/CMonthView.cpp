#include "CMonthView.h"
#include <algorithm>

CMonthView::CMonthView(QWidget* pParent) : QCalendarWidget(pParent) {
    const QDate today = QDate::currentDate();
    m_nWantDay = today.day();
    m_nWantMonth = today.month();
    m_nWantYear = today.year();
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(false);
    // Typing digits would open the calendar's own date editor, which builds a date out of
    // whatever it gets (30 as a month, a two-digit year); the arrows and Page Up/Down pick
    // the date instead.
    setDateEditEnabled(false);
    ShowWanted();
    connect(this, &QCalendarWidget::selectionChanged, this, &CMonthView::OnSelectionChanged);
    connect(this, &QCalendarWidget::clicked, this, [this](QDate date) {
        if (date.isValid())
            Q_EMIT DateClicked(date.day(), date.month(), date.year());
    });
}

void CMonthView::SetDay(int nDay) {
    m_nWantDay = std::clamp(nDay, 1, 31);
    ShowWanted();
}

void CMonthView::SetMonth(int nMonth) {
    m_nWantMonth = std::clamp(nMonth, 1, 12);
    ShowWanted();
}

void CMonthView::SetYear(int nYear) {
    m_nWantYear = std::clamp(nYear, 1, 9999);
    ShowWanted();
}

void CMonthView::ShowWanted() {
    const QDate first(m_nWantYear, m_nWantMonth, 1);
    const QDate date(m_nWantYear, m_nWantMonth, std::min(m_nWantDay, first.daysInMonth()));
    m_bShowing = true;
    setSelectedDate(date);
    setCurrentPage(selectedDate().year(), selectedDate().month());
    m_bShowing = false;
}

// A date the user picked replaces what was asked for.
void CMonthView::OnSelectionChanged() {
    if (m_bShowing)
        return;
    const QDate date = selectedDate();
    m_nWantDay = date.day();
    m_nWantMonth = date.month();
    m_nWantYear = date.year();
}
