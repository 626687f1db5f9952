#include "CDlgOptions.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/EntryTypes.h"
#include "core/framework/FieldLimits.h"
#include "core/settings/CSettings.h"
#include "gui/controls/CFontChooser.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include "gui/view/CTallywiseView.h"
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int PREVIEW_COLUMN_WIDTH = 180;

QString Text(const char* pszText) {
    return QString::fromUtf8(pszText);
}

// Shows stored text whole, even when it is longer than can be typed: OK then refuses it
// with the standard message instead of cutting it.
void SetLimitedText(QLineEdit* pEdit, const std::string& strText, int nMaxChars) {
    const QString str = QString::fromStdString(strText);
    pEdit->setMaxLength(std::max<int>(nMaxChars, int(str.toStdU32String().size())));
    pEdit->setText(str);
}

QGroupBox* MakeGroup(const char* pszTitle, QWidget* pParent) {
    auto* pGroup = new QGroupBox(Text(pszTitle), pParent);
    return pGroup;
}

} // namespace

CDlgOptions::CDlgOptions(QWidget* pParent) : CDlgBase(pParent, QStringLiteral("Options")) {
    m_pTabs = new QTabBar(this);
    m_pTabs->setObjectName(QStringLiteral("tabs"));
    m_pTabs->setExpanding(false);
    m_pTabs->setDrawBase(true);
    for (const char* pszTab : {"File Options", "Editor Options", "Add Options", "Type Options"})
        m_pTabs->addTab(Text(pszTab));

    m_pPages = new QStackedWidget(this);
    m_pPages->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_pPages->addWidget(CreateFilePage());
    m_pPages->addWidget(CreateEditorPage());
    m_pPages->addWidget(CreateAddPage());
    m_pPages->addWidget(CreateTypePage());
    // Shown while a tab change is being checked: the old tab's controls are gone by then.
    m_pPages->addWidget(new QWidget(m_pPages));
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);
    QHBoxLayout* pButtons = MakeButtonRow({m_pOk, m_pCancel});
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pTabs);
    pLayout->addWidget(m_pPages);
    pLayout->addSpacing(10);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pTabs, &QTabBar::currentChanged, this, &CDlgOptions::OnTabChanged);
    // A bare tab bar, unlike a tab widget, leaves Ctrl+Tab to the focused field. A filter
    // rather than a shortcut: shortcuts wait for the window to be active again after a
    // message box, and some desktops leave it inactive.
    qApp->installEventFilter(this);
    InstallHelp();
}

QWidget* CDlgOptions::CreateFilePage() {
    auto* pPage = new QWidget;
    m_pBackup = new QCheckBox(QStringLiteral("Create backup files (*.bak)"));
    m_pBackup->setObjectName(QStringLiteral("backup"));
    m_pTextBackup = new QCheckBox(QStringLiteral("Create text backup files (*.txt)"));
    m_pTextBackup->setObjectName(QStringLiteral("textBackup"));
    m_pLoadLast = new QCheckBox(QStringLiteral("Load last file on startup"));
    m_pLoadLast->setObjectName(QStringLiteral("loadLast"));

    QGroupBox* pSave = MakeGroup("Save Options:", pPage);
    auto* pSaveLayout = new QVBoxLayout(pSave);
    pSaveLayout->addWidget(m_pBackup);
    pSaveLayout->addWidget(m_pTextBackup);
    QGroupBox* pStartup = MakeGroup("Startup Options:", pPage);
    auto* pStartupLayout = new QVBoxLayout(pStartup);
    pStartupLayout->addWidget(m_pLoadLast);

    auto* pLayout = new QVBoxLayout(pPage);
    pLayout->addWidget(pSave);
    pLayout->addWidget(pStartup);
    pLayout->addStretch();
    return pPage;
}

QWidget* CDlgOptions::CreateEditorPage() {
    auto* pPage = new QWidget;
    m_pDblEdit = new QRadioButton(QStringLiteral("Edit entry"));
    m_pDblEdit->setObjectName(QStringLiteral("dblEdit"));
    m_pDblToggle = new QRadioButton(QStringLiteral("Toggle cleared flag"));
    m_pDblToggle->setObjectName(QStringLiteral("dblToggle"));
    auto* pDblGroup = new QButtonGroup(pPage);
    pDblGroup->addButton(m_pDblEdit);
    pDblGroup->addButton(m_pDblToggle);
    CreateDisplayControls();

    QGroupBox* pDblClick = MakeGroup("On Double-Click:", pPage);
    auto* pDblLayout = new QHBoxLayout(pDblClick);
    pDblLayout->addWidget(m_pDblEdit);
    pDblLayout->addSpacing(16);
    pDblLayout->addWidget(m_pDblToggle);
    pDblLayout->addStretch();

    auto* pLayout = new QVBoxLayout(pPage);
    pLayout->addWidget(pDblClick);
    pLayout->addWidget(LayOutDisplayGroup(pPage));
    pLayout->addStretch();
    return pPage;
}

