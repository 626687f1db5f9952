#pragma once
#include "core/document/CUserType.h"
#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

class CTallywiseDoc;
struct CEntry;

// The register as a table: row i shows the document's entry at position i. Only the
// row-to-entry index is kept; every cell text is formatted when it is asked for.
class CRegisterModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CRegisterModel(const CTallywiseDoc& doc, const CUserTypeTable& userTypes,
                   QObject* pParent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int nRole = Qt::DisplayRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation,
                        int nRole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Rows from the document's list, walked once.
    void Rebuild();
    void InsertRow(CEntry& entry, std::uint16_t nPos);
    void DeleteRow(std::uint16_t nPos);
    void RefreshColumn(int nColumn, int nFirstRow, int nLastRow);
    void RefreshRow(int nRow);
    CEntry* EntryAt(int nRow) const;

private:
    const CTallywiseDoc& m_doc;
    const CUserTypeTable& m_userTypes;
    std::vector<CEntry*> m_rows;
};
