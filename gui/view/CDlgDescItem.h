#pragma once
#include "gui/framework/CDlgBase.h"
#include <string>

class QLineEdit;
class QPushButton;

// "Description Item": edits one string of the description list. m_strText (UTF-8) in, and
// out on OK.
//
// Object names: "text", "ok", "cancel".
class CDlgDescItem : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgDescItem(QWidget* pParent = nullptr);

    std::string m_strText;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    QLineEdit* m_pText;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
