#pragma once
#include "gui/framework/CDlgBase.h"
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

// "Choose Account": a bank file holds several accounts and only one is imported. In:
// m_labels (one line per account); out on OK: m_nChosen.
//
// Object names: "accounts", "ok", "cancel".
class CDlgImportAccount : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgImportAccount(QWidget* pParent = nullptr);

    std::vector<std::string> m_labels;
    std::string m_strFileName;
    int m_nChosen = 0;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    QLabel* m_pPrompt;
    QListWidget* m_pAccounts;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
