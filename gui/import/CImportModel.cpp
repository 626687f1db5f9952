#include "CImportModel.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QPalette>

namespace {

// Text drawn lighter than the new rows yet still well readable: two parts text colour,
// one part background keeps black on white at about 7:1.
QColor DimText() {
    const QPalette palette = QApplication::palette();
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    return QColor((text.red() * 2 + base.red()) / 3, (text.green() * 2 + base.green()) / 3,
                  (text.blue() * 2 + base.blue()) / 3);
}

QString AmountText(double dAmount) {
    return QString::fromStdString(Format("%.2f", dAmount));
}

} // namespace

CImportModel::CImportModel(QObject* pParent) : QAbstractTableModel(pParent) {}

void CImportModel::SetPlan(const CImportPlan* pPlan) {
    beginResetModel();
    const bool bSameFile = m_pPlan && pPlan && pPlan->m_rows.size() == m_ticks.size();
    std::vector<bool> ticks;
    std::vector<EImportStatus> statuses;
    if (pPlan)
        for (std::size_t i = 0; i < pPlan->m_rows.size(); ++i) {
            const EImportStatus status = pPlan->m_rows[i].m_nStatus;
            bool bTick = status == EImportStatus::New;
            if (bSameFile && status != EImportStatus::Skipped && m_userTicks[i] >= 0 &&
                !(status == EImportStatus::Duplicate && m_statuses[i] != status))
                bTick = m_userTicks[i] != 0;
            ticks.push_back(bTick);
            statuses.push_back(status);
        }
    if (!bSameFile)
        m_userTicks.assign(ticks.size(), -1);
    m_pPlan = pPlan;
    m_ticks = std::move(ticks);
    m_statuses = std::move(statuses);
    endResetModel();
    Q_EMIT TicksChanged();
}

int CImportModel::TickedCount() const {
    int n = 0;
    for (bool b : m_ticks)
        n += b;
    return n;
}

bool CImportModel::Tickable(int nRow) const {
    return m_pPlan && nRow >= 0 && nRow < rowCount() &&
           m_pPlan->m_rows[std::size_t(nRow)].m_nStatus != EImportStatus::Skipped;
}

void CImportModel::SetTick(int nRow, bool bTick) {
    m_ticks[std::size_t(nRow)] = bTick;
    m_userTicks[std::size_t(nRow)] = bTick ? 1 : 0;
    const QModelIndex tick = index(nRow, COL_TICK);
    Q_EMIT dataChanged(tick, tick, {Qt::CheckStateRole});
}

void CImportModel::ToggleTick(int nRow) {
    if (!Tickable(nRow))
        return;
    SetTick(nRow, !m_ticks[std::size_t(nRow)]);
    Q_EMIT TicksChanged();
}

void CImportModel::TickAllNew(bool bTick) {
    if (!m_pPlan)
        return;
    for (int i = 0; i < rowCount(); ++i)
        if (m_pPlan->m_rows[std::size_t(i)].m_nStatus == EImportStatus::New)
            SetTick(i, bTick);
    Q_EMIT TicksChanged();
}

int CImportModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_pPlan ? 0 : int(m_pPlan->m_rows.size());
}

int CImportModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COL_COUNT;
}

// The register's entry a duplicate stands for: its date, number, description and amount.
QString CImportModel::MatchText(const CImportRow& row) const {
    if (row.m_nStatus != EImportStatus::Duplicate || !m_pDoc || row.m_nMatchedEntry < 0 ||
        row.m_nMatchedEntry >= m_pDoc->EntryCount())
        return QString();
    const CEntry& e = *m_pDoc->GetEntryAt(std::uint16_t(row.m_nMatchedEntry));
    QString str = QString::fromStdString(FormatDate(e.m_date, m_pszDateFormat));
    if (e.m_nType == TYPE_CHECK && e.m_nCheckNum)
        str += QStringLiteral("  #%1").arg(e.m_nCheckNum);
    str += QStringLiteral("  %1  %2")
               .arg(QString::fromStdString(e.m_strDesc),
                    AmountText(e.m_bDebit ? -e.m_dAmount : e.m_dAmount));
    return str;
}

