#include "Archive.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/Format.h"
#include "core/framework/IUserMessages.h"
#include "core/framework/TextFile.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool WriteAll(int fd, const std::string& strBytes) {
    const char* p = strBytes.data();
    std::size_t nLeft = strBytes.size();
    while (nLeft > 0) {
        const ssize_t n = ::write(fd, p, nLeft);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        nLeft -= static_cast<std::size_t>(n);
    }
    return true;
}

// Moves the finished temporary file to its name; without bMayReplace an existing file
// makes this fail (a hard link never replaces its target).
int PublishFile(const char* pszTemp, const std::string& strPath, bool bMayReplace) {
    if (bMayReplace)
        return ::rename(pszTemp, strPath.c_str()) == 0 ? 0 : errno;
    if (::link(pszTemp, strPath.c_str()) == 0) {
        ::unlink(pszTemp);
        return 0;
    }
    const int nErr = errno;
    if (nErr == EEXIST)
        return nErr;
    // File systems without hard links: check, then rename.
    struct stat st {};
    if (::lstat(strPath.c_str(), &st) == 0)
        return EEXIST;
    return ::rename(pszTemp, strPath.c_str()) == 0 ? 0 : errno;
}

std::uint32_t NextNumber(std::uint32_t n) {
    return n + 1;
}

// The lines of a text register with the running balance cut off each.
std::vector<std::string> LinesWithoutBalance(const std::string& strText) {
    std::vector<std::string> lines;
    std::size_t nStart = 0;
    while (nStart < strText.size()) {
        std::size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        std::string strLine = strText.substr(nStart, nEnd - nStart);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        strLine.erase(std::min(strLine.size(), strLine.rfind(' ')));
        strLine.erase(strLine.find_last_not_of(' ') + 1);
        lines.push_back(std::move(strLine));
        nStart = nEnd + 1;
    }
    return lines;
}

} // namespace

std::string NewestArchiveFile(const std::string& strDocPath) {
    const fs::path path(strDocPath);
    const std::string strStem =
        path.has_extension() ? path.stem().string() : path.filename().string();
    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    std::string strNewest;
    unsigned long nNewest = 0;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string strName = it->path().filename().string();
        if (strName.size() < strStem.size() + 6 || strName.compare(0, strStem.size(), strStem) ||
            strName.compare(strName.size() - 4, 4, ".twa"))
            continue;
        const std::string strDigits =
            strName.substr(strStem.size(), strName.size() - strStem.size() - 4);
        if (strDigits.size() > 9 || strDigits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const unsigned long nNumber = std::stoul(strDigits);
        if (strNewest.empty() || nNumber > nNewest) {
            nNewest = nNumber;
            strNewest = it->path().string();
        }
    }
    return strNewest;
}

bool EndsWithEntries(const std::string& strFile, const std::string& strEntryLines) {
    const std::vector<std::string> file = LinesWithoutBalance(strFile);
    const std::vector<std::string> entries = LinesWithoutBalance(strEntryLines);
    return !entries.empty() && file.size() >= entries.size() &&
           std::equal(entries.begin(), entries.end(), file.end() - entries.size());
}

std::string ArchiveFileName(const std::string& strDocPath, std::uint32_t nNumber) {
    fs::path path(strDocPath);
    std::string strStem = path.has_extension() ? path.stem().string() : path.filename().string();
    return (path.parent_path() / (strStem + Format("%02u", nNumber) + ".twa")).string();
}

std::string FreeArchiveFileName(const std::string& strDocPath, std::uint32_t nArchives) {
    std::uint32_t nNumber = NextNumber(nArchives);
    std::string strName = ArchiveFileName(strDocPath, nNumber);
    std::error_code ec;
    // Stops when the numbers run out, leaving the last name for the user to change.
    while (fs::symlink_status(strName, ec).type() != fs::file_type::not_found &&
           NextNumber(nNumber) != 0) {
        nNumber = NextNumber(nNumber);
        strName = ArchiveFileName(strDocPath, nNumber);
    }
    return strName;
}

bool IsWrittenBySave(const std::string& strDocPath, const std::string& strFile) {
    std::error_code ec;
    const fs::path file = fs::weakly_canonical(fs::absolute(strFile, ec), ec);
    for (const char* pszExt : {"", "bak", "txt"}) {
        const std::string strWritten = *pszExt ? ReplaceExtension(strDocPath, pszExt) : strDocPath;
        if (fs::weakly_canonical(fs::absolute(strWritten, ec), ec) == file)
            return true;
    }
    return false;
}

std::string SaveTargetMessage(const std::string& strFile) {
    return Format("Saving the register writes %s,\nso it cannot hold the archive. Choose "
                  "another file name.",
                  strFile.c_str());
}

std::optional<CArchiveSetup> PrepareArchive(CTallywiseDoc& doc) {
    if (doc.Entries().empty()) {
        doc.Messages().ShowMessage(ARCHIVE_NO_ENTRIES, EMsgIcon::Information);
        return std::nullopt;
    }
    if (doc.GetPathName().empty() || doc.IsModified()) {
        doc.Messages().ShowMessage(ARCHIVE_SAVE_FIRST, EMsgIcon::Information);
        return std::nullopt;
    }
    CArchiveSetup setup;
    setup.m_strFileName = FreeArchiveFileName(doc.GetPathName(), doc.ArchiveCount());
    setup.m_startDate = doc.Entries().front().m_date;
    setup.m_endDate = setup.m_startDate;
    setup.m_latestDate = doc.Entries().back().m_date;
    return setup;
}

