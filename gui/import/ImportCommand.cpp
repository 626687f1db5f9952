#include "ImportCommand.h"
#include "CBankFile.h"
#include "CDlgImport.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/TextFile.h"
#include "core/import/Export.h"
#include "core/import/Import.h"
#include "core/settings/CSettings.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include "gui/framework/CQtServices.h"
#include "gui/view/CDlgStartBal.h"
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

std::function<QString(QWidget*)> CImportFileChoosers::s_fnOpen = [](QWidget* pParent) {
    return QFileDialog::getOpenFileName(
        pParent, QStringLiteral("Import"), QString(),
        QStringLiteral("Bank files (*.ofx *.qfx *.qif *.csv);;OFX and QFX files (*.ofx *.qfx);;"
                       "QIF files (*.qif);;CSV files (*.csv);;All files (*)"));
};

// The chosen type decides the format: its extension is added to a name without it, and a
// file of that name is replaced only when the user says so.
std::function<QString(QWidget*, const QString&)> CImportFileChoosers::s_fnSave =
    [](QWidget* pParent, const QString& strSuggested) {
        const QString strCsv = QStringLiteral("CSV files (*.csv)");
        const QString strQif = QStringLiteral("QIF files (*.qif)");
        QString strFilter =
            strSuggested.endsWith(QStringLiteral(".qif"), Qt::CaseInsensitive) ? strQif : strCsv;
        QString strPath =
            QFileDialog::getSaveFileName(pParent, QStringLiteral("Export"), strSuggested,
                                         strCsv + QStringLiteral(";;") + strQif, &strFilter);
        if (strPath.isEmpty())
            return strPath;
        const QString strExt =
            strFilter == strQif ? QStringLiteral(".qif") : QStringLiteral(".csv");
        if (strPath.endsWith(strExt, Qt::CaseInsensitive))
            return strPath;
        strPath += strExt;
        if (QFileInfo::exists(strPath) &&
            QMessageBox::question(pParent, QStringLiteral("Export"),
                                  QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                      .arg(QFileInfo(strPath).fileName())) != QMessageBox::Yes)
            return QString();
        return strPath;
    };

namespace {

// Returns where the last added entry stands, if any was added.
std::optional<std::uint16_t> DoFileImport(QWidget* pParent, CTallywiseDoc& doc,
                                          ISettingsStore& store) {
    CBankFile file;
    if (!file.Open(pParent, store, doc))
        return std::nullopt;
    CDlgImport dlg(pParent);
    dlg.m_plan = BuildImportPlan(doc, file.m_read);
    // A file's opening balance stands in for the starting balance of an empty register.
    if (!dlg.m_plan.m_dStartBalance && !EnsureStartingBalance(doc, pParent))
        return std::nullopt;
    ShowBankFileIn(dlg, file, doc, BuildImportPlan);
    dlg.m_fnLimitMessage = [&doc](int nAdd) { return ImportLimitMessage(doc, nAdd); };
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    file.Remember(store, dlg.m_dateOrder);
    // Nothing ticked changes nothing, and so marks nothing modified.
    if (std::find(dlg.m_ticks.begin(), dlg.m_ticks.end(), true) == dlg.m_ticks.end())
        return std::nullopt;
    std::optional<std::uint16_t> nLastPos;
    ApplyImport(doc, dlg.m_plan, dlg.m_ticks, &nLastPos);
    return nLastPos;
}

} // namespace

void OnFileImport(CCommandContext& context) {
    CQtSettingsStore store;
    if (const std::optional<std::uint16_t> nLastPos =
            DoFileImport(context.m_pParent, context.m_doc, store))
        context.m_list.ShowRow(*nLastPos);
}

void OnFileExport(CCommandContext& context) {
    QWidget* pParent = context.m_pParent;
    const CTallywiseDoc& doc = context.m_doc;
    const CSettings& settings = context.m_settings;
    const std::string strDocPath = doc.GetPathName();
    const QString strSuggested = QString::fromStdString(
        strDocPath.empty() ? std::string("Register.csv") : ReplaceExtension(strDocPath, "csv"));
    QString strPath = CImportFileChoosers::s_fnSave(pParent, strSuggested);
    if (strPath.isEmpty())
        return;
    if (!ExportFormatFromPath(strPath.toStdString()))
        strPath += QStringLiteral(".csv");
    CExportRange range;
    if (!settings.m_bPrintAll)
        range = {false, settings.m_printFrom, settings.m_printTo};
    std::string strError;
    if (!ExportRegister(doc, strPath.toStdString(), *ExportFormatFromPath(strPath.toStdString()),
                        range, strError))
        ShowAppMessage(pParent,
                       QStringLiteral("%1 cannot be written.\n%2")
                           .arg(QFileInfo(strPath).fileName(), QString::fromStdString(strError)),
                       QMessageBox::Warning);
}
