#pragma once
#include <cstdint>
#include <optional>

class CTallywiseDoc;

// Puts the deleted entry at nIndex back into the register and drops it from the deleted
// list. Returns where it landed; when the register refuses it (a full count), it stays in
// the deleted list and nothing is returned.
std::optional<std::uint16_t> RestoreDeletedEntry(CTallywiseDoc& doc, std::uint16_t nIndex);
