#pragma once
#include "gui/framework/CDlgBase.h"
#include <array>
#include <string>

class CCommandContext;

class QLabel;
struct CStatisticsTexts;

// "Statistics": the texts the handler fills, shown as they are. No context help.
//
// Object names: "beginDate", "endDate", "beginCheck", "endCheck"; per row ("check", "atm",
// "checkCard", "teller", "other", "ud1" to "ud4", "totals") the name plus "Entries",
// "Debit" and "Credit"; "ud1Label" to "ud4Label"; "ok".
class CDlgStatistics : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgStatistics(QWidget* pParent = nullptr);

    std::string m_strBeginCheck, m_strBeginDate, m_strEndCheck, m_strEndDate;
    std::string m_strATMCredit, m_strCheckCredit, m_strCheckCardCredit, m_strOtherCredit,
        m_strTellerCredit, m_strTotalCredit;
    std::string m_strATMDebit, m_strCheckDebit, m_strCheckCardDebit, m_strOtherDebit,
        m_strTellerDebit, m_strTotalDebit;
    std::string m_strATMEntries, m_strCheckEntries, m_strCheckCardEntries, m_strOtherEntries,
        m_strTellerEntries, m_strTotalEntries;
    std::string m_strUD1Credit, m_strUD2Credit, m_strUD3Credit, m_strUD4Credit;
    std::string m_strUD1Debit, m_strUD2Debit, m_strUD3Debit, m_strUD4Debit;
    std::string m_strUD1Entries, m_strUD2Entries, m_strUD3Entries, m_strUD4Entries;
    std::string m_strUD1Label, m_strUD2Label, m_strUD3Label, m_strUD4Label;

    // Fills the 38 fields from the computed texts.
    void SetTexts(const CStatisticsTexts& texts);

protected:
    void OnInitDialog() override;

private:
    struct CRowFields {
        std::string* m_pLabel; // none for the fixed labels
        std::string* m_pEntries;
        std::string* m_pDebit;
        std::string* m_pCredit;
    };
    std::array<CRowFields, 10> Rows();

    std::array<QLabel*, 4> m_header{};
    std::array<std::array<QLabel*, 4>, 10> m_cells{}; // label, entries, debit, credit
};

void OnStatistics(CCommandContext& context);