QString CImportModel::DisplayText(int nRow, int nColumn) const {
    const CImportRow& row = m_pPlan->m_rows[std::size_t(nRow)];
    switch (nColumn) {
    case COL_DATE:
        return row.m_date ? QString::fromStdString(FormatDate(row.m_date, m_pszDateFormat))
                          : QString();
    case COL_NUM:
        return row.m_nCheckNum ? QString::number(row.m_nCheckNum) : QString();
    case COL_DESC:
        return QString::fromStdString(row.m_strDesc);
    case COL_DEBIT:
    case COL_CREDIT:
        if (row.m_bDebit != (nColumn == COL_DEBIT) || row.m_dAmount == 0)
            return QString();
        return AmountText(row.m_dAmount);
    case COL_STATUS:
        if (row.m_nStatus == EImportStatus::Skipped)
            return QString::fromStdString("Skipped: " + row.m_strReason);
        return row.m_nStatus == EImportStatus::New ? QStringLiteral("New")
                                                   : QStringLiteral("Duplicate");
    case COL_MATCHES:
        return MatchText(row);
    default:
        return QString();
    }
}

QVariant CImportModel::data(const QModelIndex& index, int nRole) const {
    if (!m_pPlan || !index.isValid() || index.row() >= rowCount())
        return {};
    const CImportRow& row = m_pPlan->m_rows[std::size_t(index.row())];
    const int nColumn = index.column();
    switch (nRole) {
    case Qt::CheckStateRole:
        if (nColumn != COL_TICK || row.m_nStatus == EImportStatus::Skipped)
            return {};
        return m_ticks[std::size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    case Qt::DisplayRole:
        return DisplayText(index.row(), nColumn);
    case Qt::AccessibleTextRole:
        return nColumn == COL_TICK ? QStringLiteral("Add") : DisplayText(index.row(), nColumn);
    case Qt::TextAlignmentRole:
        if (nColumn == COL_DEBIT || nColumn == COL_CREDIT || nColumn == COL_NUM)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        return row.m_nStatus == EImportStatus::New ? QVariant() : QBrush(DimText());
    case Qt::FontRole:
        if (row.m_nStatus == EImportStatus::New)
            return {};
        {
            QFont font;
            font.setItalic(true);
            return font;
        }
    case Qt::ToolTipRole:
        if (nColumn == COL_DATE && row.m_date)
            return QString::fromStdString(FormatDate(row.m_date, "%B %d, %Y"));
        if (nColumn == COL_DESC || nColumn == COL_STATUS || nColumn == COL_MATCHES)
            return DisplayText(index.row(), nColumn);
        return {};
    default:
        return {};
    }
}

bool CImportModel::setData(const QModelIndex& index, const QVariant& value, int nRole) {
    if (nRole != Qt::CheckStateRole || index.column() != COL_TICK || !Tickable(index.row()))
        return false;
    SetTick(index.row(), value.toInt() == Qt::Checked);
    Q_EMIT TicksChanged();
    return true;
}

Qt::ItemFlags CImportModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == COL_TICK && Tickable(index.row()))
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant CImportModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const {
    if (orientation != Qt::Horizontal)
        return {};
    static const char* const TITLES[COL_COUNT] = {"Add",   "Date",   "Num",    "Description",
                                                  "Debit", "Credit", "Status", "Matches"};
    if (nRole == Qt::DisplayRole || nRole == Qt::AccessibleTextRole)
        return QString::fromLatin1(TITLES[nSection]);
    if (nRole == Qt::ToolTipRole && nSection == COL_MATCHES)
        return QStringLiteral("The register's entry a duplicate matches");
    return {};
}
