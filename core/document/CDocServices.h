#pragma once
#include "CUserType.h"
#include <string>

class IClock;
class IPasswordPrompt;
class IUserMessages;

// What a document needs from outside it. The user-type table is shared with the window
// (every list that shows types reads it); a document fills it on load and writes it on save.
struct CDocServices {
    IUserMessages& m_messages;
    IPasswordPrompt& m_password;
    IClock& m_clock;
    CUserTypeTable& m_userTypes;
};

// The settings a save follows and the "LastFile" that an open or save records. They belong
// to whoever keeps the settings; a null pointer means no backup copy, no text copy, and
// nothing recorded.
struct CSaveOptions {
    const int* m_pBackup = nullptr;
    const int* m_pTextBackup = nullptr;
    std::string* m_pLastFile = nullptr;
};
