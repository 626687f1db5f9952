#pragma once
#include <QFontDialog>

// The font chooser of the list and print fonts: the program's own dialog (not the
// platform's), no script, and OK refuses sizes outside 8 to 18 points.
class CFontChooser : public QFontDialog {
    Q_OBJECT
public:
    CFontChooser(const QFont& initial, QWidget* pParent);

    void done(int nResult) override;
};
