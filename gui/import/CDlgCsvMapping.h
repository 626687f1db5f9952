#pragma once
#include "core/import/ImportCsv.h"
#include "gui/framework/CDlgBase.h"
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "CSV Columns": which column holds the date, the description, the amount (or debit and
// credit), the check number, the cleared state and the direction of unsigned amounts. In: m_table,
// m_mapping (remembered or recognised), m_dateOrder and m_strFileName; out on OK: m_mapping and
// m_dateOrder.
//
// Object names: "preview", "date", "desc", "memo", "amount", "debit", "credit", "num",
// "cleared", "sign", "dateOrder", "signNote", "ok", "cancel".
class CDlgCsvMapping : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgCsvMapping(QWidget* pParent = nullptr);

    CCsvTable m_table;
    CCsvMapping m_mapping;
    std::string m_strFileName;
    EDateOrder m_dateOrder = EDateOrder::Auto; // Auto: as the dates show

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    enum { FIELD_COUNT = 9 };
    CCsvMapping Chosen() const;
    void ShowSignNote();
    void FillPreview();

    QLabel* m_pFile;
    QTableWidget* m_pPreview;
    std::array<QComboBox*, FIELD_COUNT> m_combos{};
    QComboBox* m_pDateOrder;
    QLabel* m_pSignNote;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
