#pragma once
#include "core/import/Import.h"
#include <QAbstractTableModel>
#include <vector>

class CTallywiseDoc;

// The rows of an import plan with a tick each: new ones ticked, duplicates not, skipped
// ones without a tick box. A tick the user set is kept when the plan is read again.
class CImportModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum EColumn {
        COL_TICK,
        COL_DATE,
        COL_NUM,
        COL_DESC,
        COL_DEBIT,
        COL_CREDIT,
        COL_STATUS,
        COL_MATCHES,
        COL_COUNT
    };

    explicit CImportModel(QObject* pParent = nullptr);
    // The register the duplicates are found in, for the Matches column.
    void SetDocument(const CTallywiseDoc* pDoc) { m_pDoc = pDoc; }
    // The first plan ticks the new rows; a later one of the same file keeps the user's ticks,
    // except that a row which has just become a duplicate is unticked.
    void SetPlan(const CImportPlan* pPlan);
    void SetDateFormat(const char* pszFormat) { m_pszDateFormat = pszFormat; }
    const std::vector<bool>& Ticks() const { return m_ticks; }
    int TickedCount() const;
    void ToggleTick(int nRow);
    void TickAllNew(bool bTick);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int nRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;

    QString DisplayText(int nRow, int nColumn) const;

Q_SIGNALS:
    void TicksChanged();

private:
    QString MatchText(const CImportRow& row) const;
    bool Tickable(int nRow) const;
    void SetTick(int nRow, bool bTick);

    const CImportPlan* m_pPlan = nullptr;
    const CTallywiseDoc* m_pDoc = nullptr;
    const char* m_pszDateFormat = "%m/%d/%Y";
    std::vector<bool> m_ticks;
    std::vector<EImportStatus> m_statuses; // of the plan the ticks were made for
    std::vector<signed char> m_userTicks;  // -1: the user has not touched the row
};
