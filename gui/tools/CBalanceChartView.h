#pragma once
#include <QChartView>

// The chart of the balance window: it says where the pointer or the keyboard is on the
// time axis, in days, and leaves what that means to the window.
class CBalanceChartView : public QChartView {
    Q_OBJECT
public:
    explicit CBalanceChartView(QChart* pChart, QWidget* pParent = nullptr);

Q_SIGNALS:
    void pointedAt(double dDay);
    void stepped(int nDays); // arrow keys: -1 or 1; Home and End: past either end
    void activatedAt(double dDay);

protected:
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    double DayAt(const QPointF& pos) const;
};
