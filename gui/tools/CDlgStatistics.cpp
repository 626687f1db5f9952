#include "CDlgStatistics.h"
#include "ToolCommands.h"
#include "core/document/CTallywiseDoc.h"
#include "core/tools/Statistics.h"
#include "gui/framework/CCommandContext.h"
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const ROW_NAMES[] = {"check", "atm", "checkCard", "teller", "other",
                                 "ud1",   "ud2", "ud3",       "ud4",    "totals"};
const char* const FIXED_LABELS[] = {"Check", "ATM", "Check Card", "Teller", "Other",
                                    "UD1",   "UD2", "UD3",        "UD4",    "Totals"};
const char* const HEADER_NAMES[] = {"beginDate", "endDate", "beginCheck", "endCheck"};
const char* const HEADER_LABELS[] = {"Begin Date:", "End Date:", "Begin Check:", "End Check:"};

QLabel* Value(const QString& strName, QWidget* pParent, Qt::Alignment align) {
    auto* pLabel = new QLabel(pParent);
    pLabel->setObjectName(strName);
    pLabel->setAlignment(align | Qt::AlignVCenter);
    return pLabel;
}
} // namespace

CDlgStatistics::CDlgStatistics(QWidget* pParent) : CDlgBase(pParent, QStringLiteral("Statistics")) {
    const int nFigureWidth = fontMetrics().horizontalAdvance(QStringLiteral("-99999999.99")) + 8;
    auto* pHeader = new QGridLayout;
    pHeader->setHorizontalSpacing(10);
    for (std::size_t i = 0; i < m_header.size(); ++i) {
        m_header[i] = Value(QString::fromLatin1(HEADER_NAMES[i]), this, Qt::AlignLeft);
        m_header[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")));
        const int nRow = int(i) % 2, nCol = int(i) / 2 * 2;
        pHeader->addWidget(new QLabel(QString::fromLatin1(HEADER_LABELS[i]), this), nRow, nCol);
        pHeader->addWidget(m_header[i], nRow, nCol + 1);
    }
    pHeader->setColumnMinimumWidth(2, nFigureWidth / 2);

    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(16);
    pGrid->setVerticalSpacing(4);
    const char* const HEADINGS[] = {"Entries", "Debit", "Credit"};
    for (int nCol = 0; nCol < 3; ++nCol) {
        auto* pHeading = new QLabel(QString::fromLatin1(HEADINGS[nCol]), this);
        pHeading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pGrid->addWidget(pHeading, 0, nCol + 1);
        pGrid->setColumnMinimumWidth(nCol + 1, nFigureWidth * 3 / 4);
    }
    int nRow = 1;
    for (std::size_t r = 0; r < m_cells.size(); ++r) {
        if (r == SROW_TOTALS) {
            auto* pRule = new QFrame(this);
            pRule->setFrameShape(QFrame::HLine);
            pRule->setFrameShadow(QFrame::Sunken);
            pGrid->addWidget(pRule, nRow++, 0, 1, 4);
        }
        const QString strRow = QString::fromLatin1(ROW_NAMES[r]);
        const bool bUserType = r >= SROW_USER1 && r < SROW_TOTALS;
        m_cells[r][0] = bUserType ? Value(strRow + QStringLiteral("Label"), this, Qt::AlignLeft)
                                  : new QLabel(QString::fromLatin1(FIXED_LABELS[r]), this);
        m_cells[r][1] = Value(strRow + QStringLiteral("Entries"), this, Qt::AlignRight);
        m_cells[r][2] = Value(strRow + QStringLiteral("Debit"), this, Qt::AlignRight);
        m_cells[r][3] = Value(strRow + QStringLiteral("Credit"), this, Qt::AlignRight);
        for (int nCol = 0; nCol < 4; ++nCol)
            pGrid->addWidget(m_cells[r][static_cast<std::size_t>(nCol)], nRow, nCol);
        ++nRow;
    }
    pGrid->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 24);

    QPushButton* pOk = MakeButton(EDlgButton::Ok);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pHeader);
    pLayout->addSpacing(10);
    pLayout->addLayout(pGrid);
    pLayout->addSpacing(6);
    pLayout->addLayout(MakeButtonRow({pOk}));
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

std::array<CDlgStatistics::CRowFields, 10> CDlgStatistics::Rows() {
    return {{
        {nullptr, &m_strCheckEntries, &m_strCheckDebit, &m_strCheckCredit},
        {nullptr, &m_strATMEntries, &m_strATMDebit, &m_strATMCredit},
        {nullptr, &m_strCheckCardEntries, &m_strCheckCardDebit, &m_strCheckCardCredit},
        {nullptr, &m_strTellerEntries, &m_strTellerDebit, &m_strTellerCredit},
        {nullptr, &m_strOtherEntries, &m_strOtherDebit, &m_strOtherCredit},
        {&m_strUD1Label, &m_strUD1Entries, &m_strUD1Debit, &m_strUD1Credit},
        {&m_strUD2Label, &m_strUD2Entries, &m_strUD2Debit, &m_strUD2Credit},
        {&m_strUD3Label, &m_strUD3Entries, &m_strUD3Debit, &m_strUD3Credit},
        {&m_strUD4Label, &m_strUD4Entries, &m_strUD4Debit, &m_strUD4Credit},
        {nullptr, &m_strTotalEntries, &m_strTotalDebit, &m_strTotalCredit},
    }};
}

void CDlgStatistics::SetTexts(const CStatisticsTexts& texts) {
    m_strBeginDate = texts.m_strBeginDate;
    m_strEndDate = texts.m_strEndDate;
    m_strBeginCheck = texts.m_strBeginCheck;
    m_strEndCheck = texts.m_strEndCheck;
    const std::array<CRowFields, 10> rows = Rows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const CStatisticsRow& row = texts.m_rows[r];
        if (rows[r].m_pLabel)
            *rows[r].m_pLabel = row.m_strLabel;
        *rows[r].m_pEntries = row.m_strEntries;
        *rows[r].m_pDebit = row.m_strDebit;
        *rows[r].m_pCredit = row.m_strCredit;
    }
}

void CDlgStatistics::OnInitDialog() {
    const std::string* const header[] = {&m_strBeginDate, &m_strEndDate, &m_strBeginCheck,
                                         &m_strEndCheck};
    for (std::size_t i = 0; i < m_header.size(); ++i)
        m_header[i]->setText(QString::fromStdString(*header[i]));
    const std::array<CRowFields, 10> rows = Rows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].m_pLabel)
            m_cells[r][0]->setText(QString::fromStdString(*rows[r].m_pLabel));
        m_cells[r][1]->setText(QString::fromStdString(*rows[r].m_pEntries));
        m_cells[r][2]->setText(QString::fromStdString(*rows[r].m_pDebit));
        m_cells[r][3]->setText(QString::fromStdString(*rows[r].m_pCredit));
    }
}

void OnStatistics(CCommandContext& context) {
    const CTallywiseDoc& doc = context.m_doc;
    if (!HasEntries(doc))
        return;
    CDlgStatistics dlg(context.m_pParent);
    dlg.SetTexts(StatisticsTexts(ComputeStatistics(doc.Entries()), doc.UserTypes()));
    dlg.exec();
}
