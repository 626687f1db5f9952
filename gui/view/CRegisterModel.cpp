#include "CRegisterModel.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/RegisterCells.h"
#include <algorithm>

namespace {

Qt::Alignment ColumnAlignment(int nColumn) {
    switch (g_columns[nColumn].m_nAlign) {
    case 0:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

CRegisterModel::CRegisterModel(const CTallywiseDoc& doc, const CUserTypeTable& types,
                               QObject* pParent)
    : QAbstractTableModel(pParent), m_doc(doc), m_types(types), m_nRows(doc.EntryCount()) {}

int CRegisterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_nRows;
}

int CRegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COL_COUNT;
}

QVariant CRegisterModel::data(const QModelIndex& index, int nRole) const {
    const CEntry* pEntry = index.isValid() ? EntryAt(index.row()) : nullptr;
    if (!pEntry)
        return QVariant();
    if (nRole == Qt::TextAlignmentRole)
        return QVariant::fromValue(ColumnAlignment(index.column()));
    if (nRole != Qt::DisplayRole)
        return QVariant();
    return QString::fromStdString(CellText(*pEntry, index.column(), m_types));
}

QVariant CRegisterModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const {
    if (orientation != Qt::Horizontal || nSection < 0 || nSection >= COL_COUNT)
        return QVariant();
    if (nRole == Qt::DisplayRole)
        return QString::fromUtf8(g_columns[nSection].m_pszTitle);
    if (nRole == Qt::TextAlignmentRole)
        return QVariant::fromValue(ColumnAlignment(nSection));
    return QVariant();
}

Qt::ItemFlags CRegisterModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

void CRegisterModel::Rebuild() {
    beginResetModel();
    m_nRows = m_doc.EntryCount();
    endResetModel();
}

// The document has already taken the entry; the view learns of one row more.
void CRegisterModel::InsertRow(std::uint16_t nPos) {
    const int nRow = std::min<int>(nPos, m_nRows);
    beginInsertRows(QModelIndex(), nRow, nRow);
    ++m_nRows;
    endInsertRows();
}

void CRegisterModel::DeleteRow(std::uint16_t nPos) {
    if (nPos >= m_nRows)
        return;
    beginRemoveRows(QModelIndex(), nPos, nPos);
    --m_nRows;
    endRemoveRows();
}

void CRegisterModel::RefreshColumn(int nColumn, int nFirstRow, int nLastRow) {
    if (nFirstRow > nLastRow)
        return;
    Q_EMIT dataChanged(index(nFirstRow, nColumn), index(nLastRow, nColumn), {Qt::DisplayRole});
}

void CRegisterModel::RefreshRow(int nRow) {
    if (nRow >= 0 && nRow < m_nRows)
        Q_EMIT dataChanged(index(nRow, 0), index(nRow, COL_COUNT - 1), {Qt::DisplayRole});
}

const CEntry* CRegisterModel::EntryAt(int nRow) const {
    // A row the document no longer has is never read, whatever the index still holds.
    if (nRow < 0 || nRow >= m_nRows)
        return nullptr;
    return m_doc.GetEntryAt(static_cast<std::uint16_t>(nRow));
}
