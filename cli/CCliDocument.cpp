#include "CCliDocument.h"
#include "core/settings/CIniSettingsStore.h"

namespace {
CSettings UserSettings() {
    CSettings settings;
    CIniSettingsStore store(CIniSettingsStore::UserSettingsPath());
    settings.ReadSettings(store);
    return settings;
}
} // namespace

CCliDocument::CCliDocument(std::optional<std::string> password)
    : m_password(std::move(password)), m_settings(UserSettings()),
      m_doc(CDocServices{m_messages, m_password, m_clock, m_settings.m_userTypes}) {
    CSaveOptions options = m_settings.SaveOptions();
    options.m_pLastFile = nullptr; // the command line leaves the window's settings alone
    m_doc.SetSaveOptions(options);
    m_doc.OnNewDocument();
}
