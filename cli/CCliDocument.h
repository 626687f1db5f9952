#pragma once
#include "core/document/CTallywiseDoc.h"
#include "core/framework/CQuietServices.h"
#include "core/framework/IClock.h"
#include "core/settings/CSettings.h"
#include <optional>
#include <string>

// A register opened from the command line, with quiet services and the user's own
// settings, so a save writes the backup and text copies exactly when the window would.
struct CCliDocument {
    explicit CCliDocument(std::optional<std::string> password);

    CQuietMessages m_messages;
    CGivenPassword m_password;
    CSystemClock m_clock;
    CSettings m_settings;
    CTallywiseDoc m_doc;
};
