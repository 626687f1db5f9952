#pragma once
#include "core/document/CDescList.h"
#include "core/document/CUserType.h"
#include "core/tools/Search.h"
#include "gui/framework/CDlgBase.h"
#include <array>
#include <cstdint>
#include <ctime>
#include <string>

class CCommandContext;

class CDateFieldPopup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Search": five pages of criteria, each with its own box; the ticked ones apply together.
// The caller hands over the description list, runs the dialog and, on OK, reads the
// members (or Criteria()).
//
// Object names (with the control ids of the layout): "tabs" 1095; "byCheck" 1096,
// "checkSingle" 1097, "checkRange" 1100, "singleCheck" 1099, "firstCheck" 1102,
// "lastCheck" 1104; "byAmount" 1105, "amountSingle" 1106, "amountRange" 1109,
// "singleAmount" 1108, "firstAmount" 1111, "lastAmount" 1113, "debits" 1114,
// "credits" 1115; "byDesc" 1116, "descLabel" 1117, "desc" 1032; "byDate" 1118,
// "dateSingle" 1119, "dateRange" 1120, "singleDate" 1122, "firstDate" 1124, "lastDate" 1126;
// "byType" 1127, "typeCheck" 1129, "typeATM" 1130, "typeCheckCard" 1131, "typeTeller" 1132,
// "typeOther" 1133, "typeUD1" to "typeUD4" 1134 to 1137; "ok", "cancel".
class CDlgSearch : public CDlgBase {
    Q_OBJECT
public:
    // The user types give the captions of the four user-type boxes; today starts the dates.
    CDlgSearch(const CUserTypeTable& userTypes, std::time_t today, QWidget* pParent = nullptr);

    CDescList m_descs;
    int m_nCurTab = 0;
    int m_nSingleDay, m_nSingleMonth, m_nSingleYear;
    int m_nFirstDay, m_nFirstMonth, m_nFirstYear;
    int m_nLastDay, m_nLastMonth, m_nLastYear;
    bool m_bByCheck = false;
    int m_nCheckMode = -1;
    std::uint32_t m_nSingleCheck = 0;
    std::uint32_t m_nLastCheck = 0;
    std::uint32_t m_nFirstCheck = 0;
    bool m_bByAmount = false;
    int m_nAmountMode = -1;
    double m_dFirstAmount = 0.0;
    double m_dLastAmount = 0.0;
    double m_dSingleAmount = 0.0;
    bool m_bCredits = false;
    bool m_bDebits = false;
    bool m_bByDesc = false;
    std::string m_strFindDesc; // UTF-8, at most 255 characters
    bool m_bByDate = false;
    int m_nDateMode = -1;
    bool m_bByType = false;
    bool m_bATM = false, m_bCheck = false, m_bCheckCard = false, m_bOther = false,
         m_bTeller = false, m_bUD1 = false, m_bUD2 = false, m_bUD3 = false, m_bUD4 = false;

    // The criteria as the search walk takes them (the sides are left as ticked).
    CSearchCriteria Criteria() const;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    struct CDateField {
        QLineEdit* m_pEdit;
        int* m_pDay;
        int* m_pMonth;
        int* m_pYear;
    };

    void InstallHelp();
    QWidget* MakeCheckPage();
    QWidget* MakeAmountPage();
    QWidget* MakeDescPage();
    QWidget* MakeDatePage();
    QWidget* MakeTypePage();
    void FillDescBox();
    void ShowDate(const CDateField& field);
    void UpdateCheckPage();
    void UpdateAmountPage();
    void UpdateDescPage();
    void UpdateDatePage();
    void UpdateTypePage();
    bool ReadFields();

    const CUserTypeTable& m_userTypes;
    QTabWidget* m_pTabs;
    QCheckBox* m_pByCheck;
    QRadioButton* m_pCheckSingle;
    QRadioButton* m_pCheckRange;
    QLineEdit* m_pSingleCheck;
    QLineEdit* m_pFirstCheck;
    QLineEdit* m_pLastCheck;
    QCheckBox* m_pByAmount;
    QRadioButton* m_pAmountSingle;
    QRadioButton* m_pAmountRange;
    QLineEdit* m_pSingleAmount;
    QLineEdit* m_pFirstAmount;
    QLineEdit* m_pLastAmount;
    QCheckBox* m_pDebits;
    QCheckBox* m_pCredits;
    QCheckBox* m_pByDesc;
    QLabel* m_pDescLabel;
    QComboBox* m_pDesc;
    QCheckBox* m_pByDate;
    QRadioButton* m_pDateSingle;
    QRadioButton* m_pDateRange;
    std::array<CDateField, 3> m_dates{};
    QCheckBox* m_pByType;
    std::array<QCheckBox*, 9> m_types{}; // by type code
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    CDateFieldPopup* m_pDatePopup;
};

// Tools > Search: the criteria, then the entries that meet them all.
void OnSearch(CCommandContext& context);
