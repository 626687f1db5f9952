#pragma once
#include <QDialog>

// Dialog 130: the program icon, its name and version.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};
