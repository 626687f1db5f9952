#include "CImportModel.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include <QBrush>
#include <QPalette>

CImportModel::CImportModel(QObject* pParent) : QAbstractTableModel(pParent) {}

void CImportModel::SetPlan(const CImportPlan* pPlan) {
    beginResetModel();
    m_pPlan = pPlan;
    m_ticks.clear();
    if (pPlan)
        for (const CImportRow& row : pPlan->m_rows)
            m_ticks.push_back(row.m_nStatus == EImportStatus::New);
    endResetModel();
    Q_EMIT TicksChanged();
}

int CImportModel::TickedCount() const {
    int n = 0;
    for (bool b : m_ticks)
        n += b;
    return n;
}

int CImportModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_pPlan ? 0 : int(m_pPlan->m_rows.size());
}

int CImportModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COL_COUNT;
}

QVariant CImportModel::DisplayText(const CImportRow& row, int nColumn) const {
    switch (nColumn) {
    case COL_DATE:
        return row.m_date ? QString::fromStdString(FormatDate(row.m_date, "%m/%d/%Y")) : QString();
    case COL_NUM:
        return row.m_nCheckNum ? QString::number(row.m_nCheckNum) : QString();
    case COL_DESC:
        return QString::fromStdString(row.m_strDesc);
    case COL_DEBIT:
    case COL_CREDIT:
        if (row.m_bDebit != (nColumn == COL_DEBIT) || row.m_dAmount == 0)
            return QString();
        return QString::fromStdString(Format("%.2f", row.m_dAmount));
    case COL_STATUS:
        if (row.m_nStatus == EImportStatus::New)
            return QStringLiteral("New");
        return QString::fromStdString(
            (row.m_nStatus == EImportStatus::Duplicate ? "Duplicate: " : "Skipped: ") +
            row.m_strReason);
    default:
        return QString();
    }
}

QVariant CImportModel::data(const QModelIndex& index, int nRole) const {
    if (!m_pPlan || !index.isValid() || index.row() >= rowCount())
        return {};
    const CImportRow& row = m_pPlan->m_rows[std::size_t(index.row())];
    if (nRole == Qt::CheckStateRole && index.column() == COL_TICK &&
        row.m_nStatus != EImportStatus::Skipped)
        return m_ticks[std::size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    if (nRole == Qt::DisplayRole)
        return DisplayText(row, index.column());
    if (nRole == Qt::TextAlignmentRole &&
        (index.column() == COL_DEBIT || index.column() == COL_CREDIT || index.column() == COL_NUM))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (nRole == Qt::ForegroundRole && row.m_nStatus != EImportStatus::New)
        return QPalette().brush(QPalette::Disabled, QPalette::Text);
    if (nRole == Qt::ToolTipRole && index.column() == COL_STATUS)
        return DisplayText(row, COL_STATUS);
    return {};
}

bool CImportModel::setData(const QModelIndex& index, const QVariant& value, int nRole) {
    if (!m_pPlan || nRole != Qt::CheckStateRole || index.column() != COL_TICK ||
        m_pPlan->m_rows[std::size_t(index.row())].m_nStatus == EImportStatus::Skipped)
        return false;
    m_ticks[std::size_t(index.row())] = value.toInt() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    Q_EMIT TicksChanged();
    return true;
}

Qt::ItemFlags CImportModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_pPlan && index.isValid() && index.column() == COL_TICK &&
        m_pPlan->m_rows[std::size_t(index.row())].m_nStatus != EImportStatus::Skipped)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant CImportModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const {
    if (orientation != Qt::Horizontal || nRole != Qt::DisplayRole)
        return {};
    static const char* const TITLES[COL_COUNT] = {"",      "Date",   "Num",   "Description",
                                                  "Debit", "Credit", "Status"};
    return QString::fromLatin1(TITLES[nSection]);
}
