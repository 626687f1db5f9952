#include "CDlgCsvMapping.h"
#include "gui/framework/CDataExchange.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct CField {
    const char* m_pszName;
    const char* m_pszLabel;
    int CCsvMapping::*m_pMember;
};
constexpr CField FIELDS[] = {
    {"date", "&Date:", &CCsvMapping::m_nDate},
    {"desc", "D&escription:", &CCsvMapping::m_nDesc},
    {"memo", "&Memo (when there is no description):", &CCsvMapping::m_nMemo},
    {"amount", "&Amount (negative for a debit):", &CCsvMapping::m_nAmount},
    {"debit", "Deb&it:", &CCsvMapping::m_nDebit},
    {"credit", "C&redit:", &CCsvMapping::m_nCredit},
    {"num", "Check &number:", &CCsvMapping::m_nNum},
    {"cleared", "C&leared or status:", &CCsvMapping::m_nCleared},
    {"sign", "Direc&tion (debit or credit, for unsigned amounts):", &CCsvMapping::m_nSign},
};
constexpr int PREVIEW_ROWS = 8;
constexpr int NAME_CHARS = 32; // a column name longer than this is cut, and shown whole in a tip
constexpr EDateOrder ORDERS[] = {EDateOrder::Auto, EDateOrder::MDY, EDateOrder::DMY,
                                 EDateOrder::YMD};

QString ColumnTitle(const CCsvTable& table, std::size_t nColumn) {
    const QString strName = QString::fromStdString(table.m_header[nColumn]);
    return QStringLiteral("%1: %2")
        .arg(nColumn + 1)
        .arg(strName.size() > NAME_CHARS ? strName.left(NAME_CHARS - 1) + QChar(0x2026) : strName);
}

QTableWidget* MakePreview(QWidget* pParent) {
    auto* pPreview = new QTableWidget(pParent);
    pPreview->setObjectName(QStringLiteral("preview"));
    pPreview->setAccessibleName(QStringLiteral("First rows of the file"));
    pPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pPreview->setSelectionMode(QAbstractItemView::NoSelection);
    pPreview->setTabKeyNavigation(false);
    pPreview->verticalHeader()->hide();
    pPreview->setMinimumHeight(pPreview->fontMetrics().height() * (PREVIEW_ROWS + 3));
    return pPreview;
}

QComboBox* MakeOrderBox(QWidget* pParent, QFormLayout* pForm) {
    auto* pBox = new QComboBox(pParent);
    pBox->setObjectName(QStringLiteral("dateOrder"));
    pBox->setAccessibleName(QStringLiteral("Date order"));
    pBox->addItems({QStringLiteral("As the dates show"), QStringLiteral("Month first (MM/DD/YYYY)"),
                    QStringLiteral("Day first (DD/MM/YYYY)"),
                    QStringLiteral("Year first (YYYY/MM/DD)")});
    auto* pLabel = new QLabel(QStringLiteral("Date &order:"), pParent);
    pLabel->setBuddy(pBox);
    pForm->addRow(pLabel, pBox);
    return pBox;
}

} // namespace

CDlgCsvMapping::CDlgCsvMapping(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("CSV Columns")) {
    m_pFile = new QLabel(this);
    m_pFile->setObjectName(QStringLiteral("file"));
    m_pPreview = MakePreview(this);

    auto* pForm = new QFormLayout;
    for (int i = 0; i < FIELD_COUNT; ++i) {
        m_combos[i] = new QComboBox(this);
        m_combos[i]->setObjectName(QString::fromLatin1(FIELDS[i].m_pszName));
        m_combos[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_combos[i]->setMinimumContentsLength(NAME_CHARS / 2);
        auto* pLabel = new QLabel(QString::fromLatin1(FIELDS[i].m_pszLabel), this);
        pLabel->setBuddy(m_combos[i]);
        pForm->addRow(pLabel, m_combos[i]);
    }
    m_pDateOrder = MakeOrderBox(this, pForm);
    m_pSignNote = new QLabel(this);
    m_pSignNote->setObjectName(QStringLiteral("signNote"));
    m_pSignNote->setWordWrap(true);
    m_pSignNote->setTextFormat(Qt::PlainText);
    for (QComboBox* pCombo : m_combos)
        connect(pCombo, &QComboBox::currentIndexChanged, this, &CDlgCsvMapping::ShowSignNote);
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pFile);
    pLayout->addWidget(m_pPreview, 1);
    pLayout->addWidget(new QLabel(
        QStringLiteral("Choose the column of each part of a transaction: one amount column, "
                       "or a debit and a credit column."),
        this));
    pLayout->addLayout(pForm);
    pLayout->addWidget(m_pSignNote);
    pLayout->addLayout(MakeButtonRow({m_pOk, m_pCancel}));
    resize(720, 520);
    // However long the file's column names, OK stays on the screen.
    if (const QScreen* pScreen = screen())
        setMaximumSize(pScreen->availableGeometry().size());

    SetHelp(QStringLiteral("::/DlgCsvMapping.txt"), {{m_pPreview, 3100},
                                                     {m_combos[0], 3101},
                                                     {m_combos[1], 3102},
                                                     {m_combos[2], 3103},
                                                     {m_combos[3], 3104},
                                                     {m_combos[4], 3105},
                                                     {m_combos[5], 3106},
                                                     {m_combos[6], 3107},
                                                     {m_combos[7], 3108},
                                                     {m_combos[8], 3111},
                                                     {m_pDateOrder, 3112},
                                                     {m_pOk, 3109},
                                                     {m_pCancel, 3110}});
}

