#pragma once
#include "core/import/ImportCsv.h"
#include "gui/framework/CDlgBase.h"
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "CSV Columns": which column holds the date, the description, the amount (or debit and
// credit), the check number and the cleared state. In: m_table, m_mapping (remembered or
// recognised) and m_strFileName; out on OK: m_mapping.
//
// Object names: "preview", "date", "desc", "memo", "amount", "debit", "credit", "num",
// "cleared", "ok", "cancel".
class CDlgCsvMapping : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgCsvMapping(QWidget* pParent = nullptr);

    CCsvTable m_table;
    CCsvMapping m_mapping;
    std::string m_strFileName;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    enum { FIELD_COUNT = 8 };
    void FillPreview();

    QLabel* m_pFile;
    QTableWidget* m_pPreview;
    std::array<QComboBox*, FIELD_COUNT> m_combos{};
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
