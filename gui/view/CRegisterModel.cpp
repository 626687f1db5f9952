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

CRegisterModel::CRegisterModel(const CTallywiseDoc& doc, const CUserTypeTable& userTypes,
                               QObject* pParent)
    : QAbstractTableModel(pParent), m_doc(doc), m_userTypes(userTypes) {}

int CRegisterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CRegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COL_COUNT;
}

QVariant CRegisterModel::data(const QModelIndex& index, int nRole) const {
    if (!index.isValid() || EntryAt(index.row()) == nullptr)
        return QVariant();
    if (nRole == Qt::TextAlignmentRole)
        return QVariant::fromValue(ColumnAlignment(index.column()));
    if (nRole != Qt::DisplayRole)
        return QVariant();
    return QString::fromStdString(CellText(*m_rows[index.row()], index.column(), m_userTypes));
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
    m_rows.clear();
    m_rows.reserve(m_doc.m_nEntries);
    for (CEntry* p = m_doc.m_pEntries; p; p = p->m_pNext)
        m_rows.push_back(p);
    endResetModel();
}

void CRegisterModel::InsertRow(CEntry& entry, std::uint16_t nPos) {
    const int nRow = std::min<int>(nPos, int(m_rows.size()));
    beginInsertRows(QModelIndex(), nRow, nRow);
    m_rows.insert(m_rows.begin() + nRow, &entry);
    endInsertRows();
}

void CRegisterModel::DeleteRow(std::uint16_t nPos) {
    if (nPos >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), nPos, nPos);
    m_rows.erase(m_rows.begin() + nPos);
    endRemoveRows();
}

void CRegisterModel::RefreshColumn(int nColumn, int nFirstRow, int nLastRow) {
    if (nFirstRow > nLastRow)
        return;
    Q_EMIT dataChanged(index(nFirstRow, nColumn), index(nLastRow, nColumn), {Qt::DisplayRole});
}

void CRegisterModel::RefreshRow(int nRow) {
    if (nRow >= 0 && nRow < int(m_rows.size()))
        Q_EMIT dataChanged(index(nRow, 0), index(nRow, COL_COUNT - 1), {Qt::DisplayRole});
}

CEntry* CRegisterModel::EntryAt(int nRow) const {
    // A row the document no longer has is never read, whatever the index still holds.
    if (nRow < 0 || nRow >= int(m_rows.size()) || nRow >= m_doc.m_nEntries)
        return nullptr;
    return m_rows[nRow];
}
