#pragma once
#include "core/document/CDescList.h"

class QComboBox;
class QPushButton;
class QWidget;

// The editable description box of the entry, automatic entry and search dialogs, filled
// from the document's description list: object name "desc". The down arrow opens its list
// instead of stepping through it.
QComboBox* MakeDescBox(QWidget* pParent);
// The "..." button beside the box that opens the description list: object name "descList".
QPushButton* MakeDescListButton(QWidget* pParent);

// The descriptions alphabetically, whatever the list's own order; the typed text is
// cleared, or kept with bKeepTyped.
void FillDescBox(QComboBox* pBox, const CDescList& descs, bool bKeepTyped = false);
// Runs "Description List" on the list (taken back however it closes) and fills the box
// again.
void EditDescList(QWidget* pParent, QComboBox* pBox, CDescList& descs, bool bKeepTyped = false);
