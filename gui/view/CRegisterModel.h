#pragma once
#include <QAbstractTableModel>
#include <cstdint>

#include "core/document/CUserType.h"

class CTallywiseDoc;
struct CEntry;

// The register as a table: row i shows the document's entry at position i, read from the
// document when it is asked for. Only the row count is kept, so the rows the view knows
// change exactly when the document announces it.
class CRegisterModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CRegisterModel(const CTallywiseDoc& doc, const CUserTypeTable& types,
                   QObject* pParent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int nRole = Qt::DisplayRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation,
                        int nRole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Every row anew, from the document's count.
    void Rebuild();
    void InsertRow(std::uint16_t nPos);
    void DeleteRow(std::uint16_t nPos);
    void RefreshColumn(int nColumn, int nFirstRow, int nLastRow);
    void RefreshRow(int nRow);
    const CEntry* EntryAt(int nRow) const;

private:
    const CTallywiseDoc& m_doc;
    const CUserTypeTable& m_types;
    int m_nRows = 0;
};
