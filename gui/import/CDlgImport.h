#pragma once
#include "core/import/Import.h"
#include "gui/framework/CDlgBase.h"
#include <functional>
#include <string>
#include <vector>

class CImportModel;
class CTallywiseDoc;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// One date order the file's dates can be read in, and how many of its transactions the
// register already holds when read so.
struct CDateOrderChoice {
    EDateOrder m_order = EDateOrder::MDY;
    int m_nDuplicates = 0;
};

// "Import": every transaction of a bank file with a tick, duplicates unticked and marked.
// In: m_plan, m_pDoc (the register, for the entries duplicates match), m_strFileName,
// m_orders (the orders that read the file's dates; the box shows when there are several)
// with m_dateOrder and m_fnReplan (reads the file again in another date order),
// m_fnLimitMessage (the refusal for so many entries). Out on OK: m_ticks, m_dateOrder.
//
// Object names: "transactions", "dateOrder", "orderHint", "summary", "notes", "ticked",
// "tickAll", "untickAll", "ok", "cancel".
class CDlgImport : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgImport(QWidget* pParent = nullptr);

    CImportPlan m_plan;
    const CTallywiseDoc* m_pDoc = nullptr;
    std::string m_strFileName;
    std::vector<CDateOrderChoice> m_orders;
    EDateOrder m_dateOrder = EDateOrder::MDY;
    std::function<std::optional<CImportPlan>(EDateOrder)> m_fnReplan;
    std::function<std::string(int)> m_fnLimitMessage;
    std::vector<bool> m_ticks;

protected:
    void OnInitDialog() override;
    bool OnOK() override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void LayOut();
    void OnDateOrderChanged(int nIndex);
    void ShowPlan();
    void ShowOrderHint();
    void UpdateTicked();
    void SizeColumns();

    QLabel* m_pFile;
    QLabel* m_pOrderLabel;
    QComboBox* m_pDateOrder;
    QLabel* m_pOrderHint;
    QTableView* m_pTable;
    CImportModel* m_pModel;
    QLabel* m_pSummary;
    QLabel* m_pNotes;
    QLabel* m_pTicked;
    QPushButton* m_pTickAll;
    QPushButton* m_pUntickAll;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