// The font and colour buttons and the two-row preview of the list.
void CDlgOptions::CreateDisplayControls() {
    m_pFont = new QPushButton;
    m_pFont->setObjectName(QStringLiteral("font"));
    m_pFont->setAutoDefault(false);
    m_pForeground = new QPushButton(QStringLiteral("Foreground"));
    m_pForeground->setObjectName(QStringLiteral("foreground"));
    m_pForeground->setAutoDefault(false);
    m_pBackground = new QPushButton(QStringLiteral("Background"));
    m_pBackground->setObjectName(QStringLiteral("background"));
    m_pBackground->setAutoDefault(false);

    m_pPreview = new QTableWidget(2, 1);
    m_pPreview->setObjectName(QStringLiteral("preview"));
    m_pPreview->horizontalHeader()->hide();
    m_pPreview->verticalHeader()->hide();
    m_pPreview->setColumnWidth(0, PREVIEW_COLUMN_WIDTH);
    m_pPreview->setShowGrid(true);
    m_pPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pPreview->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pPreview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pPreview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pPreview->setWordWrap(false);
    m_pPreview->setFixedWidth(PREVIEW_COLUMN_WIDTH + 2 * m_pPreview->frameWidth());
    m_pPreview->setFixedHeight(
        2 * (QFontMetrics(MakeListFont("", MAX_FONT_POINTS * 10)).height() + 3) +
        2 * m_pPreview->frameWidth());
    m_pPreview->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Deposit")));
    m_pPreview->setItem(1, 0, new QTableWidgetItem(QStringLiteral("Withdrawal")));

    connect(m_pFont, &QPushButton::clicked, this, &CDlgOptions::OnFont);
    connect(m_pForeground, &QPushButton::clicked, this, &CDlgOptions::OnForeground);
    connect(m_pBackground, &QPushButton::clicked, this, &CDlgOptions::OnBackground);
}

QGroupBox* CDlgOptions::LayOutDisplayGroup(QWidget* pPage) {
    QGroupBox* pDisplay = MakeGroup("List Display:", pPage);
    auto* pControls = new QVBoxLayout;
    pControls->addWidget(new QLabel(QStringLiteral("Font:")));
    pControls->addWidget(m_pFont);
    pControls->addSpacing(8);
    pControls->addWidget(new QLabel(QStringLiteral("Colors:")));
    auto* pColors = new QHBoxLayout;
    pColors->addWidget(m_pForeground);
    pColors->addWidget(m_pBackground);
    pControls->addLayout(pColors);
    pControls->addStretch();
    auto* pDisplayLayout = new QHBoxLayout(pDisplay);
    pDisplayLayout->addLayout(pControls);
    pDisplayLayout->addSpacing(12);
    pDisplayLayout->addWidget(m_pPreview, 0, Qt::AlignTop);
    return pDisplay;
}

QWidget* CDlgOptions::CreateAddPage() {
    auto* pPage = new QWidget;
    m_pDefaultType = new QComboBox;
    m_pDefaultType->setObjectName(QStringLiteral("defaultType"));
    m_pDefaultType->setMinimumContentsLength(MAX_USER_TYPE_NAME_CHARS);
    m_pDefaultType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pNewCleared =
        new QCheckBox(QStringLiteral("Check here for new entries to be cleared by default"));
    m_pNewCleared->setObjectName(QStringLiteral("newCleared"));

    QGroupBox* pType = MakeGroup("Default Entry Type:", pPage);
    auto* pTypeLayout = new QHBoxLayout(pType);
    pTypeLayout->addWidget(m_pDefaultType);
    pTypeLayout->addStretch();
    QGroupBox* pCleared = MakeGroup("Cleared Flag:", pPage);
    auto* pClearedLayout = new QVBoxLayout(pCleared);
    pClearedLayout->addWidget(m_pNewCleared);

    auto* pLayout = new QVBoxLayout(pPage);
    pLayout->addWidget(pType);
    pLayout->addWidget(pCleared);
    pLayout->addStretch();
    return pPage;
}

