#pragma once
#include "core/document/CAutoEntry.h"
#include "core/document/CDescList.h"
#include "core/document/CUserType.h"
#include "gui/framework/CDlgBase.h"
#include <cstdint>
#include <ctime>
#include <vector>

class CCommandContext;

class CDlgAEEntry;
class QPushButton;
class QTableWidget;

// "Automatic Entries": the list of recurring entries, edited as a copy. The caller hands
// in copies of both lists and takes both back when it closes.
//
// Object names: "list", "add", "edit", "delete", "done".
class CDlgAutomaticEntries : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgAutomaticEntries(const CUserTypeTable* pUserTypes = nullptr,
                                  QWidget* pParent = nullptr);

    std::vector<CAutoEntry> m_autos;
    CDescList m_descs;
    // The moment the first next dates are counted from.
    std::time_t m_now = 0;

    const CUserTypeTable* m_pUserTypes = nullptr;

    void setVisible(bool bVisible) override;

protected:
    void OnInitDialog() override;

private:
    void SetColumnWidths();
    void ShowRow(int nRow, const CAutoEntry& a);
    int SelectedRow() const;
    void SelectRow(int nRow);
    void UpdateButtons();
    // Runs the entry dialog; the description list comes back whatever the answer.
    bool RunEntryDialog(CDlgAEEntry& dlg);
    void StoreFields(const CDlgAEEntry& dlg, const CUserTypeTable& types, CAutoEntry& a) const;
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnListDblClk();

    QTableWidget* m_pList;
    QPushButton* m_pAdd;
    QPushButton* m_pEdit;
    QPushButton* m_pDelete;
    QPushButton* m_pDone;
};

// Tools > Automatic Entries: the definitions are edited in the dialog, then whatever fell
// due is offered for posting.
void OnAutomaticEntries(CCommandContext& context);
