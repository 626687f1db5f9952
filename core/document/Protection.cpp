#include "Protection.h"
#include "CTallywiseDoc.h"
#include "core/framework/IUserMessages.h"

std::string CheckNewPassword(const std::string& strPassword, const std::string& strAgain) {
    return strPassword == strAgain ? std::string() : PASSWORDS_NOT_SAME;
}

std::string CheckChangedPassword(const std::string& strCurrent, const std::string& strOld,
                                 const std::string& strNew, const std::string& strAgain) {
    if (strOld != strCurrent)
        return OLD_PASSWORD_WRONG;
    if (strNew != strAgain)
        return NEW_PASSWORDS_NOT_SAME;
    return std::string();
}

void SetPassword(CTallywiseDoc& doc, const std::string& strPassword) {
    if (strPassword.empty()) {
        doc.Messages().ShowMessage(NO_PASSWORD_SET, EMsgIcon::Information);
        return;
    }
    doc.SetModifiedFlag();
    doc.m_bPassword = 1;
    doc.m_strPassword = strPassword;
    doc.Messages().ShowMessage(PASSWORD_SET, EMsgIcon::Information);
}

void ChangePassword(CTallywiseDoc& doc, const std::string& strNew) {
    doc.SetModifiedFlag();
    if (strNew.empty()) {
        doc.m_bPassword = 0;
        doc.m_strPassword.clear();
        doc.Messages().ShowMessage(PASSWORD_REMOVED, EMsgIcon::Information);
        return;
    }
    doc.m_strPassword = strNew;
    doc.Messages().ShowMessage(PASSWORD_CHANGED, EMsgIcon::Information);
}

void SetBankInfo(CTallywiseDoc& doc, const std::string& strBankName,
                 const std::string& strAccountNum, const std::string& strAccountName) {
    doc.SetModifiedFlag();
    doc.m_strBankName = strBankName;
    doc.m_strAccountNum = strAccountNum;
    doc.m_strAccountName = strAccountName;
}
