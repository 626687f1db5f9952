#include "CBalanceChartView.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <climits>

CBalanceChartView::CBalanceChartView(QChart* pChart, QWidget* pParent)
    : QChartView(pChart, pParent) {
    setObjectName(QStringLiteral("chart"));
    setAccessibleName(QStringLiteral("Balance chart"));
    setAccessibleDescription(
        QStringLiteral("Left and Right move a day, Page Up and Page Down a month, Home and End "
                       "to the ends; Enter selects the day's first entry in the register"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setRenderHint(QPainter::Antialiasing);
}

double CBalanceChartView::DayAt(const QPointF& pos) const {
    return chart()->mapToValue(chart()->mapFromScene(mapToScene(pos.toPoint()))).x();
}

void CBalanceChartView::mouseMoveEvent(QMouseEvent* pEvent) {
    if (chart()->plotArea().contains(mapToScene(pEvent->position().toPoint())))
        Q_EMIT pointedAt(DayAt(pEvent->position()));
    QChartView::mouseMoveEvent(pEvent);
}

void CBalanceChartView::mouseDoubleClickEvent(QMouseEvent* pEvent) {
    if (chart()->plotArea().contains(mapToScene(pEvent->position().toPoint())))
        Q_EMIT activatedAt(DayAt(pEvent->position()));
}

void CBalanceChartView::keyPressEvent(QKeyEvent* pEvent) {
    switch (pEvent->key()) {
    case Qt::Key_Left:
        Q_EMIT stepped(-1);
        return;
    case Qt::Key_Right:
        Q_EMIT stepped(1);
        return;
    case Qt::Key_PageUp:
        Q_EMIT stepped(-30);
        return;
    case Qt::Key_PageDown:
        Q_EMIT stepped(30);
        return;
    case Qt::Key_Home:
        Q_EMIT stepped(INT_MIN);
        return;
    case Qt::Key_End:
        Q_EMIT stepped(INT_MAX);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT activatedAt(qQNaN());
        return;
    default:
        QChartView::keyPressEvent(pEvent);
    }
}
