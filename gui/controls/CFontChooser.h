#pragma once
#include "gui/framework/CDlgBase.h"
#include <QFont>

class QLabel;
class QLineEdit;
class QListWidget;

// The font chooser of the list and print fonts, which use a face and a size alone: a face,
// a size of 8 to 18 points (one decimal allowed, as in 10.5) and a sample; no styles or
// effects, as neither font would show them. OK refuses a size it cannot take.
//
// Object names: "face", "faces", "size", "sizes", "sample", "ok", "cancel".
class CFontChooser : public CDlgBase {
    Q_OBJECT
public:
    CFontChooser(const QFont& initial, QWidget* pParent);

    void setCurrentFont(const QFont& font);
    // The face and size chosen; valid after OK.
    QFont selectedFont() const { return m_selected; }

protected:
    bool OnOK() override;

private:
    void LayOut();
    void OnFaceEdited(const QString& strFace);
    void OnSizeEdited(const QString& strSize);
    void ShowSample();

    QLineEdit* m_pFace = nullptr;
    QListWidget* m_pFaces = nullptr;
    QLineEdit* m_pSize = nullptr;
    QListWidget* m_pSizes = nullptr;
    QLabel* m_pSample = nullptr;
    QFont m_selected;
};
