#include "CDlgImport.h"
#include "CImportModel.h"
#include "ImportDateOrders.h"
#include "gui/framework/CDataExchange.h"
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* OrderWords(EDateOrder order) {
    switch (order) {
    case EDateOrder::DMY:
        return "day first";
    case EDateOrder::YMD:
        return "year first";
    default:
        return "month first";
    }
}

// Dates are shown in the order the file is read in, so that the column confirms the choice.
const char* OrderFormat(EDateOrder order) {
    switch (order) {
    case EDateOrder::DMY:
        return "%d/%m/%Y";
    case EDateOrder::YMD:
        return "%Y/%m/%d";
    default:
        return "%m/%d/%Y";
    }
}

QTableView* MakeTable(QWidget* pParent, CImportModel* pModel) {
    auto* pTable = new QTableView(pParent);
    pTable->setObjectName(QStringLiteral("transactions"));
    pTable->setAccessibleName(QStringLiteral("Transactions"));
    pTable->setModel(pModel);
    pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    pTable->setTabKeyNavigation(false);
    pTable->setShowGrid(true);
    pTable->setWordWrap(false);
    pTable->verticalHeader()->hide();
    pTable->verticalHeader()->setDefaultSectionSize(pTable->fontMetrics().height() + 6);
    pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    pTable->horizontalHeader()->setStretchLastSection(true);
    return pTable;
}

} // namespace

CDlgImport::CDlgImport(QWidget* pParent) : CDlgBase(pParent, QStringLiteral("Import")) {
    m_pFile = new QLabel(this);
    m_pFile->setObjectName(QStringLiteral("file"));
    m_pDateOrder = MakeDateOrderBox(this, m_pOrderLabel);
    m_pOrderHint = new QLabel(this);
    m_pOrderHint->setObjectName(QStringLiteral("orderHint"));
    m_pOrderHint->setWordWrap(true);
    m_pModel = new CImportModel(this);
    m_pTable = MakeTable(this, m_pModel);
    m_pTable->installEventFilter(this);
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName(QStringLiteral("summary"));
    m_pNotes = new QLabel(this);
    m_pNotes->setObjectName(QStringLiteral("notes"));
    m_pNotes->setWordWrap(true);
    m_pTicked = new QLabel(this);
    m_pTicked->setObjectName(QStringLiteral("ticked"));
    m_pTickAll = new QPushButton(QStringLiteral("Tick All &New"), this);
    m_pTickAll->setObjectName(QStringLiteral("tickAll"));
    m_pTickAll->setToolTip(QStringLiteral("Tick every new transaction (Ctrl+A)"));
    m_pTickAll->setAutoDefault(false);
    m_pUntickAll = new QPushButton(QStringLiteral("&Untick All"), this);
    m_pUntickAll->setObjectName(QStringLiteral("untickAll"));
    m_pUntickAll->setToolTip(QStringLiteral("Untick every new transaction (Ctrl+Shift+A)"));
    m_pUntickAll->setAutoDefault(false);
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    LayOut();
    SetTabOrder({m_pDateOrder, m_pTable, m_pTickAll, m_pUntickAll, m_pOk, m_pCancel});

    connect(m_pModel, &CImportModel::TicksChanged, this, &CDlgImport::UpdateTicked);
    connect(m_pDateOrder, &QComboBox::activated, this, &CDlgImport::OnDateOrderChanged);
    connect(m_pTickAll, &QPushButton::clicked, m_pModel, [this] { m_pModel->TickAllNew(true); });
    connect(m_pUntickAll, &QPushButton::clicked, m_pModel, [this] { m_pModel->TickAllNew(false); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), this), &QShortcut::activated,
            m_pTickAll, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), this),
            &QShortcut::activated, m_pUntickAll, &QPushButton::click);
    SetHelp(QStringLiteral("::/DlgImport.txt"), {{m_pTable, 3000},
                                                 {m_pDateOrder, 3001},
                                                 {m_pOk, 3002},
                                                 {m_pCancel, 3003},
                                                 {m_pTickAll, 3004},
                                                 {m_pUntickAll, 3004}});
}

void CDlgImport::LayOut() {
    auto* pOrder = new QHBoxLayout;
    pOrder->addWidget(m_pOrderLabel);
    pOrder->addWidget(m_pDateOrder);
    pOrder->addStretch();
    auto* pCounts = new QHBoxLayout;
    pCounts->addWidget(m_pSummary);
    pCounts->addStretch();
    pCounts->addWidget(m_pTicked);
    pCounts->addWidget(m_pTickAll);
    pCounts->addWidget(m_pUntickAll);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pFile);
    pLayout->addLayout(pOrder);
    pLayout->addWidget(m_pOrderHint);
    pLayout->addWidget(m_pTable, 1);
    pLayout->addLayout(pCounts);
    pLayout->addWidget(m_pNotes);
    pLayout->addLayout(MakeButtonRow({m_pOk, m_pCancel}));
}

void CDlgImport::OnInitDialog() {
    m_pFile->setText(QStringLiteral("Transactions in %1:")
                         .arg(QString::fromStdString(m_strFileName).toHtmlEscaped()));
    m_pModel->SetDocument(m_pDoc);
    ShowDateOrders(m_pOrderLabel, m_pDateOrder, m_orders, m_dateOrder);
    ShowPlan();
    SizeColumns();
    m_pTable->setFocus(Qt::OtherFocusReason);
}

