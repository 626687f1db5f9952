#include "CDlgViewArch.h"
#include "gui/controls/CElidedLabel.h"
#include "gui/controls/CRichText.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

CDlgViewArch::CDlgViewArch(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("View Archive")),
      m_pLoadFile(new QPushButton(QStringLiteral("Load File"), this)),
      m_pDone(MakeButton(EDlgButton::Done)),
      m_pFileLabel(new CElidedLabel(QStringLiteral("no file loaded"), this)),
      m_pViewer(new CRichText(this)) {
    setWindowIcon(QApplication::windowIcon());
    setSizeGripEnabled(true);
    setMinimumSize(400, 200);
    m_pLoadFile->setObjectName(QStringLiteral("loadFile"));
    m_pDone->setDefault(true);
    m_pFileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_pFileLabel->setTextFormat(Qt::PlainText);
    // A long path must not widen the window.
    m_pFileLabel->setMinimumWidth(1);
    m_pFileLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_pViewer->setObjectName(QStringLiteral("viewer"));
    m_pViewer->setFont(ViewerFont());
    connect(m_pLoadFile, &QPushButton::clicked, this, &CDlgViewArch::OnLoadFile);

    // Buttons keep to the right edge; the label and the viewer take the growth.
    auto* pTop = new QHBoxLayout;
    pTop->addWidget(new QLabel(QStringLiteral("File:"), this));
    pTop->addWidget(m_pFileLabel, 1);
    pTop->addWidget(m_pLoadFile);
    pTop->addWidget(m_pDone);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pTop);
    pLayout->addWidget(m_pViewer, 1);
    // Wide enough for a whole line of an archive.
    const int nLineWidth = QFontMetrics(m_pViewer->font()).horizontalAdvance(QString(84, u'0'));
    resize(std::max(560, nLineWidth + 60), 360);

    SetHelp(QStringLiteral("::/DlgViewArch.txt"),
            {{m_pLoadFile, 3800}, {m_pDone, 3801}, {m_pFileLabel, 3802}, {m_pViewer, 3803}});
}

QFont CDlgViewArch::ViewerFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(8.25);
    return fixed;
}

bool CDlgViewArch::LoadFile(const QString& strPath) {
    QString strError;
    if (!m_pViewer->LoadTextFile(strPath, CRichText::FILE_TYPE_TEXT, &strError)) {
        ShowAppMessage(this, QStringLiteral("%1 cannot be shown.\n%2").arg(strPath, strError),
                       QMessageBox::Warning);
        return false;
    }
    m_pFileLabel->setText(strPath);
    m_pFileLabel->setToolTip(strPath);
    return true;
}

void CDlgViewArch::OnLoadFile() {
    QFileDialog dlg(this, QStringLiteral("View Archive File"));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(QStringLiteral("twa"));
    dlg.setNameFilters({QStringLiteral("Tallywise Archive Files (*.twa)"),
                        QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*.*)")});
    dlg.selectNameFilter(QStringLiteral("Tallywise Archive Files (*.twa)"));
    // "*.*" leaves out names without a dot here, and the default extension would turn
    // "README" into "README.twa"; "All Files" means every file as it is named.
    connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& strFilter) {
        const bool bAll = strFilter.startsWith(QStringLiteral("All Files"));
        dlg.setDefaultSuffix(bAll ? QString() : QStringLiteral("twa"));
        if (auto* pModel = dlg.findChild<QFileSystemModel*>(); pModel && bAll)
            pModel->setNameFilters({QStringLiteral("*")});
    });
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return;
    LoadFile(dlg.selectedFiles().constFirst());
}

void OnViewArchive(CCommandContext& context) {
    CDlgViewArch dlg(context.m_pParent);
    dlg.exec();
}
