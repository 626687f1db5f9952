#pragma once
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

// "Set Password" while the register has no password: the password twice; m_strPassword
// out on OK (empty when both fields were left empty).
//
// Object names: "password", "again", "ok", "cancel".
class CDlgPassword : public QDialog {
    Q_OBJECT
public:
    explicit CDlgPassword(QWidget* pParent = nullptr);

    std::string m_strPassword;

    void setVisible(bool bVisible) override;
    void accept() override;

private:
    void OnInitDialog();
    bool OnOK();

    QLineEdit* m_pPassword;
    QLineEdit* m_pAgain;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};

// A masked field of at most 12 characters that the register file can store.
QLineEdit* MakePasswordField(QWidget* pParent, const char* pszName);
