#include "CFontChooser.h"
#include "core/framework/FieldLimits.h"
#include "core/settings/Options.h"
#include "gui/framework/CDataExchange.h"
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

namespace {

QString SizeText(double dPoints) {
    return QString::number(std::round(dPoints * 10.0) / 10.0, 'g', 4);
}

// Selects the row whose text is strText, or none; the field being typed in keeps its text.
void SelectRow(QListWidget* pList, const QString& strText, Qt::MatchFlags flags) {
    const QSignalBlocker block(pList);
    const QList<QListWidgetItem*> found = pList->findItems(strText, flags);
    pList->setCurrentItem(found.isEmpty() ? nullptr : found.first());
    if (!found.isEmpty())
        pList->scrollToItem(found.first(), QAbstractItemView::PositionAtTop);
    else
        pList->clearSelection();
}

} // namespace

CFontChooser::CFontChooser(const QFont& initial, QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Font")) {
    m_pFace = new QLineEdit(this);
    m_pFace->setObjectName(QStringLiteral("face"));
    m_pFaces = new QListWidget(this);
    m_pFaces->setObjectName(QStringLiteral("faces"));
    QStringList faces;
    for (const QString& strFamily : QFontDatabase::families()) {
        // "C059 [urw]" is the face C059 as one foundry makes it: the face is what is kept.
        const QString strFace = strFamily.section(QStringLiteral(" ["), 0, 0);
        if (!QFontDatabase::isPrivateFamily(strFamily) && !faces.contains(strFace))
            faces << strFace;
    }
    m_pFaces->addItems(faces);
    m_pSize = new QLineEdit(this);
    m_pSize->setObjectName(QStringLiteral("size"));
    m_pSizes = new QListWidget(this);
    m_pSizes->setObjectName(QStringLiteral("sizes"));
    for (int nPoints = MIN_FONT_POINTS; nPoints <= MAX_FONT_POINTS; ++nPoints)
        m_pSizes->addItem(QString::number(nPoints));
    m_pSample = new QLabel(QStringLiteral("AaBbYyZz"), this);
    m_pSample->setObjectName(QStringLiteral("sample"));
    m_pSample->setAlignment(Qt::AlignCenter);
    LayOut();

    connect(m_pFace, &QLineEdit::textEdited, this, &CFontChooser::OnFaceEdited);
    connect(m_pSize, &QLineEdit::textEdited, this, &CFontChooser::OnSizeEdited);
    // Selection, not the current row: a list that gains the focus makes its first row
    // current, which must not replace what the field holds.
    for (auto [pList, pField] : {std::pair{m_pFaces, m_pFace}, std::pair{m_pSizes, m_pSize}}) {
        connect(pList, &QListWidget::itemSelectionChanged, this, [this, pList, pField] {
            const QList<QListWidgetItem*> selected = pList->selectedItems();
            if (selected.isEmpty())
                return;
            pField->setText(selected.first()->text());
            ShowSample();
        });
    }
    setCurrentFont(initial);
}

void CFontChooser::LayOut() {
    QLabel* pFaceLabel = MakeFieldLabel(QStringLiteral("&Font:"), m_pFace, this);
    QLabel* pSizeLabel = MakeFieldLabel(QStringLiteral("&Size (points):"), m_pSize, this);
    m_pFaces->setAccessibleName(QStringLiteral("Fonts"));
    m_pSizes->setAccessibleName(QStringLiteral("Sizes"));
    m_pSizes->setFixedWidth(m_pSize->fontMetrics().horizontalAdvance(QStringLiteral("0000.0")) +
                            40);
    auto* pSampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto* pSampleLayout = new QVBoxLayout(pSampleBox);
    pSampleLayout->addWidget(m_pSample);
    QFont largest = font();
    largest.setPointSize(MAX_FONT_POINTS);
    m_pSample->setMinimumHeight(QFontMetrics(largest).height() * 2);
    m_pSample->setMinimumWidth(QFontMetrics(largest).horizontalAdvance(m_pSample->text()) * 3 / 2);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pFaceLabel, 0, 0);
    pGrid->addWidget(m_pFace, 1, 0);
    pGrid->addWidget(m_pFaces, 2, 0);
    pGrid->addWidget(pSizeLabel, 0, 1);
    pGrid->addWidget(m_pSize, 1, 1);
    pGrid->addWidget(m_pSizes, 2, 1);
    pGrid->addWidget(pSampleBox, 3, 0, 1, 2);
    QPushButton* pOk = MakeButton(EDlgButton::Ok);
    QPushButton* pCancel = MakeButton(EDlgButton::Cancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addLayout(MakeButtonRow({pOk, pCancel}));
    SetTabOrder({m_pFace, m_pFaces, m_pSize, m_pSizes, pOk, pCancel});
}

void CFontChooser::setCurrentFont(const QFont& font) {
    m_selected = font;
    m_pFace->setText(font.family());
    m_pFace->selectAll(); // typing replaces the face
    SelectRow(m_pFaces, font.family(), Qt::MatchFixedString);
    m_pSize->setText(SizeText(font.pointSizeF()));
    SelectRow(m_pSizes, m_pSize->text(), Qt::MatchExactly);
    ShowSample();
}

// Typing a face moves the list to the first face that begins with it.
void CFontChooser::OnFaceEdited(const QString& strFace) {
    SelectRow(m_pFaces, strFace, Qt::MatchStartsWith);
    ShowSample();
}

void CFontChooser::OnSizeEdited(const QString& strSize) {
    SelectRow(m_pSizes, strSize.trimmed(), Qt::MatchExactly);
    ShowSample();
}

void CFontChooser::ShowSample() {
    QFont sample(m_pFace->text().trimmed());
    const CFontSizeEntry size = ParseFontSize(m_pSize->text().toStdString());
    sample.setPointSizeF(size.m_pszError ? m_selected.pointSizeF() : size.m_nTenths / 10.0);
    m_pSample->setFont(sample);
}

bool CFontChooser::OnOK() {
    const CFontSizeEntry size = ParseFontSize(m_pSize->text().toStdString());
    if (size.m_pszError) {
        ShowAppMessage(this, QString::fromUtf8(size.m_pszError), QMessageBox::Warning);
        m_pSize->setFocus(Qt::OtherFocusReason);
        m_pSize->selectAll();
        return false;
    }
    if (m_pFace->text().trimmed().isEmpty()) {
        ShowAppMessage(this, QStringLiteral("Please choose a font from the list."),
                       QMessageBox::Warning);
        m_pFaces->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // A face typed in another case is the listed face.
    QString strFace = m_pFace->text().trimmed();
    const QList<QListWidgetItem*> found = m_pFaces->findItems(strFace, Qt::MatchFixedString);
    if (!found.isEmpty())
        strFace = found.first()->text();
    m_selected = QFont(strFace);
    m_selected.setPointSizeF(size.m_nTenths / 10.0);
    return true;
}