QWidget* CDlgOptions::CreateTypePage() {
    auto* pPage = new QWidget;
    auto* pBuiltIn = new QVBoxLayout;
    for (const char* pszType :
         {"Check  (C)", "ATM  (A)", "Check Card  (R)", "Teller  (T)", "Other  (O)"})
        pBuiltIn->addWidget(new QLabel(Text(pszType)));
    pBuiltIn->addStretch();

    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(8);
    pGrid->addWidget(new QLabel(QStringLiteral("Name")), 0, 1);
    pGrid->addWidget(new QLabel(QStringLiteral("Abbr.")), 0, 2);
    const QFontMetrics fm = fontMetrics();
    for (int k = 0; k < int(m_slots.size()); ++k) {
        CTypeSlot& slot = m_slots[std::size_t(k)];
        const QString strNumber = QString::number(k + 1);
        slot.m_pEnabled = new QCheckBox(QStringLiteral("User Defined ") + strNumber);
        slot.m_pEnabled->setObjectName(QStringLiteral("userType") + strNumber);
        slot.m_pName = new QLineEdit;
        slot.m_pName->setObjectName(QStringLiteral("name") + strNumber);
        SetupTextField(slot.m_pName, MAX_USER_TYPE_NAME_CHARS);
        slot.m_pName->setMinimumWidth(fm.horizontalAdvance(QLatin1Char('x')) * 28);
        slot.m_pAbbr = new QLineEdit;
        slot.m_pAbbr->setObjectName(QStringLiteral("abbr") + strNumber);
        SetupTextField(slot.m_pAbbr, MAX_USER_TYPE_ABBR_CHARS);
        slot.m_pAbbr->setFixedWidth(fm.horizontalAdvance(QStringLiteral("WW")) + 16);
        slot.m_pAbbr->setAlignment(Qt::AlignCenter);
        pGrid->addWidget(slot.m_pEnabled, k + 1, 0);
        pGrid->addWidget(slot.m_pName, k + 1, 1);
        pGrid->addWidget(slot.m_pAbbr, k + 1, 2);
        connect(slot.m_pEnabled, &QCheckBox::toggled, this, [this, k] { OnSlotToggled(k); });
    }
    pGrid->setRowStretch(int(m_slots.size()) + 1, 1);

    auto* pLayout = new QHBoxLayout(pPage);
    pLayout->addLayout(pBuiltIn);
    pLayout->addSpacing(16);
    pLayout->addLayout(pGrid, 1);
    return pPage;
}

void CDlgOptions::InstallHelp() {
    SetHelp(QStringLiteral("::/DlgOptions.txt"), {{m_pTabs, 1800},
                                                  {m_pBackup, 1801},
                                                  {m_pTextBackup, 1802},
                                                  {m_pLoadLast, 1803},
                                                  {m_pDblEdit, 1804},
                                                  {m_pDblToggle, 1805},
                                                  {m_pFont, 1806},
                                                  {m_pForeground, 1807},
                                                  {m_pBackground, 1808},
                                                  {m_pPreview, 1809},
                                                  {m_pDefaultType, 1810},
                                                  {m_pNewCleared, 1811},
                                                  {m_slots[0].m_pEnabled, 1812},
                                                  {m_slots[1].m_pEnabled, 1812},
                                                  {m_slots[2].m_pEnabled, 1812},
                                                  {m_slots[3].m_pEnabled, 1812},
                                                  {m_slots[0].m_pName, 1813},
                                                  {m_slots[1].m_pName, 1813},
                                                  {m_slots[2].m_pName, 1813},
                                                  {m_slots[3].m_pName, 1813},
                                                  {m_slots[0].m_pAbbr, 1814},
                                                  {m_slots[1].m_pAbbr, 1814},
                                                  {m_slots[2].m_pAbbr, 1814},
                                                  {m_slots[3].m_pAbbr, 1814},
                                                  {m_pOk, 1815},
                                                  {m_pCancel, 1816}});
}

