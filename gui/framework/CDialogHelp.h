#pragma once
#include <QPoint>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

class QDialog;
class QWidget;

// Shows the popup text of a help id of a topic such as "::/DlgStartBal.txt".
using ContextHelpHandler = std::function<void(const QString&, int, const QPoint&)>;
// The program's help system sets it; without one, help requests do nothing.
void SetContextHelpHandler(ContextHelpHandler fnHandler);

// Makes a dialog answer F1 and "What's This?" on its controls with the popup of each
// control's help id from the topic; a request that is not for a listed control is
// answered as handled.
void InstallDialogHelp(QDialog* pDlg, const QString& strTopic,
                       std::initializer_list<std::pair<QWidget*, int>> helpIds);
