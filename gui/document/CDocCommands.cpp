#include "CDocCommands.h"
#include "CDlgBankInfo.h"
#include "CDlgChangePassword.h"
#include "CDlgPassword.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/Protection.h"

void CDocCommands::OnSetPassword() {
    if (!m_doc.IsPasswordSet()) {
        CDlgPassword dlg(m_pParent);
        if (dlg.exec() == QDialog::Accepted)
            SetPassword(m_doc, dlg.m_strPassword);
        return;
    }
    CDlgChangePassword dlg(m_pParent);
    dlg.m_strCurrent = m_doc.Password();
    if (dlg.exec() == QDialog::Accepted)
        ChangePassword(m_doc, dlg.m_strNewPassword);
}

void CDocCommands::OnBankInfo() {
    CDlgBankInfo dlg(m_pParent);
    const CBankInfo& bank = m_doc.BankInfo();
    dlg.m_strBankName = bank.m_strBankName;
    dlg.m_strAccountNum = bank.m_strAccountNum;
    dlg.m_strAccountName = bank.m_strAccountName;
    if (dlg.exec() == QDialog::Accepted)
        SetBankInfo(m_doc, dlg.m_strBankName, dlg.m_strAccountNum, dlg.m_strAccountName);
}
