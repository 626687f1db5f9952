#include "CDlgCsvMapping.h"
#include "gui/framework/CDataExchange.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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
};
constexpr int PREVIEW_ROWS = 8;

} // namespace

CDlgCsvMapping::CDlgCsvMapping(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("CSV Columns")) {
    m_pFile = new QLabel(this);
    m_pFile->setObjectName(QStringLiteral("file"));
    m_pPreview = new QTableWidget(this);
    m_pPreview->setObjectName(QStringLiteral("preview"));
    m_pPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pPreview->setSelectionMode(QAbstractItemView::NoSelection);
    m_pPreview->verticalHeader()->hide();
    m_pPreview->setMinimumHeight(m_pPreview->fontMetrics().height() * (PREVIEW_ROWS + 3));

    auto* pForm = new QFormLayout;
    for (int i = 0; i < FIELD_COUNT; ++i) {
        m_combos[i] = new QComboBox(this);
        m_combos[i]->setObjectName(QString::fromLatin1(FIELDS[i].m_pszName));
        m_combos[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* pLabel = new QLabel(QString::fromLatin1(FIELDS[i].m_pszLabel), this);
        pLabel->setBuddy(m_combos[i]);
        pForm->addRow(pLabel, m_combos[i]);
    }
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
    pLayout->addLayout(MakeButtonRow({m_pOk, m_pCancel}));
    resize(720, 520);

    SetHelp(QStringLiteral("::/DlgCsvMapping.txt"), {{m_pPreview, 3100},
                                                     {m_combos[0], 3101},
                                                     {m_combos[1], 3102},
                                                     {m_combos[2], 3103},
                                                     {m_combos[3], 3104},
                                                     {m_combos[4], 3105},
                                                     {m_combos[5], 3106},
                                                     {m_combos[6], 3107},
                                                     {m_combos[7], 3108},
                                                     {m_pOk, 3109},
                                                     {m_pCancel, 3110}});
}

void CDlgCsvMapping::FillPreview() {
    const int nCols = int(m_table.Columns());
    const int nRows = std::min(PREVIEW_ROWS, int(m_table.m_rows.size()));
    m_pPreview->clear();
    m_pPreview->setColumnCount(nCols);
    m_pPreview->setRowCount(nRows);
    QStringList headers;
    for (int c = 0; c < nCols; ++c)
        headers << QStringLiteral("%1: %2").arg(c + 1).arg(
            QString::fromStdString(m_table.m_header[std::size_t(c)]));
    m_pPreview->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < nRows; ++r) {
        const CCsvRow& row = m_table.m_rows[std::size_t(r)];
        for (int c = 0; c < nCols && c < int(row.m_fields.size()); ++c)
            m_pPreview->setItem(
                r, c, new QTableWidgetItem(QString::fromStdString(row.m_fields[std::size_t(c)])));
    }
    m_pPreview->resizeColumnsToContents();
}

void CDlgCsvMapping::OnInitDialog() {
    m_pFile->setText(QStringLiteral("The first rows of %1:")
                         .arg(QString::fromStdString(m_strFileName).toHtmlEscaped()));
    FillPreview();
    for (int i = 0; i < FIELD_COUNT; ++i) {
        QComboBox* pCombo = m_combos[i];
        pCombo->clear();
        pCombo->addItem(QStringLiteral("(none)"));
        for (std::size_t c = 0; c < m_table.Columns(); ++c)
            pCombo->addItem(QStringLiteral("%1: %2").arg(c + 1).arg(
                QString::fromStdString(m_table.m_header[c])));
        const int nCol = m_mapping.*FIELDS[i].m_pMember;
        pCombo->setCurrentIndex(nCol >= 0 && nCol < int(m_table.Columns()) ? nCol + 1 : 0);
    }
    m_combos[0]->setFocus(Qt::OtherFocusReason);
}

bool CDlgCsvMapping::OnOK() {
    CCsvMapping m;
    for (int i = 0; i < FIELD_COUNT; ++i)
        m.*FIELDS[i].m_pMember = m_combos[i]->currentIndex() - 1;
    const std::string strWhy = CheckCsvMapping(m, m_table);
    if (!strWhy.empty()) {
        ShowAppMessage(this, QString::fromStdString(strWhy), QMessageBox::Information);
        QComboBox* pFocus = m.m_nDate < 0                    ? m_combos[0]
                            : m.m_nDesc < 0 && m.m_nMemo < 0 ? m_combos[1]
                                                             : m_combos[3];
        pFocus->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_mapping = m;
    return true;
}
