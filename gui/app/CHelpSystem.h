#pragma once
#include "gui/framework/CDialogHelp.h"
#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <utility>

class CCommandContext;
class QDialog;
class QWidget;

// Context help and the help window. A help folder that cannot be loaded is remembered:
// every later request then does nothing, without a message.
class CHelpSystem {
public:
    explicit CHelpSystem(QString strHelpDir);
    ~CHelpSystem();
    bool ShowContents(QWidget* pOwner);
    bool ShowIndex(QWidget* pOwner);
    // Shows the popup text of a help id of a topic such as "::/DlgStartBal.txt".
    bool ShowPopup(const QString& strTopic, int nHelpId, const QPoint& ptGlobal);

private:
    struct CImpl;
    CImpl* m_pImpl;
};

// Where the help window opens: its wanted client size, made smaller where the screen is
// smaller, centred over the owner's window and moved until it lies, title bar and frame
// included, fully within the screen's available area.
QRect HelpWindowRect(const QRect& rcOwner, const QRect& rcScreen, const QSize& sizeWanted);

// The help pages of a program in strProgramDir: beside it in a build tree, else in the
// data folder of the installed layout (bin/../share/tallywise/help).
QString FindHelpFolder(const QString& strProgramDir);

// The program's help system; none in tests unless one is set.
CHelpSystem* HelpSystem();
void SetHelpSystem(CHelpSystem* pHelp);

// Help > Contents and Help > Index.
void OnHelpContents(CCommandContext& context);
void OnHelpIndex(CCommandContext& context);
