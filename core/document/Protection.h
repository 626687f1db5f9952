#pragma once
#include <string>

class CTallywiseDoc;

inline constexpr const char* PASSWORDS_NOT_SAME = "Passwords are not the same.";
inline constexpr const char* NO_PASSWORD_SET = "No password set.";
inline constexpr const char* PASSWORD_SET = "Password set.";
inline constexpr const char* OLD_PASSWORD_WRONG = "Old password is not correct";
inline constexpr const char* NEW_PASSWORDS_NOT_SAME = "New passwords are not the same.";
inline constexpr const char* PASSWORD_REMOVED = "Password removed.";
inline constexpr const char* PASSWORD_CHANGED = "Password changed.";

// The OK checks of the two Set Password dialogs: empty when the dialog may close,
// otherwise the message to show. Passwords compare exactly, case and all.
std::string CheckNewPassword(const std::string& strPassword, const std::string& strAgain);
std::string CheckChangedPassword(const std::string& strCurrent, const std::string& strOld,
                                 const std::string& strNew, const std::string& strAgain);

// What OK does while the register has no password: an empty one sets nothing and leaves
// the document unmodified. Tells the user the outcome.
void SetPassword(CTallywiseDoc& doc, const std::string& strPassword);
// What OK does while it has one: an empty new password removes the protection.
void ChangePassword(CTallywiseDoc& doc, const std::string& strNew);
// Marks the document modified even when nothing changed.
void SetBankInfo(CTallywiseDoc& doc, const std::string& strBankName,
                 const std::string& strAccountNum, const std::string& strAccountName);
