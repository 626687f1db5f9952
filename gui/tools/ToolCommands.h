#pragma once

class CCommandContext;
class CTallywiseDoc;

// The update handler of the five tools that work on a register whose starting balance is set:
// Automatic Entries, Undo Delete, Balance, Search and Statistics.
bool OnUpdateNeedsStartBal(const CCommandContext& context);

// Balance and Statistics have nothing to show for an empty register; false after saying so.
bool HasEntries(const CTallywiseDoc& doc);
