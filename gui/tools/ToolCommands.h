#pragma once

class CCommandContext;
class CTallywiseDoc;

// The update handler of the five tools that work on a register whose starting balance is set:
// Automatic Entries, Undo Delete, Balance, Search and Statistics.
bool OnUpdateNeedsStartBal(const CCommandContext& context);

// Balance and Statistics have nothing to show for an empty register; false after saying so.
bool HasEntries(const CTallywiseDoc& doc);

// Offers the automatic entries that fell due; the posted ones arrive in the list as one
// change, and the last of them is the row shown.
void PostAndShowDueEntries(CCommandContext& context);
