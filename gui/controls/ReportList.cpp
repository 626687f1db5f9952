#include "ReportList.h"
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {
// Full-row selection looks wrong with a focus frame around a single cell.
class CRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* pOption, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(pOption, index);
        pOption->state &= ~QStyle::State_HasFocus;
    }
};
} // namespace

QTableWidget* MakeReportList(QWidget* pParent, std::initializer_list<CReportColumn> columns) {
    auto* pList = new QTableWidget(0, static_cast<int>(columns.size()), pParent);
    pList->setObjectName(QStringLiteral("list"));
    pList->setItemDelegate(new CRowDelegate(pList));
    pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    pList->setSelectionMode(QAbstractItemView::SingleSelection);
    pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pList->setShowGrid(true);
    pList->setWordWrap(false);
    pList->setTabKeyNavigation(false);
    pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pList->verticalHeader()->hide();
    pList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    pList->verticalHeader()->setDefaultSectionSize(pList->fontMetrics().height() + 4);
    QHeaderView* pHeader = pList->horizontalHeader();
    pHeader->setSectionResizeMode(QHeaderView::Fixed);
    pHeader->setSectionsClickable(false);
    pHeader->setHighlightSections(false);
    pHeader->setStretchLastSection(false);
    pHeader->setMinimumSectionSize(0);
    int nColumn = 0;
    for (const CReportColumn& column : columns) {
        auto* pItem = new QTableWidgetItem(QString::fromLatin1(column.m_pszTitle));
        pItem->setTextAlignment(column.m_align | Qt::AlignVCenter);
        pList->setHorizontalHeaderItem(nColumn++, pItem);
    }
    return pList;
}

void SetReportCell(QTableWidget* pList, int nRow, int nColumn, const QString& strText) {
    QTableWidgetItem* pItem = pList->item(nRow, nColumn);
    if (!pItem) {
        pItem = new QTableWidgetItem;
        pItem->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        const QTableWidgetItem* pHead = pList->horizontalHeaderItem(nColumn);
        pItem->setTextAlignment(pHead ? Qt::Alignment(pHead->textAlignment())
                                      : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        pList->setItem(nRow, nColumn, pItem);
    }
    pItem->setText(strText);
}

void SelectReportRow(QTableWidget* pList, int nRow) {
    if (nRow < 0 || nRow >= pList->rowCount()) {
        pList->clearSelection();
        return;
    }
    const QModelIndex index = pList->model()->index(nRow, 0);
    pList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    pList->scrollTo(index);
}

int SelectedReportRow(const QTableWidget* pList) {
    const QModelIndexList rows = pList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
