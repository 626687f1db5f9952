#pragma once
#include "gui/framework/CDlgBase.h"
#include <string>

class QLabel;
class QLineEdit;

// "Enter Password": asks for the password while a protected register is read.
// m_strFileName in (the file name without folder); m_strPassword out on OK.
//
// Object names: "prompt", "password", "ok", "cancel".
class CDlgEnterPassword : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgEnterPassword(QWidget* pParent = nullptr);

    std::string m_strFileName;
    std::string m_strPassword;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    QLabel* m_pPrompt;
    QLineEdit* m_pPassword;
};