void CDlgOptions::OnInitDialog() {
    ShowTab(TAB_FILE);
    m_pBackup->setChecked(m_options.m_bBackup);
    m_pTextBackup->setChecked(m_options.m_bTextBackup);
    m_pLoadLast->setChecked(m_options.m_bLoadLast);
    m_pDblEdit->setChecked(m_options.m_nDblClick == 1);
    m_pDblToggle->setChecked(m_options.m_nDblClick != 1);
    ShowFontCaption();
    ApplyPreviewFont();
    ApplyPreviewColors();
    FillDefaultTypeList();
    m_pNewCleared->setChecked(m_options.m_bACleared);
    for (std::size_t k = 0; k < m_slots.size(); ++k) {
        const CUserType& type = m_options.m_userTypes[k];
        CTypeSlot& slot = m_slots[k];
        SetLimitedText(slot.m_pName, type.m_strName, MAX_USER_TYPE_NAME_CHARS);
        SetLimitedText(slot.m_pAbbr, type.m_strAbbr, MAX_USER_TYPE_ABBR_CHARS);
        slot.m_pEnabled->setChecked(type.m_bEnabled != 0);
        OnSlotToggled(int(k));
        // A type that the register uses can be neither switched off nor renamed.
        if (type.m_bNotInUse == 0) {
            slot.m_pEnabled->setEnabled(false);
            slot.m_pName->setEnabled(false);
            slot.m_pAbbr->setEnabled(false);
        }
    }
}

bool CDlgOptions::OnOK() {
    return UpdateData();
}

bool CDlgOptions::UpdateData() {
    m_options.m_bBackup = m_pBackup->isChecked();
    m_options.m_bTextBackup = m_pTextBackup->isChecked();
    m_options.m_bLoadLast = m_pLoadLast->isChecked();
    m_options.m_nDblClick = m_pDblEdit->isChecked() ? 1 : 0;
    if (m_pDefaultType->currentIndex() >= 0)
        m_options.m_nAType = m_pDefaultType->currentIndex();
    m_options.m_bACleared = m_pNewCleared->isChecked();
    if (!ReadTypeSlots())
        return false;
    const std::optional<CUserTypeFault> fault = ValidateUserTypes(m_options.m_userTypes);
    if (!fault)
        return true;
    ShowAppMessage(this, Text(fault->m_pszMessage), QMessageBox::Warning);
    FocusTypeField(fault->m_nSlot, fault->m_field);
    return false;
}

bool CDlgOptions::ReadTypeSlots() {
    for (std::size_t k = 0; k < m_slots.size(); ++k) {
        CTypeSlot& slot = m_slots[k];
        const std::pair<QLineEdit*, int> fields[] = {{slot.m_pName, MAX_USER_TYPE_NAME_CHARS},
                                                     {slot.m_pAbbr, MAX_USER_TYPE_ABBR_CHARS}};
        // A locked field keeps what the register holds, whatever its length.
        for (const auto& [pEdit, nMax] : fields) {
            if (!pEdit->isEnabled() ||
                (pEdit->text().toStdU32String().size() <= std::size_t(nMax) &&
                 IsStorableText(pEdit->text())))
                continue;
            ShowTab(TAB_TYPE);
            return CheckTextLength(pEdit, nMax) && CheckStorableText(pEdit);
        }
        CUserType& type = m_options.m_userTypes[k];
        type.m_bEnabled = slot.m_pEnabled->isChecked() ? 1 : 0;
        type.m_strName = slot.m_pName->text().toStdString();
        type.m_strAbbr = slot.m_pAbbr->text().toStdString();
    }
    return true;
}

void CDlgOptions::FocusTypeField(int nSlot, EUserTypeField field) {
    ShowTab(TAB_TYPE);
    const CTypeSlot& slot = m_slots[std::size_t(nSlot)];
    QLineEdit* pEdit = field == EUserTypeField::Name ? slot.m_pName : slot.m_pAbbr;
    pEdit->setFocus(Qt::OtherFocusReason);
    pEdit->selectAll();
}

void CDlgOptions::ShowTab(int nTab) {
    m_bTabBusy = true;
    m_pTabs->setCurrentIndex(nTab);
    m_bTabBusy = false;
    m_pPages->setCurrentIndex(nTab);
}

void CDlgOptions::OnTabChanged(int nTab) {
    if (m_bTabBusy)
        return;
    m_pPages->setCurrentIndex(TAB_COUNT);
    if (nTab == TAB_ADD) {
        // The list offers the user types as they stand now, so they must be sound.
        if (!UpdateData())
            return;
        FillDefaultTypeList();
    }
    ShowTab(nTab);
}

bool CDlgOptions::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() != QEvent::KeyPress)
        return CDlgBase::eventFilter(pWatched, pEvent);
    const auto* pKey = static_cast<const QKeyEvent*>(pEvent);
    auto* pWidget = qobject_cast<QWidget*>(pWatched);
    const bool bTab = pKey->key() == Qt::Key_Tab || pKey->key() == Qt::Key_Backtab;
    if (!bTab || !(pKey->modifiers() & Qt::ControlModifier) || !pWidget ||
        pWidget->window() != this)
        return CDlgBase::eventFilter(pWatched, pEvent);
    const bool bBack =
        pKey->key() == Qt::Key_Backtab || (pKey->modifiers() & Qt::ShiftModifier) != 0;
    OnNextTab(bBack ? -1 : 1);
    return true;
}

