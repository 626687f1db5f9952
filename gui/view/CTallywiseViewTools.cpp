// The register view's tool commands: each opens its tool and leaves the rest to the
// document, whose announcements the list follows.
#include "CDlgEntry.h"
#include "CDlgStartBal.h"
#include "CRegisterModel.h"
#include "CTallywiseView.h"
#include "core/document/EntryTypes.h"
#include "core/document/RegisterCells.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/IClock.h"
#include "core/framework/IUserMessages.h"
#include "core/tools/Archive.h"
#include "core/tools/AutoEntries.h"
#include "core/tools/Balance.h"
#include "core/tools/Search.h"
#include "core/tools/Statistics.h"
#include "core/tools/UndoDelete.h"
#include "gui/app/CTallywiseApp.h"
#include "gui/printing/CRegisterPrinter.h"
#include "gui/settings/CDlgOptions.h"
#include "gui/tools/CDlgArchive.h"
#include "gui/tools/CDlgAutomaticEntries.h"
#include "gui/tools/CDlgBalance.h"
#include "gui/tools/CDlgSearch.h"
#include "gui/tools/CDlgSearchResults.h"
#include "gui/tools/CDlgStatistics.h"
#include "gui/tools/CDlgUndoDelete.h"
#include "gui/tools/CDlgViewArch.h"
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QStyledItemDelegate>
#include <algorithm>
#include <memory>

void CTallywiseView::OnArchive() {
    CTallywiseDoc& doc = GetDocument();
    std::optional<CArchiveSetup> setup = PrepareArchive(doc);
    if (!setup)
        return;
    CDlgArchive dlg(this);
    dlg.m_startDate = setup->m_startDate;
    dlg.m_endDate = setup->m_endDate;
    dlg.m_latestDate = setup->m_latestDate;
    dlg.m_strFileName = setup->m_strFileName;
    if (dlg.exec() != QDialog::Accepted)
        return;
    ArchiveEntries(doc, {dlg.m_strFileName, dlg.m_startDate, dlg.m_endDate, dlg.m_bMayReplace});
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::OnViewArchive() {
    CDlgViewArch dlg(this);
    dlg.exec();
}

// ---- Tools ---------------------------------------------------------------------------

void CTallywiseView::OnAutomaticEntries() {
    CTallywiseDoc& doc = GetDocument();
    CDlgAutomaticEntries dlg(&m_app.m_userTypes, this);
    dlg.m_autos = doc.AutoEntries();
    dlg.m_descs = doc.Descriptions();
    dlg.m_now = m_app.Clock().Now();
    dlg.exec();
    // Taken back however the dialog closed: every change in it is final at once.
    doc.SetAutoEntries(std::move(dlg.m_autos));
    doc.SetDescriptions(std::move(dlg.m_descs));
    PostDueAutoEntries();
    doc.RefreshTypeUsage();
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::OnUndoDelete() {
    CTallywiseDoc& doc = GetDocument();
    CDlgUndoDelete dlg(&m_app.m_userTypes, this);
    dlg.m_deleted = doc.DeletedEntries();
    const bool bRestore = dlg.exec() == QDialog::Accepted && dlg.m_nRestore;
    doc.SetDeletedEntries(std::move(dlg.m_deleted));
    if (bRestore)
        if (const std::optional<std::uint16_t> nPos = RestoreDeletedEntry(doc, *dlg.m_nRestore))
            SelectRow(*nPos);
    doc.RefreshTypeUsage();
    Q_EMIT CommandStateChanged();
}

// ---- Tools that only read the register -------------------------------------------------

namespace {
const char* const NO_ENTRIES = "There are no entries.";
}

void CTallywiseView::OnBalance() {
    const CTallywiseDoc& doc = GetDocument();
    if (doc.EntryCount() == 0) {
        doc.Messages().ShowMessage(NO_ENTRIES, EMsgIcon::Information);
        return;
    }
    const COutstanding figures = OutstandingFigures(doc.Entries());
    CDlgBalance dlg(this);
    dlg.m_dOutDebits = figures.m_dOutDebits;
    dlg.m_dOutCredits = figures.m_dOutCredits;
    dlg.m_dEndBal = figures.m_dEndBal;
    dlg.exec();
}

void CTallywiseView::OnSearch() {
    const CTallywiseDoc& doc = GetDocument();
    CDlgSearch dlg(doc.UserTypes(), doc.Today(), this);
    dlg.m_descs = doc.Descriptions();
    if (dlg.exec() != QDialog::Accepted)
        return;
    CSearchCriteria criteria = dlg.Criteria();
    NormaliseSides(criteria);
    if (!criteria.AnyCriterion())
        return;
    const CSearchResults results = FindEntries(doc.Entries(), criteria);
    CDlgSearchResults resultsDlg(doc.UserTypes(), this);
    resultsDlg.m_pResults = &results;
    resultsDlg.exec();
}

void CTallywiseView::OnStatistics() {
    const CTallywiseDoc& doc = GetDocument();
    if (doc.EntryCount() == 0) {
        doc.Messages().ShowMessage(NO_ENTRIES, EMsgIcon::Information);
        return;
    }
    CDlgStatistics dlg(this);
    dlg.SetTexts(StatisticsTexts(ComputeStatistics(doc.Entries()), doc.UserTypes()));
    dlg.exec();
}
