#pragma once
#include "gui/framework/CDlgBase.h"

class CCommandContext;

class CRichText;
class QLabel;
class QPushButton;

// "View Archive": loads an archive or any text file and shows it in a resizable window.
//
// Object names: "loadFile", "done", "fileLabel", "viewer".
class CDlgViewArch : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgViewArch(QWidget* pParent = nullptr);

    // Shows the file, or tells the user why it cannot; false leaves the window as it was.
    bool LoadFile(const QString& strPath);
    // The face of the viewer: Courier New, or the system's fixed-pitch face without it.
    static QFont ViewerFont();

private:
    void OnLoadFile();

    QPushButton* m_pLoadFile;
    QPushButton* m_pDone;
    QLabel* m_pFileLabel;
    CRichText* m_pViewer;
};

void OnViewArchive(CCommandContext& context);
