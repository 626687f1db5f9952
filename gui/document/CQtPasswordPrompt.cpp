#include "CQtPasswordPrompt.h"
#include "CDlgEnterPassword.h"
#include "gui/framework/CQtServices.h"

std::string CQtPasswordPrompt::AskPassword(const std::string& strFileName) {
    CDlgEnterPassword dlg(DialogParent(m_pMainWindow));
    dlg.m_strFileName = strFileName;
    if (dlg.exec() != QDialog::Accepted)
        return std::string();
    return dlg.m_strPassword;
}
