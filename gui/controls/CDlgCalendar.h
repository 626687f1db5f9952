#pragma once
#include <QDialog>
#include <QPointer>

class CMonthView;

// The calendar popup of every date field. The caller sets the date, runs the dialog and
// reads the date back whatever the result: a click on a date (or Enter on the highlighted
// one) stores it and closes; Escape, or a click outside the popup, closes leaving the
// members as they were.
//
// Object names: "monthView".
class CDlgCalendar : public QDialog {
    Q_OBJECT
public:
    explicit CDlgCalendar(QWidget* pParent = nullptr);

    int m_nDay = 1;
    int m_nMonth = 1;
    int m_nYear = 1970;

    // Opens the popup just below this widget, kept on its screen.
    void SetAnchor(QWidget* pAnchor) { m_pAnchor = pAnchor; }

    void setVisible(bool bVisible) override;

private:
    void OnInitDialog();
    void PlaceBelowAnchor();
    void TakeDate(int nDay, int nMonth, int nYear);

    CMonthView* m_pMonthView;
    QPointer<QWidget> m_pAnchor;
};
