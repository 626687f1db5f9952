#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// "Starting Balance": m_dStartBal in, and out on OK.
//
// Object names: "startBal", "ok", "cancel".
class CDlgStartBal : public QDialog {
    Q_OBJECT
public:
    explicit CDlgStartBal(QWidget* pParent = nullptr);

    double m_dStartBal = 0.0;

    void setVisible(bool bVisible) override;
    void accept() override;

private:
    void OnInitDialog();

    QLineEdit* m_pStartBal;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
