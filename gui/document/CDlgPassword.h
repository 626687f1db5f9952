#pragma once
#include "gui/framework/CDlgBase.h"
#include <string>
#include <utility>
#include <vector>

class CCommandContext;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QString;

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

// The layout of both password dialogs: two lines of explanation, the labelled fields, the
// row of buttons; the dialog keeps its size.
void LayOutPasswordDialog(QWidget* pDlg, const QString& strLine1, const QString& strLine2,
                          const std::vector<std::pair<QString, QLineEdit*>>& fields,
                          QHBoxLayout* pButtons);

// File > Set Password: "Set Password" while the register has none, the change of password
// while it has one.
void OnSetPassword(CCommandContext& context);
