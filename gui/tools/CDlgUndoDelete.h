#pragma once
#include "core/document/CEntry.h"
#include "core/document/CUserType.h"
#include "gui/framework/CDlgBase.h"
#include <cstdint>
#include <optional>
#include <vector>

class CCommandContext;

class QPushButton;
class QTableWidget;

// "Undo Delete": a copy of the deleted-entry list, changed by Remove. The caller hands the
// copy in and takes it back when it closes; after "Restore" m_nRestore tells which entry
// to put back into the register.
//
// Object names: "list", "restore", "remove", "done".
class CDlgUndoDelete : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgUndoDelete(const CUserTypeTable* pUserTypes = nullptr, QWidget* pParent = nullptr);

    std::vector<CDeletedEntry> m_deleted;
    std::optional<std::uint16_t> m_nRestore;

    const CUserTypeTable* m_pUserTypes = nullptr;

    void setVisible(bool bVisible) override;

protected:
    void OnInitDialog() override;

private:
    void SetColumnWidths();
    void UpdateButtons();
    void OnRestore();
    void OnRemove();

    QTableWidget* m_pList;
    QPushButton* m_pRestore;
    QPushButton* m_pRemove;
    QPushButton* m_pDone;
};

// Tools > Undo Delete: the deleted list is edited in the dialog; the entry chosen goes back.
void OnUndoDelete(CCommandContext& context);
