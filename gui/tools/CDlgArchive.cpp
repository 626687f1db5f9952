#include "CDlgArchive.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/tools/Archive.h"
#include "gui/controls/CDateFieldPopup.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include "gui/framework/CQtServices.h"
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {
constexpr const char* DIALOG_DATE = "%B %d, %Y";

QString DateText(std::time_t date) {
    return QString::fromStdString(FormatDate(date, DIALOG_DATE));
}

QLineEdit* MakeShownField(QWidget* pParent, const char* pszName) {
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setObjectName(QString::fromLatin1(pszName));
    pEdit->setReadOnly(true);
    pEdit->setContextMenuPolicy(Qt::NoContextMenu);
    return pEdit;
}
} // namespace

CDlgArchive::CDlgArchive(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Archive Old Entries")),
      m_pStartDate(MakeShownField(this, "startDate")), m_pEndDate(MakeShownField(this, "endDate")),
      m_pFileName(MakeShownField(this, "fileName")) {
    const QFontMetrics fm = fontMetrics();
    const int nDateWidth = fm.horizontalAdvance(QStringLiteral("September 30, 2000")) * 4 / 3;
    m_pStartDate->setFixedWidth(nDateWidth);
    m_pStartDate->setFocusPolicy(Qt::NoFocus);
    m_pEndDate->setFixedWidth(nDateWidth);
    m_pDatePopup = new CDateFieldPopup(this);
    m_pDatePopup->Watch(
        m_pEndDate, [this] { return SplitLocalDate(m_endDate); },
        [this](const CDayMonthYear& date) { OnEndDatePicked(date); });
    m_pFileName->setMinimumWidth(fm.averageCharWidth() * 48);
    m_pChange = new QPushButton(QStringLiteral("Change"), this);
    m_pChange->setObjectName(QStringLiteral("change"));
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);
    connect(m_pChange, &QPushButton::clicked, this, &CDlgArchive::OnChange);

    auto* pFields = new QGridLayout;
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Start Date:", m_pStartDate}, {"End Date:", m_pEndDate}, {"File Name:", m_pFileName}};
    for (int i = 0; i < 3; ++i) {
        const auto& [pszLabel, pField] = rows[i];
        pFields->addWidget(MakeFieldLabel(QString::fromLatin1(pszLabel), pField, this), i, 0,
                           Qt::AlignRight);
        pFields->addWidget(pField, i, 1, i < 2 ? Qt::AlignLeft : Qt::Alignment());
    }
    pFields->addWidget(m_pChange, 2, 2);
    auto* pText = new QVBoxLayout;
    pText->setSpacing(0);
    for (const char* pszLine :
         {"Archiving will remove all entries between", "the selected dates from this checkbook",
          "and write them in text format to", "the selected file."})
        pText->addWidget(new QLabel(QString::fromLatin1(pszLine), this));
    auto* pButtons = new QVBoxLayout;
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(m_pCancel);
    pButtons->addStretch();
    auto* pLower = new QHBoxLayout;
    pLower->addLayout(pText);
    pLower->addStretch();
    pLower->addLayout(pButtons);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pFields);
    pLayout->addSpacing(10);
    pLayout->addLayout(pLower);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetHelp(QStringLiteral("::/DlgArchive.txt"), {{m_pStartDate, 3700},
                                                  {m_pEndDate, 3701},
                                                  {m_pFileName, 3702},
                                                  {m_pChange, 3703},
                                                  {m_pOk, 3704},
                                                  {m_pCancel, 3705}});
}

void CDlgArchive::OnInitDialog() {
    m_pStartDate->setText(DateText(m_startDate));
    ShowEndDate();
    m_pFileName->setText(FromLocalPath(m_strFileName));
    m_pFileName->setCursorPosition(0);
    m_pOk->setFocus(Qt::OtherFocusReason);
}

bool CDlgArchive::OnOK() {
    if (m_strDocPath.empty() || !IsWrittenBySave(m_strDocPath, m_strFileName))
        return true;
    // Refused here, the user can choose another name without starting again.
    ShowAppMessage(this, QString::fromStdString(SaveTargetMessage(m_strFileName)),
                   QMessageBox::Warning);
    m_pFileName->setFocus(Qt::OtherFocusReason);
    m_pFileName->selectAll();
    return false;
}

void CDlgArchive::ShowEndDate() {
    m_pEndDate->setText(DateText(m_endDate));
}

void CDlgArchive::OnEndDatePicked(const CDayMonthYear& date) {
    m_endDate = SnapEndDate(MakeLocalDate(date), m_startDate, m_latestDate);
    ShowEndDate();
}

void CDlgArchive::OnChange() {
    const QString strFilter = QStringLiteral("Tallywise Archive Files (*.twa)");
    QFileDialog dlg(this, QStringLiteral("Save Archive File As"), QString(), strFilter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(QStringLiteral("twa"));
    dlg.selectFile(FromLocalPath(m_strFileName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return;
    const QString strChosen = dlg.selectedFiles().constFirst();
    // The chooser asked before an existing file could be chosen.
    m_bMayReplace = QFileInfo::exists(strChosen);
    m_strFileName = ToLocalPath(strChosen);
    m_pFileName->setText(strChosen);
    m_pFileName->setCursorPosition(0);
}

void OnArchive(CCommandContext& context) {
    CTallywiseDoc& doc = context.m_doc;
    std::optional<CArchiveSetup> setup = PrepareArchive(doc);
    if (!setup)
        return;
    CDlgArchive dlg(context.m_pParent);
    dlg.m_startDate = setup->m_startDate;
    dlg.m_endDate = setup->m_endDate;
    dlg.m_latestDate = setup->m_latestDate;
    dlg.m_strFileName = setup->m_strFileName;
    dlg.m_strDocPath = doc.GetPathName();
    if (dlg.exec() != QDialog::Accepted)
        return;
    ArchiveEntries(doc, {dlg.m_strFileName, dlg.m_startDate, dlg.m_endDate, dlg.m_bMayReplace});
}
