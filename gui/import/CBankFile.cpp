#include "CBankFile.h"
#include "CDlgCsvMapping.h"
#include "CDlgImportAccount.h"
#include "ImportCommand.h"
#include "ImportDateOrders.h"
#include "core/framework/TextFile.h"
#include "gui/framework/CDataExchange.h"
#include <QFileInfo>
#include <string_view>

namespace {

// Text files, whatever their encoding but UTF-16, hold no zero byte near their start.
bool LooksBinary(std::string_view bytes) {
    const bool bUtf16 = bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                              (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
    return !bUtf16 && bytes.substr(0, 8192).find('\0') != std::string_view::npos;
}

// A CSV file's header stands for the bank's account.
std::string HeaderKey(const CCsvTable& table) {
    std::string str;
    for (const std::string& s : table.m_header)
        str += s + '\x1f';
    return str;
}

} // namespace

void CBankFile::Refuse(QWidget* pParent, const std::string& strWhy) const {
    ShowAppMessage(
        pParent,
        QStringLiteral("%1 cannot be imported.\n%2").arg(m_strName, QString::fromStdString(strWhy)),
        QMessageBox::Warning);
}

CReadResult CBankFile::Read(EDateOrder order) const {
    CReadResult read = m_format == EImportFormat::Csv
                           ? ReadCsv(m_table, m_mapping, order)
                           : ReadImportFile(m_format, m_strBytes, order, std::nullopt);
    if (read.Ok() && m_nAccount >= 0)
        KeepOneAccount(read, m_nAccount);
    return read;
}

bool CBankFile::ReadBytes(QWidget* pParent, const QString& strPath) {
    m_strName = QFileInfo(strPath).fileName();
    std::vector<std::uint8_t> bytes;
    std::string strError;
    if (!ReadWholeFile(strPath.toStdString(), bytes, strError)) {
        Refuse(pParent, strError);
        return false;
    }
    m_strBytes.assign(bytes.begin(), bytes.end());
    if (LooksBinary(m_strBytes)) {
        Refuse(pParent, "It is not a text file.");
        return false;
    }
    m_format = GuessImportFormat(strPath.toStdString(), m_strBytes);
    return true;
}

// The CSV mapping step; false when the user cancels or the file has no table.
bool CBankFile::MapColumns(QWidget* pParent, ISettingsStore& store) {
    m_table = ReadCsvTable(m_strBytes);
    if (!m_table.m_strError.empty()) {
        Refuse(pParent, m_table.m_strError);
        return false;
    }
    std::optional<CCsvMapping> mapping = LoadCsvMapping(store, m_table, &m_remembered);
    if (!mapping)
        mapping = GuessCsvMapping(m_table);
    if (!mapping) {
        // The names are not recognised, but a direction column is by its words.
        mapping = CCsvMapping{};
        mapping->m_nSign = FindDirectionColumn(m_table);
    }
    if (m_remembered == EDateOrder::Auto)
        m_remembered = LoadDateOrder(store, DateOrderKey(EImportFormat::Csv, HeaderKey(m_table)));
    CDlgCsvMapping dlg(pParent);
    dlg.m_dateOrder = m_remembered;
    dlg.m_table = m_table;
    dlg.m_mapping = *mapping;
    dlg.m_strFileName = m_strName.toStdString();
    if (dlg.exec() != QDialog::Accepted)
        return false;
    m_mapping = dlg.m_mapping;
    m_remembered = dlg.m_dateOrder;
    return true;
}

// Only one account of a file goes into the register.
bool CBankFile::ChooseAccount(QWidget* pParent) {
    if (m_read.m_accounts.size() < 2)
        return true;
    CDlgImportAccount dlg(pParent);
    for (const CImportAccount& account : m_read.m_accounts)
        dlg.m_labels.push_back(AccountLabel(account));
    dlg.m_strFileName = m_strName.toStdString();
    if (dlg.exec() != QDialog::Accepted)
        return false;
    m_nAccount = dlg.m_nChosen;
    m_read = Read(EDateOrder::Auto);
    return true;
}

std::string CBankFile::AccountKey() const {
    if (m_format == EImportFormat::Csv)
        return HeaderKey(m_table);
    return m_read.m_accounts.empty() ? std::string() : m_read.m_accounts.front().m_strId;
}

bool CBankFile::Open(QWidget* pParent, ISettingsStore& store, const CTallywiseDoc& doc) {
    const QString strPath = CImportFileChoosers::s_fnOpen(pParent);
    if (strPath.isEmpty() || !ReadBytes(pParent, strPath))
        return false;
    if (m_format == EImportFormat::Csv && !MapColumns(pParent, store))
        return false;
    m_read = Read(EDateOrder::Auto);
    if (m_read.Ok() && !ChooseAccount(pParent))
        return false;
    if (m_remembered == EDateOrder::Auto && m_read.Ok())
        m_remembered = LoadDateOrder(store, DateOrderKey(m_format, AccountKey()));
    if (m_read.m_bOrderAmbiguous) {
        m_orders = ReadableDateOrders(doc, [this](EDateOrder o) { return Read(o); });
        m_order = PreferredDateOrder(m_orders, m_remembered);
        m_read = Read(m_order);
    }
    if (!m_read.Ok()) {
        Refuse(pParent, m_read.m_strError);
        return false;
    }
    return true;
}

void CBankFile::Remember(ISettingsStore& store, EDateOrder order) const {
    const bool bAsked = m_orders.size() > 1;
    if (bAsked)
        SaveDateOrder(store, DateOrderKey(m_format, AccountKey()), order);
    if (m_format == EImportFormat::Csv)
        SaveCsvMapping(store, m_table, m_mapping, bAsked ? order : EDateOrder::Auto);
}
