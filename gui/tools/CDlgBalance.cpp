#include "CDlgBalance.h"
#include "ToolCommands.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include "core/tools/Balance.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const FIGURE_NAMES[] = {"statementBal", "outDebits", "outCredits",
                                    "reconciled",   "endBal",    "difference"};

QFrame* MakeRule(QWidget* pParent) {
    auto* pRule = new QFrame(pParent);
    pRule->setFrameShape(QFrame::HLine);
    pRule->setFrameShadow(QFrame::Sunken);
    return pRule;
}
} // namespace

CDlgBalance::CDlgBalance(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Balance Checkbook")) {
    const QFontMetrics fm = fontMetrics();
    m_pStatement = new QLineEdit(this);
    m_pStatement->setObjectName(QStringLiteral("statement"));
    m_pStatement->setAlignment(Qt::AlignRight);
    m_pStatement->setFixedWidth(fm.horizontalAdvance(QStringLiteral("-9999999.99")) * 3 / 2);
    m_pCalculate = new QPushButton(QStringLiteral("Calculate"), this);
    m_pCalculate->setObjectName(QStringLiteral("calculate"));
    m_pCalculate->setDefault(true);
    m_pCalculate->setAutoDefault(true);
    connect(m_pCalculate, &QPushButton::clicked, this, &CDlgBalance::OnCalculate);
    QGridLayout* pFigureGrid = CreateFigures();
    m_pMessage = new QLabel(this);
    m_pMessage->setObjectName(QStringLiteral("message"));
    m_pMessage->setAlignment(Qt::AlignCenter);
    m_pMessage->setMinimumWidth(
        fm.horizontalAdvance(QStringLiteral("Your check book is under $99999999.99.")));
    m_pDone = MakeButton(EDlgButton::Done);
    m_pDone->setAutoDefault(false);
    LayOutControls(pFigureGrid);

    SetHelp(QStringLiteral("::/DlgBalance.txt"), {{m_pStatement, 2700},
                                                  {m_pCalculate, 2701},
                                                  {m_figures[0], 2702},
                                                  {m_figures[1], 2703},
                                                  {m_figures[2], 2704},
                                                  {m_figures[3], 2705},
                                                  {m_figures[4], 2706},
                                                  {m_figures[5], 2707},
                                                  {m_pMessage, 2708},
                                                  {m_pDone, 2709}});
}

// The six figures under their labels, a rule above each of the two results.
QGridLayout* CDlgBalance::CreateFigures() {
    const std::array<CBalanceField, 6> fields = BalanceFields(CReconciliation());
    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(12);
    pGrid->setColumnMinimumWidth(
        1, fontMetrics().horizontalAdvance(QStringLiteral("-99999999.99")) + 8);
    int nRow = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        // A rule stands above the two results.
        if (i == 3 || i == 5)
            pGrid->addWidget(MakeRule(this), nRow++, 1);
        m_figures[i] = new QLabel(this);
        m_figures[i]->setObjectName(QString::fromLatin1(FIGURE_NAMES[i]));
        m_figures[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pGrid->addWidget(new QLabel(QString::fromLatin1(fields[i].m_pszLabel), this), nRow, 0);
        pGrid->addWidget(m_figures[i], nRow++, 1);
    }
    return pGrid;
}

void CDlgBalance::LayOutControls(QGridLayout* pFigureGrid) {
    auto* pEntry = new QHBoxLayout;
    pEntry->addWidget(
        MakeFieldLabel(QStringLiteral("Enter your bank statement balance:"), m_pStatement, this));
    pEntry->addWidget(m_pStatement);
    pEntry->addWidget(m_pCalculate);
    auto* pFigures = new QHBoxLayout;
    pFigures->addStretch();
    pFigures->addLayout(pFigureGrid);
    pFigures->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pEntry);
    pLayout->addSpacing(8);
    pLayout->addLayout(pFigures);
    pLayout->addSpacing(8);
    pLayout->addWidget(m_pMessage);
    pLayout->addSpacing(4);
    pLayout->addLayout(MakeButtonRow({m_pDone}));
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDlgBalance::OnInitDialog() {
    m_pStatement->setEnabled(true);
    m_pCalculate->setEnabled(true);
    m_pStatement->setText(QString::fromStdString(Format("%.2f", m_dStatement)));
    for (QLabel* pFigure : m_figures)
        pFigure->setText(QStringLiteral("0.00"));
    m_pMessage->clear();
    m_pStatement->selectAll();
    m_pStatement->setFocus(Qt::OtherFocusReason);
    if (m_bCalculate)
        OnCalculate();
}

void CDlgBalance::OnCalculate() {
    double dStatement = 0.0;
    if (!ReadAmount(m_pStatement, MIN_STATEMENT, MAX_STATEMENT, dStatement))
        return;
    m_dStatement = dStatement;
    // One calculation per opening.
    m_pCalculate->setEnabled(false);
    m_pStatement->setEnabled(false);
    const CReconciliation r = Reconcile(dStatement, {m_dOutDebits, m_dOutCredits, m_dEndBal});
    const std::array<CBalanceField, 6> fields = BalanceFields(r);
    for (std::size_t i = 0; i < fields.size(); ++i)
        m_figures[i]->setText(QString::fromStdString(fields[i].m_strText));
    m_pMessage->setText(QString::fromStdString(BalanceMessage(r.m_dDiff)));
    m_pDone->setFocus(Qt::OtherFocusReason);
}

void OnBalance(CCommandContext& context) {
    OpenBalance(context, 0.0, false);
}

void OpenBalance(CCommandContext& context, double dStatement, bool bCalculate) {
    const CTallywiseDoc& doc = context.m_doc;
    if (!HasEntries(doc))
        return;
    const COutstanding figures = OutstandingFigures(doc.Entries());
    CDlgBalance dlg(context.m_pParent);
    dlg.m_dOutDebits = figures.m_dOutDebits;
    dlg.m_dOutCredits = figures.m_dOutCredits;
    dlg.m_dEndBal = figures.m_dEndBal;
    dlg.m_dStatement = dStatement;
    dlg.m_bCalculate = bCalculate;
    dlg.exec();
}
