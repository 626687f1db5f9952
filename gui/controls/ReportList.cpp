#include "ReportList.h"
#include <QHeaderView>
#include <QKeyEvent>
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

void SelectRow(QAbstractItemView* pList, int nRow) {
    const QModelIndex index = pList->model()->index(nRow, 0);
    pList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    pList->scrollTo(index);
}

// Home and End go to the first and last row; a table alone would go to the first and last
// column of the row.
class CRowEnds : public QObject {
public:
    explicit CRowEnds(QAbstractItemView* pList) : QObject(pList), m_pList(pList) {}

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pWatched == m_pList && pEvent->type() == QEvent::KeyPress) {
            const auto* pKey = static_cast<QKeyEvent*>(pEvent);
            const bool bPlain = (pKey->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            if (bPlain && (pKey->key() == Qt::Key_Home || pKey->key() == Qt::Key_End)) {
                const int nRows = m_pList->model() ? m_pList->model()->rowCount() : 0;
                if (nRows > 0)
                    SelectRow(m_pList, pKey->key() == Qt::Key_Home ? 0 : nRows - 1);
                return true;
            }
        }
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    QAbstractItemView* m_pList;
};

} // namespace

void HomeEndGoToRowEnds(QAbstractItemView* pList) {
    pList->installEventFilter(new CRowEnds(pList));
}

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
    HomeEndGoToRowEnds(pList);
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
    SelectRow(pList, nRow);
}

int SelectedReportRow(const QTableWidget* pList) {
    const QModelIndexList rows = pList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
