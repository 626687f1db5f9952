#pragma once
#include "core/document/CTallywiseDoc.h"
#include <cstdint>
#include <vector>

// Starts a test from a register with no unsaved change, as after a save: the document is
// read back from its own bytes (only a load or a save clears the flag).
inline void MarkUnmodified(CTallywiseDoc& doc) {
    const std::vector<std::uint8_t> bytes = doc.SaveToBuffer();
    doc.LoadFromBuffer(bytes.data(), bytes.size(), doc.GetTitle());
}
