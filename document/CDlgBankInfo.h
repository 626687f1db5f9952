#pragma once
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

// "Bank Info": the three bank lines in, and out on OK.
//
// Object names: "bankName", "accountNum", "accountName", "ok", "cancel".
class CDlgBankInfo : public QDialog {
    Q_OBJECT
public:
    explicit CDlgBankInfo(QWidget* pParent = nullptr);

    std::string m_strBankName;
    std::string m_strAccountNum;
    std::string m_strAccountName;

    void setVisible(bool bVisible) override;
    void accept() override;

private:
    void OnInitDialog();
    bool OnOK();

    QLineEdit* m_pBankName;
    QLineEdit* m_pAccountNum;
    QLineEdit* m_pAccountName;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
