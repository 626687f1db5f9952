#pragma once
#include "CDlgImport.h"
#include "core/import/Reconcile.h"
#include "gui/framework/CDlgBase.h"
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Reconcile with Bank File": what a bank file would change, before anything changes: the
// register's entries the bank has posted (to be cleared), the bank's transactions the
// register lacks (ticked to be added) and the register's uncleared entries the bank has not
// posted yet. In: m_plan, m_pDoc, m_strFileName, m_orders with m_dateOrder and m_fnReplan.
// Out on OK: m_ticks (of m_plan.m_import.m_rows), m_dateOrder and m_bOpenBalance.
//
// Object names: "groups", "dateOrder", "summary", "ledger", "openBalance", "ok", "cancel".
class CDlgReconcile : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgReconcile(QWidget* pParent = nullptr);

    CReconcilePlan m_plan;
    const CTallywiseDoc* m_pDoc = nullptr;
    std::string m_strFileName;
    std::vector<CDateOrderChoice> m_orders;
    EDateOrder m_dateOrder = EDateOrder::MDY;
    std::function<std::optional<CReconcilePlan>(EDateOrder)> m_fnReplan;
    std::vector<bool> m_ticks;
    bool m_bOpenBalance = false;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    void LayOut();
    void ShowPlan();
    void OnDateOrderChanged(int nIndex);
    QTreeWidgetItem* AddGroup(const QString& strTitle, int nCount, bool bExpanded);
    void AddBankLine(QTreeWidgetItem* pGroup, const CReconcileLine& line);
    void AddEntryLine(QTreeWidgetItem* pGroup, const CReconcileLine& line);

    QLabel* m_pFile;
    QLabel* m_pOrderLabel;
    QComboBox* m_pDateOrder;
    QTreeWidget* m_pGroups;
    QLabel* m_pSummary;
    QLabel* m_pLedger;
    QCheckBox* m_pOpenBalance;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
