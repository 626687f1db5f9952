#pragma once
#include "core/document/CDescItem.h"
#include "gui/framework/CDlgBase.h"
#include <cstdint>

class QListWidget;
class QPushButton;

// "Description List": maintains a borrowed description list (head and count) in place.
// Every change is final at once; however the dialog is closed, the caller takes the head
// and count back.
//
// Object names: "list", "add", "edit", "delete", "ok".
class CDlgDescList : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgDescList(QWidget* pParent = nullptr);

    CDescItem* m_pDescs = nullptr;
    std::uint16_t m_nDescs = 0;

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
