#pragma once
#include "core/document/CDescList.h"
#include "gui/framework/CDlgBase.h"
#include <cstdint>

class QListWidget;
class QPushButton;

// "Description List": maintains a borrowed description list (head and count) in place.
// Works on a copy of the list; every change is final at once, so however the dialog is
// closed, the caller takes the list back.
//
// Object names: "list", "add", "edit", "delete", "ok".
class CDlgDescList : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgDescList(QWidget* pParent = nullptr);

    CDescList m_descs;

protected:
    void OnInitDialog() override;

private:
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnSelectionChanged();
    int GetSelectedIndex() const;
    void SelectIndex(int nIndex);

    QListWidget* m_pList;
    QPushButton* m_pAdd;
    QPushButton* m_pEdit;
    QPushButton* m_pDelete;
    QPushButton* m_pOk;
};
