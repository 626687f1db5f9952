#pragma once
#include "core/document/CDescList.h"
#include "core/document/CUserType.h"
#include "gui/framework/CDlgBase.h"
#include <QIcon>
#include <cstdint>
#include <string>

class CDateFieldPopup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// The Entry dialog of Add Entry and Edit Entry. The caller fills the members, runs it and,
// on OK, reads them back; the description list (m_descs) is edited in place
// through "..." and must be taken back whatever the result.
//
// Object names: "date", "desc", "descList", "amount", "debit", "credit", "type",
// "checkNum", "cleared", "pin", "ok", "cancel".
class CDlgEntry : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgEntry(const CUserTypeTable* pUserTypes = nullptr, QWidget* pParent = nullptr);

    int m_nDay = 1;
    int m_nMonth = 1;
    int m_nYear = 1970;
    CDescList m_descs;
    bool m_bAddMode = true;
    // Edit only: the check number was proposed because the entry is not a check.
    bool m_bNextCheckOffered = false;

    bool m_bCleared = false;
    std::string m_strDesc; // UTF-8, at most 255 characters
    int m_nTypeIndex = 1;  // position in the Type list, not a type code
    double m_dAmount = 0.0;
    unsigned int m_nCheckNum = 0;
    int m_nDebitCredit = 0; // 0 "Debit", 1 "Credit"
    bool m_bPinned = false;

    // The user types offered after the built-in ones; none when not set.
    const CUserTypeTable* m_pUserTypes = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    void CreateControls();
    void CreateDateField();
    void LayOutControls();
    void FillDescBox();
    void FillTypeList();
    void ShowDate();
    void ShowPin();
    void OnDescList();
    void OnTypeChanged(int nIndex);
    void OnPinClicked();

    QIcon m_bmpPinOut;
    QIcon m_bmpPinIn;
    QToolButton* m_pPin = nullptr;
    QLineEdit* m_pCheckNum = nullptr;
    QLineEdit* m_pDate = nullptr;
    QLineEdit* m_pAmount = nullptr;
    QComboBox* m_pType = nullptr;
    QComboBox* m_pDesc = nullptr;
    QPushButton* m_pDescList = nullptr;
    QRadioButton* m_pDebit = nullptr;
    QRadioButton* m_pCredit = nullptr;
    QButtonGroup* m_pDebitCredit = nullptr;
    QCheckBox* m_pCleared = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    CDateFieldPopup* m_pDatePopup;
};