void CDlgCsvMapping::FillPreview() {
    const int nCols = int(m_table.Columns());
    const int nRows = std::min(PREVIEW_ROWS, int(m_table.m_rows.size()));
    m_pPreview->clear();
    m_pPreview->setColumnCount(nCols);
    m_pPreview->setRowCount(nRows);
    for (int c = 0; c < nCols; ++c) {
        auto* pItem = new QTableWidgetItem(ColumnTitle(m_table, std::size_t(c)));
        pItem->setToolTip(QString::fromStdString(m_table.m_header[std::size_t(c)]));
        m_pPreview->setHorizontalHeaderItem(c, pItem);
    }
    for (int r = 0; r < nRows; ++r) {
        const CCsvRow& row = m_table.m_rows[std::size_t(r)];
        for (int c = 0; c < nCols && c < int(row.m_fields.size()); ++c)
            m_pPreview->setItem(
                r, c, new QTableWidgetItem(QString::fromStdString(row.m_fields[std::size_t(c)])));
    }
    m_pPreview->resizeColumnsToContents();
    const int nMaxWidth = m_pPreview->fontMetrics().averageCharWidth() * NAME_CHARS;
    for (int c = 0; c < nCols; ++c)
        m_pPreview->setColumnWidth(c, std::min(m_pPreview->columnWidth(c), nMaxWidth));
}

void CDlgCsvMapping::OnInitDialog() {
    m_pFile->setText(QStringLiteral("The first rows of %1:")
                         .arg(QString::fromStdString(m_strFileName).toHtmlEscaped()));
    FillPreview();
    for (int i = 0; i < FIELD_COUNT; ++i) {
        QComboBox* pCombo = m_combos[i];
        pCombo->clear();
        pCombo->addItem(QStringLiteral("(none)"));
        for (std::size_t c = 0; c < m_table.Columns(); ++c) {
            pCombo->addItem(ColumnTitle(m_table, c));
            pCombo->setItemData(pCombo->count() - 1, QString::fromStdString(m_table.m_header[c]),
                                Qt::ToolTipRole);
        }
        const int nCol = m_mapping.*FIELDS[i].m_pMember;
        pCombo->setCurrentIndex(nCol >= 0 && nCol < int(m_table.Columns()) ? nCol + 1 : 0);
    }
    for (int i = 0; i < 4; ++i)
        if (ORDERS[i] == m_dateOrder)
            m_pDateOrder->setCurrentIndex(i);
    ShowSignNote();
    m_combos[0]->setFocus(Qt::OtherFocusReason);
}

// A column that tells debits from credits, left out while every amount is unsigned, would
// make every debit a deposit.
CCsvMapping CDlgCsvMapping::Chosen() const {
    CCsvMapping m;
    for (int i = 0; i < FIELD_COUNT; ++i)
        m.*FIELDS[i].m_pMember = m_combos[i]->currentIndex() - 1;
    return m;
}

void CDlgCsvMapping::ShowSignNote() {
    const int nColumn = UnmappedDirectionColumn(m_table, Chosen());
    m_pSignNote->setVisible(nColumn >= 0);
    if (nColumn >= 0)
        m_pSignNote->setText(
            QStringLiteral("Column %1 (%2) tells whether each amount is a debit or a credit, "
                           "and the amounts have no sign: choose it as the direction.")
                .arg(nColumn + 1)
                .arg(QString::fromStdString(m_table.m_header[std::size_t(nColumn)])));
}

bool CDlgCsvMapping::OnOK() {
    const CCsvMapping m = Chosen();
    std::string strWhy = CheckCsvMapping(m, m_table);
    if (strWhy.empty() && UnmappedDirectionColumn(m_table, m) >= 0) {
        strWhy = m_pSignNote->text().toStdString();
        m_combos[FIELD_COUNT - 1]->setFocus(Qt::OtherFocusReason);
        ShowAppMessage(this, QString::fromStdString(strWhy), QMessageBox::Information);
        return false;
    }
    if (!strWhy.empty()) {
        ShowAppMessage(this, QString::fromStdString(strWhy), QMessageBox::Information);
        QComboBox* pFocus = m.m_nDate < 0                    ? m_combos[0]
                            : m.m_nDesc < 0 && m.m_nMemo < 0 ? m_combos[1]
                                                             : m_combos[3];
        pFocus->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_mapping = m;
    m_dateOrder = ORDERS[std::max(0, m_pDateOrder->currentIndex())];
    return true;
}
