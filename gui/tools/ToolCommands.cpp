#include "ToolCommands.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/IClock.h"
#include "core/framework/IUserMessages.h"
#include "core/tools/AutoEntries.h"
#include "gui/framework/CCommandContext.h"

bool OnUpdateNeedsStartBal(const CCommandContext& context) {
    return context.m_doc.IsStartBalSet();
}

bool HasEntries(const CTallywiseDoc& doc) {
    if (doc.EntryCount() > 0)
        return true;
    doc.Messages().ShowMessage("There are no entries.", EMsgIcon::Information);
    return false;
}

void PostAndShowDueEntries(CCommandContext& context) {
    const CPostResult result = PostDueAutoEntries(context.m_doc, context.m_clock.Now());
    if (result.m_nLastPos)
        context.m_list.ShowRow(*result.m_nLastPos);
}
