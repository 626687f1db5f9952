#pragma once
#include "../framework/CDlgBase.h"
#include <string>

class QLineEdit;
class QPushButton;

// "Set Password" while the register has no password: the password twice; m_strPassword
// out on OK (empty when both fields were left empty).
//
// Object names: "password", "again", "ok", "cancel".
class CDlgPassword : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgPassword(QWidget* pParent = nullptr);

    std::string m_strPassword;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    QLineEdit* m_pPassword;
    QLineEdit* m_pAgain;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};

// A masked field of at most 12 characters that the register file can store.
QLineEdit* MakePasswordField(QWidget* pParent, const char* pszName);
