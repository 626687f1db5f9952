#pragma once
#include <QString>
#include <initializer_list>
#include <utility>

class QAbstractItemView;
class QTableWidget;
class QWidget;

struct CReportColumn {
    const char* m_pszTitle;
    Qt::Alignment m_align;
};

// A report-style list of a dialog: single full-row selection, grid lines, fixed column
// widths, no editing; the vertical scroll bar always shows, so the client width is fixed.
QTableWidget* MakeReportList(QWidget* pParent, std::initializer_list<CReportColumn> columns);
// Sets a cell's text with the column's alignment.
void SetReportCell(QTableWidget* pList, int nRow, int nColumn, const QString& strText);
// Selects the row, makes it the current one and scrolls it into view.
void SelectReportRow(QTableWidget* pList, int nRow);
int SelectedReportRow(const QTableWidget* pList); // -1 when none
// Home and End select the first and last row of a row-selecting list (a report list does
// this by itself).
void HomeEndGoToRowEnds(QAbstractItemView* pList);
