#pragma once
#include <map>
#include <optional>
#include <string>

// Popup help texts live in one plain-text file per help topic:
//
//   # A comment line.
//   1500 The first line of the text of help id 1500,
//        continued on a line that begins with a space or a tab.
//
// A line that starts with a number starts a text; a blank line ends it; "#" lines are
// skipped anywhere. Continuation lines are joined with one space. UTF-8, LF or CR LF.

// Reads every text of a popup file. On a malformed line returns false, leaves out as it
// was and, when pnBadLine is given, stores the 1-based number of that line there.
bool ParseHelpPopups(const std::string& strText, std::map<int, std::string>& out,
                     int* pnBadLine = nullptr);

// The popup file name of a topic: "::/DlgStartBal.txt" gives "DlgStartBal.txt". Anything
// but a plain name of letters, digits, '_' and '-' with the extension ".txt" after "::/"
// is refused, so a topic can never reach outside the help folder.
std::optional<std::string> HelpTopicFileName(const std::string& strTopic);
