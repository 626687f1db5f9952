#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Whole-file helpers. Failures are results: the caller decides what the user sees.
bool ReadWholeFile(const std::string& strPath, std::vector<std::uint8_t>& bytes,
                   std::string& strError);
// Writes to a temporary file beside strPath, flushes it and renames it over strPath, so
// an interrupted or failed write never destroys the previous file.
bool WriteFileAtomic(const std::string& strPath, const std::vector<std::uint8_t>& bytes,
                     std::string& strError);
// Removes the hidden temporary files that an interrupted write of this program left in
// dir: ".NAME.twd.XXXXXX" and ".NAME.twa.XXXXXX", and ".NAME.bak.XXXXXX" or
// ".NAME.txt.XXXXXX" beside a register NAME.twd. Done before each write in that folder.
void RemoveWriteLeftovers(const std::string& strDir);
// Text mode: each "\n" becomes CR LF (unless the text is already converted). Creates or
// truncates the file, holding an exclusive lock while writing.
bool WriteTextFile(const std::string& strPath, const std::string& strText, bool bTextMode = true);
std::string ToTextMode(const std::string& strText);
std::string FileNameOf(const std::string& strPath);
std::string AbsolutePath(const std::string& strPath);
// Replaces the extension (or appends one when the name has none): "May.twd" + "bak".
std::string ReplaceExtension(const std::string& strPath, const std::string& strExt);
bool HasExtension(const std::string& strPath);
