#pragma once
#include "gui/framework/CDlgBase.h"

class CTallywiseDoc;
class QLineEdit;
class QPushButton;

// "Starting Balance": m_dStartBal in, and out on OK.
//
// Object names: "startBal", "ok", "cancel".
class CDlgStartBal : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgStartBal(QWidget* pParent = nullptr);

    double m_dStartBal = 0.0;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    QLineEdit* m_pStartBal;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};

// Before entries are added to a register without a starting balance: asks for it, as this
// dialog. False, after saying that it is needed, when the user declines or cancels.
bool EnsureStartingBalance(CTallywiseDoc& doc, QWidget* pParent);
