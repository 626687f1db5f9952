#pragma once
#include "ModalHelper.h"
#include <QColor>
#include <QString>
#include <QStringList>
#include <utility>

class QAbstractItemView;
class QComboBox;
class QTabBar;

// Shared by the Options dialog's tests and the tests of its command.
QStringList ComboItems(QComboBox* pCombo);
QTabBar* Tabs(QWidget* pDlg);
// Slot k (1..4): switched on with a name and an abbreviation, or off.
void SetSlot(QWidget* pDlg, int k, bool bOn, const QString& strName = {},
             const QString& strAbbr = {});
// Text and background of a list as it draws them.
std::pair<QColor, QColor> ListColors(QAbstractItemView* pList);
// Picks a colour in the colour chooser and confirms it.
CModalHelper::Handler ChooseColor(const QColor& color);
// Picks a face and size in the font chooser.
CModalHelper::Handler ChooseFont(const QString& strFamily, int nPoints);
QString AnyInstalledFamily();
