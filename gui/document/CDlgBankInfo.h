#pragma once
#include "gui/framework/CDlgBase.h"
#include <string>

class CCommandContext;
class QLineEdit;
class QPushButton;

// "Bank Info": the three bank lines in, and out on OK.
//
// Object names: "bankName", "accountNum", "accountName", "ok", "cancel".
class CDlgBankInfo : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgBankInfo(QWidget* pParent = nullptr);

    std::string m_strBankName;
    std::string m_strAccountNum;
    std::string m_strAccountName;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    QLineEdit* m_pBankName;
    QLineEdit* m_pAccountNum;
    QLineEdit* m_pAccountName;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};

// File > Bank Info: the register's bank lines, changed on OK.
void OnBankInfo(CCommandContext& context);
