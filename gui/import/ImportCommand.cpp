#include "ImportCommand.h"
#include "CDlgCsvMapping.h"
#include "CDlgImport.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/TextFile.h"
#include "core/import/Export.h"
#include "core/import/Import.h"
#include "core/settings/CSettings.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include "gui/framework/CQtServices.h"
#include <QFileDialog>
#include <QFileInfo>

std::function<QString(QWidget*)> CImportFileChoosers::s_fnOpen = [](QWidget* pParent) {
    return QFileDialog::getOpenFileName(
        pParent, QStringLiteral("Import"), QString(),
        QStringLiteral("Bank files (*.ofx *.qfx *.qif *.csv);;OFX and QFX files (*.ofx *.qfx);;"
                       "QIF files (*.qif);;CSV files (*.csv);;All files (*)"));
};

std::function<QString(QWidget*, const QString&)> CImportFileChoosers::s_fnSave =
    [](QWidget* pParent, const QString& strSuggested) {
        return QFileDialog::getSaveFileName(pParent, QStringLiteral("Export"), strSuggested,
                                            QStringLiteral("CSV files (*.csv);;QIF files (*.qif)"));
    };

namespace {

struct CImportSource {
    EImportFormat m_format = EImportFormat::Csv;
    std::string m_strBytes;
    CCsvTable m_table;
    CCsvMapping m_mapping;

    CReadResult Read(EDateOrder order) const {
        if (m_format == EImportFormat::Csv)
            return ReadCsv(m_table, m_mapping, order);
        return ReadImportFile(m_format, m_strBytes, order, std::nullopt);
    }
};

void Refuse(QWidget* pParent, const QString& strFile, const std::string& strWhy) {
    ShowAppMessage(
        pParent,
        QStringLiteral("%1 cannot be imported.\n%2").arg(strFile, QString::fromStdString(strWhy)),
        QMessageBox::Warning);
}

// The CSV mapping step; false when the user cancels or the file has no table.
bool MapColumns(QWidget* pParent, const QString& strName, CImportSource& source,
                ISettingsStore& store, EDateOrder& remembered) {
    source.m_table = ReadCsvTable(source.m_strBytes);
    if (!source.m_table.m_strError.empty()) {
        Refuse(pParent, strName, source.m_table.m_strError);
        return false;
    }
    std::optional<CCsvMapping> mapping = LoadCsvMapping(store, source.m_table, &remembered);
    if (!mapping)
        mapping = GuessCsvMapping(source.m_table);
    CDlgCsvMapping dlg(pParent);
    dlg.m_table = source.m_table;
    dlg.m_mapping = mapping.value_or(CCsvMapping{});
    dlg.m_strFileName = strName.toStdString();
    if (dlg.exec() != QDialog::Accepted)
        return false;
    source.m_mapping = dlg.m_mapping;
    return true;
}

// Returns where the last added entry stands, if any was added.
std::optional<std::uint16_t> DoFileImport(QWidget* pParent, CTallywiseDoc& doc,
                                          ISettingsStore& store) {
    const QString strPath = CImportFileChoosers::s_fnOpen(pParent);
    if (strPath.isEmpty())
        return std::nullopt;
    const QString strName = QFileInfo(strPath).fileName();
    std::vector<std::uint8_t> bytes;
    std::string strError;
    if (!ReadWholeFile(strPath.toStdString(), bytes, strError)) {
        Refuse(pParent, strName, strError);
        return std::nullopt;
    }
    CImportSource source;
    source.m_strBytes.assign(bytes.begin(), bytes.end());
    source.m_format = GuessImportFormat(strPath.toStdString(), source.m_strBytes);
    EDateOrder remembered = EDateOrder::Auto;
    if (source.m_format == EImportFormat::Csv &&
        !MapColumns(pParent, strName, source, store, remembered))
        return std::nullopt;

    CReadResult read = source.Read(EDateOrder::Auto);
    const bool bAsked = read.m_bOrderAmbiguous;
    const EDateOrder order = remembered == EDateOrder::Auto ? EDateOrder::MDY : remembered;
    if (bAsked)
        read = source.Read(order);
    if (!read.Ok()) {
        Refuse(pParent, strName, read.m_strError);
        return std::nullopt;
    }
    CDlgImport dlg(pParent);
    dlg.m_plan = BuildImportPlan(doc, read);
    dlg.m_strFileName = strName.toStdString();
    dlg.m_bOrderAsked = bAsked;
    dlg.m_dateOrder = order;
    dlg.m_fnReplan = [&](EDateOrder newOrder) -> std::optional<CImportPlan> {
        const CReadResult again = source.Read(newOrder);
        if (!again.Ok()) {
            Refuse(&dlg, strName, again.m_strError);
            return std::nullopt;
        }
        return BuildImportPlan(doc, again);
    };
    dlg.m_fnLimitMessage = [&doc](int nAdd) { return ImportLimitMessage(doc, nAdd); };
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    std::optional<std::uint16_t> nLastPos;
    ApplyImport(doc, dlg.m_plan, dlg.m_ticks, &nLastPos);
    if (source.m_format == EImportFormat::Csv)
        SaveCsvMapping(store, source.m_table, source.m_mapping,
                       bAsked ? dlg.m_dateOrder : EDateOrder::Auto);
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
