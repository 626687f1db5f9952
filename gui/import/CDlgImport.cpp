#include "CDlgImport.h"
#include "CImportModel.h"
#include "gui/framework/CDataExchange.h"
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr EDateOrder ORDER_CHOICES[] = {EDateOrder::MDY, EDateOrder::DMY, EDateOrder::YMD};
} // namespace

CDlgImport::CDlgImport(QWidget* pParent) : CDlgBase(pParent, QStringLiteral("Import")) {
    m_pFile = new QLabel(this);
    m_pFile->setObjectName(QStringLiteral("file"));
    m_pOrderLabel = new QLabel(
        QStringLiteral("The file does not tell the order of its dates. They are written:"), this);
    m_pDateOrder = new QComboBox(this);
    m_pDateOrder->setObjectName(QStringLiteral("dateOrder"));
    m_pDateOrder->addItems({QStringLiteral("Month first (MM/DD/YYYY)"),
                            QStringLiteral("Day first (DD/MM/YYYY)"),
                            QStringLiteral("Year first (YYYY/MM/DD)")});
    m_pModel = new CImportModel(this);
    m_pTable = new QTableView(this);
    m_pTable->setObjectName(QStringLiteral("transactions"));
    m_pTable->setModel(m_pModel);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setShowGrid(true);
    m_pTable->verticalHeader()->hide();
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTable->viewport()->installEventFilter(this);
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName(QStringLiteral("summary"));
    m_pNotes = new QLabel(this);
    m_pNotes->setObjectName(QStringLiteral("notes"));
    m_pNotes->setWordWrap(true);
    m_pTicked = new QLabel(this);
    m_pTicked->setObjectName(QStringLiteral("ticked"));

    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    auto* pOrder = new QHBoxLayout;
    pOrder->addWidget(m_pOrderLabel);
    pOrder->addWidget(m_pDateOrder);
    pOrder->addStretch();
    auto* pCounts = new QHBoxLayout;
    pCounts->addWidget(m_pSummary);
    pCounts->addStretch();
    pCounts->addWidget(m_pTicked);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pFile);
    pLayout->addLayout(pOrder);
    pLayout->addWidget(m_pTable, 1);
    pLayout->addLayout(pCounts);
    pLayout->addWidget(m_pNotes);
    pLayout->addLayout(MakeButtonRow({m_pOk, m_pCancel}));
    resize(760, 440);

    connect(m_pModel, &CImportModel::TicksChanged, this, &CDlgImport::UpdateTicked);
    connect(m_pDateOrder, &QComboBox::activated, this, &CDlgImport::OnDateOrderChanged);
    SetHelp(QStringLiteral("::/DlgImport.txt"),
            {{m_pTable, 3000}, {m_pDateOrder, 3001}, {m_pOk, 3002}, {m_pCancel, 3003}});
}

void CDlgImport::OnInitDialog() {
    m_pFile->setText(QStringLiteral("Transactions in %1:")
                         .arg(QString::fromStdString(m_strFileName).toHtmlEscaped()));
    m_pOrderLabel->setVisible(m_bOrderAsked);
    m_pDateOrder->setVisible(m_bOrderAsked);
    for (int i = 0; i < 3; ++i)
        if (ORDER_CHOICES[i] == m_dateOrder)
            m_pDateOrder->setCurrentIndex(i);
    ShowPlan();
    m_pTable->setFocus(Qt::OtherFocusReason);
}

void CDlgImport::ShowPlan() {
    m_pModel->SetPlan(&m_plan);
    m_pSummary->setText(QString::fromStdString(ImportSummary(m_plan)));
    std::string strNotes;
    for (const std::string& s : m_plan.m_notes)
        strNotes += (strNotes.empty() ? "" : "\n") + s;
    m_pNotes->setText(QString::fromStdString(strNotes));
    m_pNotes->setVisible(!strNotes.empty());
    SizeColumns();
}

void CDlgImport::UpdateTicked() {
    m_pTicked->setText(QStringLiteral("%1 to add").arg(m_pModel->TickedCount()));
}

void CDlgImport::OnDateOrderChanged(int nIndex) {
    const EDateOrder order = ORDER_CHOICES[std::max(0, std::min(nIndex, 2))];
    if (order == m_dateOrder || !m_fnReplan)
        return;
    std::optional<CImportPlan> plan = m_fnReplan(order);
    if (!plan)
        return;
    m_dateOrder = order;
    m_plan = std::move(*plan);
    ShowPlan();
}

bool CDlgImport::OnOK() {
    const int nTicked = m_pModel->TickedCount();
    const std::string strRefusal = m_fnLimitMessage ? m_fnLimitMessage(nTicked) : std::string();
    if (!strRefusal.empty()) {
        ShowAppMessage(this, QString::fromStdString(strRefusal), QMessageBox::Information);
        return false;
    }
    m_ticks = m_pModel->Ticks();
    return true;
}

// The columns follow the list's width whenever it changes.
bool CDlgImport::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (pObject == m_pTable->viewport() && pEvent->type() == QEvent::Resize)
        SizeColumns();
    return CDlgBase::eventFilter(pObject, pEvent);
}

// Fixed fractions of the list's width.
void CDlgImport::SizeColumns() {
    static const double FRACTIONS[CImportModel::COL_COUNT - 1] = {0.04, 0.11, 0.06,
                                                                  0.31, 0.09, 0.09};
    const int nWidth = m_pTable->viewport()->width();
    for (int i = 0; i < CImportModel::COL_COUNT - 1; ++i)
        m_pTable->setColumnWidth(i, int(nWidth * FRACTIONS[i]));
}
