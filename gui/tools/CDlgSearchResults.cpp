#include "CDlgSearchResults.h"
#include "core/tools/Search.h"
#include "gui/controls/ReportList.h"
#include <QAbstractTableModel>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

// The rows read the copies; cell texts are made as rows are painted.
class CSearchResultsModel : public QAbstractTableModel {
public:
    CSearchResultsModel(const CUserTypeTable& userTypes, QObject* pParent)
        : QAbstractTableModel(pParent), m_userTypes(userTypes) {}

    void SetResults(const std::vector<CEntry>* pResults) {
        beginResetModel();
        m_pRows = pResults;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_pRows ? 0 : static_cast<int>(m_pRows->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : SCOL_COUNT;
    }
    QVariant data(const QModelIndex& index, int nRole) const override {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        if (nRole == Qt::DisplayRole)
            return QString::fromStdString(SearchCellText(
                (*m_pRows)[static_cast<std::size_t>(index.row())], index.column(), m_userTypes));
        if (nRole == Qt::TextAlignmentRole)
            return QVariant::fromValue(Alignment(index.column()));
        return {};
    }
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override {
        if (orientation != Qt::Horizontal || nSection < 0 || nSection >= SCOL_COUNT)
            return {};
        if (nRole == Qt::DisplayRole)
            return QString::fromLatin1(
                g_searchColumns[static_cast<std::size_t>(nSection)].m_pszTitle);
        if (nRole == Qt::TextAlignmentRole)
            return QVariant::fromValue(Alignment(nSection));
        return {};
    }

private:
    static Qt::Alignment Alignment(int nColumn) {
        const int nAlign = g_searchColumns[static_cast<std::size_t>(nColumn)].m_nAlign;
        return Qt::AlignVCenter | (nAlign < 0   ? Qt::AlignLeft
                                   : nAlign > 0 ? Qt::AlignRight
                                                : Qt::AlignHCenter);
    }

    const CUserTypeTable& m_userTypes;
    const std::vector<CEntry>* m_pRows = nullptr;
};

namespace {
QLabel* TotalBox(const char* pszName, QWidget* pParent) {
    auto* pBox = new QLabel(pParent);
    pBox->setObjectName(QString::fromLatin1(pszName));
    pBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pBox->setMinimumWidth(pBox->fontMetrics().horizontalAdvance(QStringLiteral("-99999999.99 ")) +
                          8);
    return pBox;
}
} // namespace

CDlgSearchResults::CDlgSearchResults(const CUserTypeTable& userTypes, QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Search Results")),
      m_pModel(new CSearchResultsModel(userTypes, this)) {
    m_pList = new QTableView(this);
    m_pList->setObjectName(QStringLiteral("results"));
    m_pList->setModel(m_pModel);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setShowGrid(true);
    m_pList->setWordWrap(false);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pList->verticalHeader()->hide();
    m_pList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pList->verticalHeader()->setDefaultSectionSize(m_pList->fontMetrics().height() + 4);
    QHeaderView* pHeader = m_pList->horizontalHeader();
    pHeader->setSectionResizeMode(QHeaderView::Fixed);
    pHeader->setSectionsMovable(false);
    pHeader->setSectionsClickable(false);
    pHeader->setHighlightSections(false);
    pHeader->setStretchLastSection(false);
    pHeader->setMinimumSectionSize(0);
    m_pList->setMinimumSize(m_pList->fontMetrics().averageCharWidth() * 80,
                            m_pList->fontMetrics().height() * 16);
    m_pList->viewport()->installEventFilter(this);
    HomeEndGoToRowEnds(m_pList);

    m_pFound = new QLabel(this);
    m_pFound->setObjectName(QStringLiteral("found"));
    m_pDebitTotal = TotalBox("debitTotal", this);
    m_pCreditTotal = TotalBox("creditTotal", this);
    m_pDone = MakeButton(EDlgButton::Done);
    m_pDone->setDefault(true);

    auto* pTotals = new QHBoxLayout;
    pTotals->addWidget(m_pFound);
    pTotals->addStretch();
    pTotals->addWidget(new QLabel(QStringLiteral("Totals:"), this));
    pTotals->addWidget(m_pDebitTotal);
    pTotals->addWidget(m_pCreditTotal);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pList, 1);
    pLayout->addLayout(pTotals);
    pLayout->addLayout(MakeButtonRow({m_pDone}));

    SetHelp(QStringLiteral("::/DlgSearch.txt"), {{m_pList, 2500}, {m_pDone, 2501}});
}

void CDlgSearchResults::OnInitDialog() {
    static const CSearchResults s_none;
    const CSearchResults& results = m_pResults ? *m_pResults : s_none;
    m_pModel->SetResults(&results.m_aResults);
    const CSearchTotals totals = SearchTotals(results.m_aResults);
    m_pFound->setText(QString::fromStdString(FoundText(m_pModel->rowCount())));
    m_pDebitTotal->setText(QString::fromStdString(SearchTotalText(totals.m_dDebits)));
    m_pCreditTotal->setText(QString::fromStdString(SearchTotalText(totals.m_dCredits)));
    UpdateColumnWidths();
    m_pDone->setFocus(Qt::OtherFocusReason);
}

bool CDlgSearchResults::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pList->viewport() && pEvent->type() == QEvent::Resize)
        UpdateColumnWidths();
    return CDlgBase::eventFilter(pWatched, pEvent);
}

void CDlgSearchResults::UpdateColumnWidths() {
    const std::array<int, SCOL_COUNT> widths = SearchColumnWidths(m_pList->viewport()->width());
    QHeaderView* pHeader = m_pList->horizontalHeader();
    for (int nColumn = 0; nColumn < SCOL_COUNT; ++nColumn)
        if (pHeader->sectionSize(nColumn) != widths[static_cast<std::size_t>(nColumn)])
            pHeader->resizeSection(nColumn, widths[static_cast<std::size_t>(nColumn)]);
}
