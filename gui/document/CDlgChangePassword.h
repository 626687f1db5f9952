#pragma once
#include "gui/framework/CDlgBase.h"
#include <string>

class QLineEdit;
class QPushButton;

// "Set Password" while the register has a password: the old one and the new one twice.
// m_strCurrent in; m_strNewPassword out on OK (empty: remove the protection).
//
// Object names: "oldPassword", "newPassword", "again", "ok", "cancel".
class CDlgChangePassword : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgChangePassword(QWidget* pParent = nullptr);

    std::string m_strCurrent;
    std::string m_strNewPassword;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    void ClearFields();

    QLineEdit* m_pOld;
    QLineEdit* m_pNew;
    QLineEdit* m_pAgain;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
