#pragma once
#include <string>

// Template string 128: title, new-document title, type name, filter, extension, file type
// identifier, file type name.
inline constexpr const char* DOC_TEMPLATE =
    "Tallywise v3.5\nTWDoc\nTWDoc\nTallywise Files (*.twd)\n.twd\nTallywise.Document\n"
    "Tallywise Document";
enum EDocString {
    DS_WINDOW_TITLE,
    DS_DOC_NAME,
    DS_FILE_NEW_NAME,
    DS_FILTER,
    DS_EXT,
    DS_REG_TYPE_ID,
    DS_REG_TYPE_NAME
};
std::string GetDocString(EDocString n);