void CDlgOptions::OnNextTab(int nStep) {
    const int nTab = (m_pTabs->currentIndex() + nStep + TAB_COUNT) % TAB_COUNT;
    m_pTabs->setCurrentIndex(nTab);
    // A refused check has put the focus on the field at fault.
    if (m_pTabs->currentIndex() != nTab)
        return;
    QWidget* pPage = m_pPages->widget(nTab);
    for (QWidget* pWidget = pPage->nextInFocusChain(); pWidget != pPage;
         pWidget = pWidget->nextInFocusChain()) {
        // Tab reaches the chosen button of a radio group only.
        auto* pRadio = qobject_cast<QRadioButton*>(pWidget);
        if (pPage->isAncestorOf(pWidget) && pWidget->isEnabled() && pWidget->isVisible() &&
            (pWidget->focusPolicy() & Qt::TabFocus) && !pWidget->focusProxy() &&
            (!pRadio || pRadio->isChecked())) {
            pWidget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_pTabs->setFocus(Qt::TabFocusReason);
}

void CDlgOptions::FillDefaultTypeList() {
    m_pDefaultType->clear();
    for (const std::string& strName : TypeListNames(m_options.m_userTypes))
        m_pDefaultType->addItem(QString::fromStdString(strName));
    m_pDefaultType->setCurrentIndex(
        TypeListStartIndex(m_options.m_nAType, m_pDefaultType->count()));
}

void CDlgOptions::OnSlotToggled(int nSlot) {
    const CTypeSlot& slot = m_slots[std::size_t(nSlot)];
    const bool bOn = slot.m_pEnabled->isChecked();
    slot.m_pName->setEnabled(bOn);
    slot.m_pAbbr->setEnabled(bOn);
}

void CDlgOptions::OnFont() {
    QFont initial(QString::fromStdString(m_options.m_strFont));
    initial.setPointSizeF(
        std::clamp(m_options.m_nFontSize / 10.0, double(MIN_FONT_POINTS), double(MAX_FONT_POINTS)));
    CFontChooser dlg(initial, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const QFont chosen = dlg.selectedFont();
    m_options.m_strFont = chosen.family().toStdString();
    m_options.m_nFontSize = int(std::lround(chosen.pointSizeF() * 10.0));
    ApplyPreviewFont();
    ShowFontCaption();
}

void CDlgOptions::OnForeground() {
    QColorDialog dlg(ColorFromRef(m_options.m_nTxColor), this);
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    dlg.setWindowTitle(QStringLiteral("Color"));
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_options.m_nTxColor = ColorToRef(dlg.selectedColor());
    ApplyPreviewColors();
}

void CDlgOptions::OnBackground() {
    QColorDialog dlg(ColorFromRef(m_options.m_nBkColor), this);
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    dlg.setWindowTitle(QStringLiteral("Color"));
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_options.m_nBkColor = ColorToRef(dlg.selectedColor());
    ApplyPreviewColors();
}

void CDlgOptions::ShowFontCaption() {
    m_pFont->setText(
        QString::fromStdString(FontButtonCaption(m_options.m_strFont, m_options.m_nFontSize)));
}

void CDlgOptions::ApplyPreviewFont() {
    const QFont font = MakeListFont(m_options.m_strFont, m_options.m_nFontSize);
    m_pPreview->setFont(font);
    m_pPreview->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 3);
    m_pPreview->viewport()->update();
}

void CDlgOptions::ApplyPreviewColors() {
    QPalette pal = m_pPreview->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, ColorFromRef(m_options.m_nBkColor));
        pal.setColor(group, QPalette::Text, ColorFromRef(m_options.m_nTxColor));
    }
    m_pPreview->setPalette(pal);
    m_pPreview->viewport()->update();
}

void OnOptions(CCommandContext& context) {
    CTallywiseDoc& doc = context.m_doc;
    // The Type page locks the types the register uses, so that knowledge must be current.
    doc.RefreshTypeUsage();
    CDlgOptions dlg(context.m_pParent);
    dlg.m_options = OptionsFromApp(context.m_settings);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const COptionsApplied applied = ApplyOptions(dlg.m_options, context.m_settings);
    // The table is saved with the register: without this a close would drop it unasked.
    if (applied.m_bUserTypesChanged)
        doc.UserTypesChanged();
    context.m_list.OnOptionsApplied(applied);
}
