#pragma once
#include "core/document/CDescList.h"
#include "core/document/CUserType.h"
#include "gui/framework/CDlgBase.h"
#include <cstdint>
#include <string>

class CDateFieldPopup;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Automatic Entry": one recurring entry. The caller fills the members, runs it and, on
// OK, reads them back; the description list is edited in place through "..." and must be
// taken back whatever the result.
//
// Object names: "monthly", "everyDays", "dayOfMonth", "numDays", "starting", "amount",
// "debit", "credit", "type", "desc", "descList", "ok", "cancel".
class CDlgAEEntry : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgAEEntry(const CUserTypeTable* pUserTypes = nullptr, QWidget* pParent = nullptr);

    int m_nPeriod = 0; // 0 "Monthly", 1 "Every # of Days"
    int m_nDayOfMonth = 1;
    int m_nNumDays = 1;
    int m_nDay = 1; // "Starting:"
    int m_nMonth = 1;
    int m_nYear = 1970;
    double m_dAmount = 0.0;
    int m_nDebitCredit = 0; // 0 "Debit", 1 "Credit"
    int m_nTypeIndex = 0;   // position in the Type list, not a type code
    std::string m_strDesc;  // UTF-8, at most 255 characters
    CDescList m_descs;

    const CUserTypeTable* m_pUserTypes = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    void CreateControls();
    void CreateStartingField();
    void LayOutControls();
    void FillDescBox();
    void ShowStartDate();
    void OnPeriodChanged();
    void OnDescList();

    QRadioButton* m_pMonthly = nullptr;
    QRadioButton* m_pEveryDays = nullptr;
    QButtonGroup* m_pPeriod = nullptr;
    QLineEdit* m_pDayOfMonth = nullptr;
    QLineEdit* m_pNumDays = nullptr;
    QLineEdit* m_pStarting = nullptr;
    QLineEdit* m_pAmount = nullptr;
    QRadioButton* m_pDebit = nullptr;
    QRadioButton* m_pCredit = nullptr;
    QButtonGroup* m_pDebitCredit = nullptr;
    QComboBox* m_pType = nullptr;
    QComboBox* m_pDesc = nullptr;
    QPushButton* m_pDescList = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    CDateFieldPopup* m_pDatePopup;
};
