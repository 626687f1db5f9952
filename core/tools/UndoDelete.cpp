#include "UndoDelete.h"
#include "core/document/CTallywiseDoc.h"

std::optional<std::uint16_t> RestoreDeletedEntry(CTallywiseDoc& doc, std::uint16_t nIndex) {
    if (nIndex >= doc.DeletedEntries().size())
        return std::nullopt;
    const std::vector<std::uint16_t> positions = doc.RestoreDeletedEntries({nIndex});
    if (positions.empty())
        return std::nullopt;
    return positions.front();
}
