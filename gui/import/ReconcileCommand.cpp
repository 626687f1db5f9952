#include "ReconcileCommand.h"
#include "CBankFile.h"
#include "CDlgReconcile.h"
#include "core/document/CTallywiseDoc.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include "gui/framework/CQtServices.h"
#include "gui/tools/CDlgBalance.h"
#include "gui/view/CDlgStartBal.h"
#include <algorithm>

void OnFileReconcile(CCommandContext& context) {
    QWidget* pParent = context.m_pParent;
    CTallywiseDoc& doc = context.m_doc;
    CQtSettingsStore store;
    CBankFile file;
    if (!file.Open(pParent, store, doc) || !EnsureStartingBalance(doc, pParent))
        return;
    CDlgReconcile dlg(pParent);
    dlg.m_plan = BuildReconcilePlan(doc, file.m_read);
    ShowBankFileIn(dlg, file, doc, BuildReconcilePlan);
    if (dlg.exec() != QDialog::Accepted)
        return;
    file.Remember(store, dlg.m_dateOrder);
    const int nAdd = int(std::count(dlg.m_ticks.begin(), dlg.m_ticks.end(), true));
    if (const std::string strRefusal = ImportLimitMessage(doc, nAdd); !strRefusal.empty()) {
        ShowAppMessage(pParent, QString::fromStdString(strRefusal), QMessageBox::Information);
        return;
    }
    ApplyReconcile(doc, dlg.m_plan, dlg.m_ticks);
    if (dlg.m_bOpenBalance)
        OpenBalance(context, *dlg.m_plan.m_dLedger, true);
}
