#pragma once
#include <QString>
#include <functional>

class CCommandContext;
class QWidget;

// The file choosers of File > Import... and File > Export...; tests replace them.
struct CImportFileChoosers {
    static std::function<QString(QWidget*)> s_fnOpen;
    static std::function<QString(QWidget*, const QString&)> s_fnSave;
};

// File > Import...: chooses a bank file, maps its columns when it is a CSV file, shows its
// transactions and adds the ticked ones to the register. Nothing changes when anything
// fails or is cancelled.
void OnFileImport(CCommandContext& context);
// File > Export...: writes the register (or the print range, when it is one) as CSV or QIF.
void OnFileExport(CCommandContext& context);