void CDlgImport::ShowPlan() {
    const QModelIndex current = m_pTable->currentIndex();
    m_pModel->SetDateFormat(OrderFormat(m_dateOrder));
    m_pModel->SetPlan(&m_plan);
    m_pTable->setCurrentIndex(
        m_pModel->index(std::max(0, current.row()), std::max(0, current.column())));
    m_pSummary->setText(QString::fromStdString(ImportSummary(m_plan)));
    std::string strNotes;
    for (const std::string& s : m_plan.m_notes)
        strNotes += (strNotes.empty() ? "" : "\n") + s;
    m_pNotes->setText(QString::fromStdString(strNotes));
    m_pNotes->setVisible(!strNotes.empty());
    ShowOrderHint();
}

// When another order makes more of the file's dates meet the register's entries, the
// chosen order is probably not the one the file was written in.
void CDlgImport::ShowOrderHint() {
    int nHere = 0;
    const CDateOrderChoice* pBetter = nullptr;
    for (const CDateOrderChoice& choice : m_orders)
        if (choice.m_order == m_dateOrder)
            nHere = choice.m_nDuplicates;
    for (const CDateOrderChoice& choice : m_orders)
        if (choice.m_nDuplicates > nHere &&
            (!pBetter || choice.m_nDuplicates > pBetter->m_nDuplicates))
            pBetter = &choice;
    m_pOrderHint->setVisible(pBetter != nullptr);
    if (pBetter)
        m_pOrderHint->setText(
            QStringLiteral("Read %1, %2 of these transactions match entries of the register "
                           "(read %3: %4). Check the order of the dates.")
                .arg(QString::fromLatin1(OrderWords(pBetter->m_order)))
                .arg(pBetter->m_nDuplicates)
                .arg(QString::fromLatin1(OrderWords(m_dateOrder)))
                .arg(nHere));
}

void CDlgImport::UpdateTicked() {
    m_pTicked->setText(QStringLiteral("%1 to add").arg(m_pModel->TickedCount()));
}

void CDlgImport::OnDateOrderChanged(int nIndex) {
    if (nIndex < 0 || nIndex >= int(m_orders.size()))
        return;
    const EDateOrder order = m_orders[std::size_t(nIndex)].m_order;
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

// Space ticks or unticks the current row whichever of its cells is current.
bool CDlgImport::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (pObject == m_pTable && pEvent->type() == QEvent::KeyPress) {
        const auto* pKey = static_cast<QKeyEvent*>(pEvent);
        if (pKey->key() == Qt::Key_Space && pKey->modifiers() == Qt::NoModifier) {
            m_pModel->ToggleTick(m_pTable->currentIndex().row());
            return true;
        }
    }
    return CDlgBase::eventFilter(pObject, pEvent);
}

// Each column as wide as its widest text, the texts cut at a readable width; the window
// never narrower than the figures need. Later the user's widths stay.
void CDlgImport::SizeColumns() {
    const QFontMetrics metrics(m_pTable->font());
    const int nPad = metrics.horizontalAdvance(QLatin1Char('0')) * 2;
    const int nCap = metrics.averageCharWidth() * 40;
    QHeaderView* pHeader = m_pTable->horizontalHeader();
    int nMinimum = 0;
    int nAll = 0;
    for (int c = 0; c < CImportModel::COL_COUNT; ++c) {
        // The longest text measures for the column; digits are all of one width.
        QString strLongest;
        for (int r = 0; r < m_pModel->rowCount(); ++r) {
            const QString str = m_pModel->DisplayText(r, c);
            if (str.size() > strLongest.size())
                strLongest = str;
        }
        int nWidth =
            std::max(metrics.horizontalAdvance(strLongest) + nPad, pHeader->sectionSizeHint(c));
        if (c == CImportModel::COL_TICK)
            nWidth =
                std::max(nWidth, static_cast<QAbstractItemView*>(m_pTable)->sizeHintForColumn(c));
        const bool bText = c == CImportModel::COL_DESC || c == CImportModel::COL_STATUS ||
                           c == CImportModel::COL_MATCHES;
        if (bText)
            nWidth = std::min(nWidth, nCap);
        m_pTable->setColumnWidth(c, nWidth);
        nAll += nWidth;
        if (!bText)
            nMinimum += nWidth;
    }
    // Room besides the figures for some of the description and the word "Duplicate".
    nMinimum += metrics.averageCharWidth() * 24 +
                metrics.horizontalAdvance(QStringLiteral("Duplicate")) + nPad +
                m_pTable->verticalScrollBar()->sizeHint().width() + 2 * m_pTable->frameWidth();
    m_pTable->setMinimumWidth(nMinimum);
    // Wide enough for every column when the screen is.
    const int nFrame = m_pTable->verticalScrollBar()->sizeHint().width() +
                       2 * m_pTable->frameWidth() + layout()->contentsMargins().left() +
                       layout()->contentsMargins().right();
    const int nScreen = screen() ? screen()->availableGeometry().width() : 1024;
    resize(std::max(minimumSizeHint().width(), std::min(nAll + nFrame, nScreen)), 440);
}
