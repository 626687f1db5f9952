#include "ToolCommands.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/IUserMessages.h"
#include "gui/framework/CCommandContext.h"

bool OnUpdateNeedsStartBal(const CCommandContext& context) {
    return context.m_doc.m_bStartBalSet != 0;
}

bool HasEntries(const CTallywiseDoc& doc) {
    if (doc.m_nEntries > 0)
        return true;
    doc.Messages().ShowMessage("There are no entries.", EMsgIcon::Information);
    return false;
}
