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
    doc.SetPassword(strPassword);
    doc.Messages().ShowMessage(PASSWORD_SET, EMsgIcon::Information);
}

void ChangePassword(CTallywiseDoc& doc, const std::string& strNew) {
    if (strNew.empty()) {
        doc.ClearPassword();
        doc.Messages().ShowMessage(PASSWORD_REMOVED, EMsgIcon::Information);
        return;
    }
    doc.SetPassword(strNew);
    doc.Messages().ShowMessage(PASSWORD_CHANGED, EMsgIcon::Information);
}

void SetBankInfo(CTallywiseDoc& doc, const std::string& strBankName,
                 const std::string& strAccountNum, const std::string& strAccountName) {
    doc.SetBankInfo(CBankInfo{strBankName, strAccountNum, strAccountName});
}
