#pragma once
#include "gui/framework/CDlgBase.h"
#include <string>

class CCommandContext;
class CDateFieldPopup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Page Setup": the print font, the title line and bank information switches, the
// entries per page and the print range. The caller fills the members, runs it and reads
// them back on OK.
//
// Object names: "tabs", "fontLabel", "change", "printHeaders", "printBank", "maxPerPage",
// "all", "range", "from", "to", "ok", "cancel".
class CDlgPageSetup : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgPageSetup(QWidget* pParent = nullptr);

    std::string m_strPrintFont;
    int m_nPrintFontSize = 80; // tenths of a point
    int m_nCurTab = 0;
    bool m_bPrintAll = true;
    int m_nToYear = 1970;
    int m_nToMonth = 1;
    int m_nToDay = 1;
    int m_nFromYear = 1970;
    int m_nFromMonth = 1;
    int m_nFromDay = 1;
    bool m_bPrintHeaders = true;
    bool m_bPrintBank = true;
    int m_nMaxPerPage = 25;

    // "%s %dpt": the face and the size in whole points.
    static QString FontLabel(const std::string& strFace, int nTenths);

protected:
private:
    QWidget* CreateGeneralPage();
    QWidget* CreateDatePage();
    void OnInitDialog() override;
    bool OnOK() override;
    void OnTabChanged(int nTab);
    void OnAll();
    void OnRange();
    void OnChangeFont();
    void ShowDates();

    QTabWidget* m_pTabs = nullptr;
    QLabel* m_pFontLabel = nullptr;
    QPushButton* m_pChange = nullptr;
    QCheckBox* m_pPrintHeaders = nullptr;
    QCheckBox* m_pPrintBank = nullptr;
    QLineEdit* m_pMaxPerPage = nullptr;
    QRadioButton* m_pAll = nullptr;
    QRadioButton* m_pRange = nullptr;
    QLineEdit* m_pFrom = nullptr;
    QLineEdit* m_pTo = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    CDateFieldPopup* m_pDatePopup;
};

// File > Page Setup: the dialog filled from the settings and the print range, copied back
// on OK only.
void OnPageSetup(CCommandContext& context);
