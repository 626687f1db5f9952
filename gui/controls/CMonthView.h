#pragma once
#include <QCalendarWidget>

// The month calendar: day, month and year as separate properties, and a signal when the
// user clicks a date.
//
// The three setters may be called in any order; a day the month does not have is shown as
// the month's last day, and the day asked for is kept for the next month or year set.
class CMonthView : public QCalendarWidget {
    Q_OBJECT
    Q_PROPERTY(int day READ GetDay WRITE SetDay)
    Q_PROPERTY(int month READ GetMonth WRITE SetMonth)
    Q_PROPERTY(int year READ GetYear WRITE SetYear)

public:
    explicit CMonthView(QWidget* pParent = nullptr);

    int GetDay() const { return selectedDate().day(); }
    int GetMonth() const { return selectedDate().month(); }
    int GetYear() const { return selectedDate().year(); }
    void SetDay(int nDay);
    void SetMonth(int nMonth);
    void SetYear(int nYear);

Q_SIGNALS:
    void DateClicked(int nDay, int nMonth, int nYear);

private:
    void ShowWanted();
    void OnSelectionChanged();

    int m_nWantDay;
    int m_nWantMonth;
    int m_nWantYear;
    bool m_bShowing = false;
};
