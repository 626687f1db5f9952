#pragma once

class CCommandContext;

// File > Reconcile with Bank File...: compares a bank file with the register and, on OK,
// clears the entries the bank has posted and adds the ticked transactions the register
// lacks, as one change; then, when the file gives the bank's balance, opens Balance with it.
void OnFileReconcile(CCommandContext& context);
