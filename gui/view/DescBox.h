#pragma once
#include "core/document/CDescItem.h"
#include <cstdint>

class QComboBox;
class QPushButton;
class QWidget;

// The editable description box of the entry, automatic entry and search dialogs, filled
// from the document's description list: object name "desc".
QComboBox* MakeDescBox(QWidget* pParent);
// The down arrow opens the box's list instead of stepping through it.
void OpenListOnDownArrow(QComboBox* pBox);
// The "..." button beside the box that opens the description list: object name "descList".
QPushButton* MakeDescListButton(QWidget* pParent);

// The descriptions alphabetically, whatever the list's own order; the typed text is
// cleared, or kept with bKeepTyped.
void FillDescBox(QComboBox* pBox, const CDescItem* pDescs, bool bKeepTyped = false);
// Runs "Description List" on the list (head and count taken back however it closes) and
// fills the box again.
void EditDescList(QWidget* pParent, QComboBox* pBox, CDescItem*& pDescs, std::uint16_t& nDescs,
                  bool bKeepTyped = false);
