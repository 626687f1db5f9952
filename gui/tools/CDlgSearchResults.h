#pragma once
#include "core/document/CEntry.h"
#include "core/document/CUserType.h"
#include "core/tools/Search.h"
#include "gui/framework/CDlgBase.h"
#include <cstdint>

class CSearchResultsModel;
class QLabel;
class QPushButton;
class QTableView;

// "Search Results": the matches in register order with their count and totals. The caller
// owns the copies (m_pResults, m_nResults) and keeps them until the dialog has closed.
//
// Object names: "results" (list 1132), "found" 1131, "debitTotal" 1091, "creditTotal" 1092,
// "done".
class CDlgSearchResults : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgSearchResults(const CUserTypeTable& userTypes, QWidget* pParent = nullptr);

    const CSearchResults* m_pResults = nullptr;

protected:
    void OnInitDialog() override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void UpdateColumnWidths();

    CSearchResultsModel* m_pModel;
    QTableView* m_pList;
    QLabel* m_pFound;
    QLabel* m_pDebitTotal;
    QLabel* m_pCreditTotal;
    QPushButton* m_pDone;
};
