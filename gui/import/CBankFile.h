#pragma once
#include "CDlgImport.h"
#include "core/import/Import.h"
#include <QString>
#include <optional>
#include <string>
#include <vector>

class ISettingsStore;
class QWidget;

// A bank file on its way into the register, as the import and the reconciliation read it:
// its bytes, the CSV columns the user mapped, the account chosen from several, and the
// date orders that read it.
class CBankFile {
public:
    // Asks for the file and reads it, with the mapping step of a CSV file and the choice of
    // an account; false, after saying why, when it cannot be read or the user cancels.
    bool Open(QWidget* pParent, ISettingsStore& store, const CTallywiseDoc& doc);
    // The file read again in another date order (of the same account).
    CReadResult Read(EDateOrder order) const;
    // After OK: the date order and the columns are remembered for the next file.
    void Remember(ISettingsStore& store, EDateOrder order) const;
    // Says why the file cannot be imported.
    void Refuse(QWidget* pParent, const std::string& strWhy) const;

    QString m_strName;
    CReadResult m_read;                     // in the preferred order
    std::vector<CDateOrderChoice> m_orders; // more than one when the user is to choose
    EDateOrder m_order = EDateOrder::MDY;   // preselected

private:
    bool ReadBytes(QWidget* pParent, const QString& strPath);
    bool MapColumns(QWidget* pParent, ISettingsStore& store);
    bool ChooseAccount(QWidget* pParent);
    std::string AccountKey() const;

    EImportFormat m_format = EImportFormat::Csv;
    std::string m_strBytes;
    CCsvTable m_table;
    CCsvMapping m_mapping;
    int m_nAccount = -1; // of several; -1 when the file holds one
    EDateOrder m_remembered = EDateOrder::Auto;
};

// Gives the window that shows a bank file (import or reconcile) the file's name and date
// orders, and the way to plan it again in another order: fnBuild(doc, read) makes the plan.
template <class TDlg, class TBuild>
void ShowBankFileIn(TDlg& dlg, const CBankFile& file, const CTallywiseDoc& doc, TBuild fnBuild) {
    dlg.m_pDoc = &doc;
    dlg.m_strFileName = file.m_strName.toStdString();
    dlg.m_orders = file.m_orders;
    dlg.m_dateOrder = file.m_order;
    dlg.m_fnReplan = [&dlg, &file, &doc, fnBuild](
                         EDateOrder order) -> std::optional<decltype(fnBuild(doc, file.m_read))> {
        const CReadResult again = file.Read(order);
        if (!again.Ok()) {
            file.Refuse(&dlg, again.m_strError);
            return std::nullopt;
        }
        return fnBuild(doc, again);
    };
}
