#pragma once
#include "core/document/CEntry.h"
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

class CTallywiseDoc;
struct CEntry;

inline constexpr const char* ARCHIVE_NO_ENTRIES = "There are no entries to archive.";
inline constexpr const char* ARCHIVE_SAVE_FIRST =
    "You must save this file before you\ncan archive old entries.";
inline constexpr const char* ARCHIVE_NOT_CLEARED =
    "All entries to be archived must\nbe marked as cleared.";

// What the "Archive Old Entries" dialog starts with.
struct CArchiveSetup {
    std::time_t m_startDate = 0;  // date of the first entry
    std::time_t m_endDate = 0;    // last date to archive, at first the start date
    std::time_t m_latestDate = 0; // date of the last entry, the end date's upper bound
    std::string m_strFileName;
};

// "Home.twd" and number 1 give "Home01.twa"; a name without extension gets the number
// appended ("Home" gives "Home01.twa").
std::string ArchiveFileName(const std::string& strDocPath, std::uint32_t nNumber);
// The name of archive nArchives + 1, or of the first later number whose file does not
// exist yet: a register restored from an older copy must not replace an archive that holds
// entries found nowhere else.
std::string FreeArchiveFileName(const std::string& strDocPath, std::uint32_t nArchives);

// The refusals before the dialog opens (shown to the user) and the dialog's first values.
std::optional<CArchiveSetup> PrepareArchive(CTallywiseDoc& doc);

// Keeps an end date between the start date and the latest date.
std::time_t SnapEndDate(std::time_t endDate, std::time_t startDate, std::time_t latestDate);
// The first entry and every following one not later than endDate.
std::uint16_t CountEntriesToArchive(const std::vector<CEntry>& entries, std::time_t endDate);
bool AllCleared(const std::vector<CEntry>& entries, std::uint16_t nCount);

enum class EArchiveResult {
    Archived,    // written, removed and saved
    NoEntries,   // refused; the register is empty
    NotCleared,  // refused; nothing written or changed
    SaveTarget,  // refused: the save right after would overwrite the archive
    Declined,    // the newest archive already ends with these entries; the user said No
    WriteFailed, // the archive file could not be written; nothing changed
    SaveFailed   // archived, but the register could not be saved: it stays modified
};

struct CArchiveRequest {
    std::string m_strFileName;
    std::time_t m_startDate = 0;
    std::time_t m_endDate = 0;
    // The user agreed to replace an existing file of this name; otherwise such a file is
    // left alone and the archive fails.
    bool m_bMayReplace = false;
};

// Writes the archive, then removes the archived entries, carries their balance forward
// as the starting balance, counts the archive and saves the register. Every failure is
// shown to the user.
EArchiveResult ArchiveEntries(CTallywiseDoc& doc, const CArchiveRequest& request);

// The archive file of the register with the highest number ("Home07.twa"), or empty.
std::string NewestArchiveFile(const std::string& strDocPath);
// True when the text strFile ends with the entry lines strEntryLines (dates, amounts and
// descriptions; the running balances aside).
bool EndsWithEntries(const std::string& strFile, const std::string& strEntryLines);

// The refusal of an archive file name that saving the register writes.
std::string SaveTargetMessage(const std::string& strFile);

// True when saving the register writes strFile: the register itself, its backup copy or
// its text copy.
bool IsWrittenBySave(const std::string& strDocPath, const std::string& strFile);

// The whole file goes to a temporary file beside strPath, is flushed and then renamed.
bool WriteArchiveFile(const std::string& strPath, const std::string& strBytes, bool bMayReplace,
                      std::string& strError);
