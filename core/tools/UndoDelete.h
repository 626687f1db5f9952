#pragma once
#include "core/document/CEntry.h"
#include <cstdint>
#include <optional>

class CTallywiseDoc;

// The deleted-entry list, oldest first.
CDeletedEntry* DeletedEntryAt(CDeletedEntry* pHead, std::uint16_t nIndex);
// Unlinks and frees the record at nIndex; false when there is none.
bool RemoveDeletedEntry(CDeletedEntry*& pHead, std::uint16_t& nCount, std::uint16_t nIndex);

// Puts the deleted entry at nIndex back into the register and drops it from the deleted
// list. Returns where it landed; when the register refuses it (a full count), it stays in
// the deleted list and nothing is returned.
std::optional<std::uint16_t> RestoreDeletedEntry(CTallywiseDoc& doc, std::uint16_t nIndex);
