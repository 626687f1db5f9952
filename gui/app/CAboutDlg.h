#pragma once
#include <QDialog>

class CCommandContext;

// Dialog 130: the program icon, its name and version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};

// Help > About Tallywise...
void OnAppAbout(CCommandContext& context);
