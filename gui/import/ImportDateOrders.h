#pragma once
#include "CDlgImport.h"
#include "core/import/Import.h"
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class ISettingsStore;
class QComboBox;
class QLabel;
class QWidget;

// The date order chosen for a file, remembered per kind of file and account (an OFX
// account id, a QIF account name, a CSV header), so that the same bank's next file is read
// the same way.
inline constexpr const char* DATE_ORDER_SECTION = "ImportDateOrder";
std::string DateOrderKey(EImportFormat format, std::string_view account);
EDateOrder LoadDateOrder(ISettingsStore& store, const std::string& strKey);
void SaveDateOrder(ISettingsStore& store, const std::string& strKey, EDateOrder order);

// The orders that read the file's dates (fewest transactions skipped), each with the
// number of duplicates it finds in the register.
std::vector<CDateOrderChoice>
ReadableDateOrders(const CTallywiseDoc& doc, const std::function<CReadResult(EDateOrder)>& fnRead);
// The remembered order when it reads the file, else the one that finds the most entries.
EDateOrder PreferredDateOrder(const std::vector<CDateOrderChoice>& orders, EDateOrder remembered);

const char* DateOrderTitle(EDateOrder order);
// The question of the date order: a box with a label that is its buddy, hidden until asked.
QComboBox* MakeDateOrderBox(QWidget* pParent, QLabel*& pLabel);
// Shows the box only when more than one order reads the file, with the current one chosen.
void ShowDateOrders(QLabel* pLabel, QComboBox* pBox, const std::vector<CDateOrderChoice>& orders,
                    EDateOrder current);
