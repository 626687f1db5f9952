#pragma once
#include <ctime>
#include <optional>
#include <string>

class CTallywiseDoc;

enum class EExportFormat { Csv, Qif };

// From the extension of the file name: ".csv" or ".qif".
std::optional<EExportFormat> ExportFormatFromPath(const std::string& strPath);

// Which entries: all, or those dated from..to (the print range).
struct CExportRange {
    bool m_bAll = true;
    std::time_t m_from = 0;
    std::time_t m_to = 0;
};

// UTF-8 with a byte-order mark, CR LF, a header row.
std::string BuildCsvExport(const CTallywiseDoc& doc, const CExportRange& range);
// Windows-1252, CR LF, one !Type:Bank section.
std::string BuildQifExport(const CTallywiseDoc& doc, const CExportRange& range);
// Writes the file atomically; false with the reason when it cannot be written.
bool ExportRegister(const CTallywiseDoc& doc, const std::string& strPath, EExportFormat format,
                    const CExportRange& range, std::string& strError);