std::time_t SnapEndDate(std::time_t endDate, std::time_t startDate, std::time_t latestDate) {
    if (endDate < startDate)
        return startDate;
    if (endDate > latestDate)
        return latestDate;
    return endDate;
}

std::uint16_t CountEntriesToArchive(const std::vector<CEntry>& entries, std::time_t endDate) {
    if (entries.empty())
        return 0;
    std::size_t n = 1;
    while (n < entries.size() && entries[n].m_date <= endDate)
        ++n;
    return static_cast<std::uint16_t>(n);
}

bool AllCleared(const std::vector<CEntry>& entries, std::uint16_t nCount) {
    const std::size_t nEnd = std::min<std::size_t>(nCount, entries.size());
    return std::all_of(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(nEnd),
                       [](const CEntry& e) { return e.m_bCleared != 0; });
}

bool WriteArchiveFile(const std::string& strPath, const std::string& strBytes, bool bMayReplace,
                      std::string& strError) {
    const fs::path target(strPath);
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    RemoveWriteLeftovers(dir.string());
    std::string strTemplate = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(strTemplate.begin(), strTemplate.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        strError = std::strerror(errno);
        return false;
    }
    const mode_t nMask = ::umask(0);
    ::umask(nMask);
    ::fchmod(fd, 0666 & ~nMask);
    bool bOk = WriteAll(fd, strBytes) && ::fsync(fd) == 0;
    int nErr = errno;
    if (::close(fd) != 0 && bOk) {
        bOk = false;
        nErr = errno;
    }
    if (bOk) {
        nErr = PublishFile(name.data(), strPath, bMayReplace);
        bOk = nErr == 0;
    }
    if (!bOk) {
        ::unlink(name.data());
        strError = std::strerror(nErr);
    }
    return bOk;
}

namespace {
// An archive whose register was not saved afterwards still holds the entries: archiving
// them again would write them twice, so the user decides.
bool ConfirmNotArchivedYet(CTallywiseDoc& doc, const CArchiveRequest& request, std::uint16_t nCount,
                           const std::string& strBytes) {
    const std::string strNewest = NewestArchiveFile(doc.GetPathName());
    std::error_code ec;
    if (strNewest.empty() || fs::equivalent(strNewest, request.m_strFileName, ec))
        return true;
    std::vector<std::uint8_t> bytes;
    std::string strError;
    if (!ReadWholeFile(strNewest, bytes, strError))
        return true;
    const std::size_t nHeader =
        doc.BuildTextRegister(0, request.m_startDate, request.m_endDate, true).size();
    if (!EndsWithEntries(std::string(bytes.begin(), bytes.end()), strBytes.substr(nHeader)))
        return true;
    return doc.Messages().AskYesNo(
        Format("The archive file %s\nalready ends with the %u %s about to be archived.\n\n"
               "Archive %s again?",
               strNewest.c_str(), unsigned(nCount), nCount == 1 ? "entry" : "entries",
               nCount == 1 ? "it" : "them"));
}
} // namespace

EArchiveResult ArchiveEntries(CTallywiseDoc& doc, const CArchiveRequest& request) {
    IUserMessages& messages = doc.Messages();
    const std::uint16_t nCount = CountEntriesToArchive(doc.Entries(), request.m_endDate);
    if (nCount == 0) {
        messages.ShowMessage(ARCHIVE_NO_ENTRIES, EMsgIcon::Information);
        return EArchiveResult::NoEntries;
    }
    if (!AllCleared(doc.Entries(), nCount)) {
        messages.ShowMessage(ARCHIVE_NOT_CLEARED, EMsgIcon::Information);
        return EArchiveResult::NotCleared;
    }
    if (IsWrittenBySave(doc.GetPathName(), request.m_strFileName)) {
        messages.ShowMessage(SaveTargetMessage(request.m_strFileName), EMsgIcon::Exclamation);
        return EArchiveResult::SaveTarget;
    }
    const std::string strBytes =
        doc.BuildTextRegister(nCount, request.m_startDate, request.m_endDate, true);
    if (!ConfirmNotArchivedYet(doc, request, nCount, strBytes))
        return EArchiveResult::Declined;
    std::string strError;
    if (!WriteArchiveFile(request.m_strFileName, strBytes, request.m_bMayReplace, strError)) {
        messages.ShowMessage(Format("The archive file %s\ncould not be written: %s.\n\nNo entries "
                                    "were removed from the register.",
                                    request.m_strFileName.c_str(), strError.c_str()),
                             EMsgIcon::Exclamation);
        return EArchiveResult::WriteFailed;
    }
    // Only now that the file holds them do the entries leave the register.
    doc.RemoveArchivedEntries(nCount);
    const bool bSaved = doc.OnSaveDocument(doc.GetPathName());
    doc.RefreshTypeUsage();
    if (!bSaved) {
        messages.ShowMessage(Format("The archived entries are in %s\nand no longer in the "
                                    "register, but the register could not be saved.\nSave it "
                                    "to complete the archive.",
                                    request.m_strFileName.c_str()),
                             EMsgIcon::Exclamation);
        return EArchiveResult::SaveFailed;
    }
    return EArchiveResult::Archived;
}
