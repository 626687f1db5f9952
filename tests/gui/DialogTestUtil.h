#pragma once
#include "ModalHelper.h"
#include "core/document/CDescList.h"
#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

// Shows a dialog without running it and waits until it has the keyboard focus.
inline bool ShowActive(QWidget& w) {
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

// Presses a button from the event loop, so a dialog it opens is answered by the modal
// helper instead of blocking the handler that pressed it.
inline void ClickLater(QWidget* pDlg, const char* pszButton) {
    auto* pButton = Child<QAbstractButton>(pDlg, pszButton);
    QVERIFY(pButton);
    QTimer::singleShot(0, pButton, &QAbstractButton::click);
}

// The date cell of the calendar popup's grid that shows nDay; 15 is the one day number a
// month page never shows twice.
inline QModelIndex CalendarCell(QWidget* pCalendar, int nDay) {
    auto* pView = pCalendar->findChild<QTableView*>();
    if (!pView)
        return {};
    const QAbstractItemModel* pModel = pView->model();
    for (int nRow = 1; nRow < pModel->rowCount(); ++nRow)
        for (int nCol = 0; nCol < pModel->columnCount(); ++nCol) {
            const QModelIndex idx = pModel->index(nRow, nCol);
            if (idx.data().toString() == QString::number(nDay))
                return idx;
        }
    return {};
}

inline bool ClickCalendarDay(QWidget* pCalendar, int nDay) {
    const QModelIndex idx = CalendarCell(pCalendar, nDay);
    auto* pView = pCalendar->findChild<QTableView*>();
    if (!idx.isValid() || !pView)
        return false;
    QTest::mouseClick(pView->viewport(), Qt::LeftButton, {}, pView->visualRect(idx).center());
    return true;
}

// A description list owned by a test.
