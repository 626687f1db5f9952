#pragma once
#include "core/import/Import.h"
#include "gui/framework/CDlgBase.h"
#include <functional>
#include <string>
#include <vector>

class CImportModel;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// "Import": every transaction of a bank file with a tick, duplicates unticked and marked.
// In: m_plan, m_strFileName, m_bOrderAsked with m_dateOrder and m_fnReplan (reads the
// file again in another date order), m_fnLimitMessage (the refusal for so many entries).
// Out on OK: m_ticks.
//
// Object names: "transactions", "dateOrder", "summary", "notes", "ticked", "ok", "cancel".
class CDlgImport : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgImport(QWidget* pParent = nullptr);

    CImportPlan m_plan;
    std::string m_strFileName;
    bool m_bOrderAsked = false;
    EDateOrder m_dateOrder = EDateOrder::MDY;
    std::function<std::optional<CImportPlan>(EDateOrder)> m_fnReplan;
    std::function<std::string(int)> m_fnLimitMessage;
    std::vector<bool> m_ticks;

protected:
    void OnInitDialog() override;
    bool OnOK() override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void OnDateOrderChanged(int nIndex);
    void ShowPlan();
    void UpdateTicked();
    void SizeColumns();

    QLabel* m_pFile;
    QLabel* m_pOrderLabel;
    QComboBox* m_pDateOrder;
    QTableView* m_pTable;
    CImportModel* m_pModel;
    QLabel* m_pSummary;
    QLabel* m_pNotes;
    QLabel* m_pTicked;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
