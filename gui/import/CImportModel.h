#pragma once
#include "core/import/Import.h"
#include <QAbstractTableModel>
#include <vector>

// The rows of an import plan with a tick each: new ones ticked, duplicates not, skipped
// ones without a tick box.
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
        COL_COUNT
    };

    explicit CImportModel(QObject* pParent = nullptr);
    void SetPlan(const CImportPlan* pPlan); // ticks return to their defaults
    const std::vector<bool>& Ticks() const { return m_ticks; }
    int TickedCount() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int nRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;

Q_SIGNALS:
    void TicksChanged();

private:
    QVariant DisplayText(const CImportRow& row, int nColumn) const;

    const CImportPlan* m_pPlan = nullptr;
    std::vector<bool> m_ticks;
};
