#include "CAboutDlg.h"
#include "gui/framework/CCommandContext.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(QStringLiteral("About Tallywise v3.5"));

    auto* pIcon = new QLabel(this);
    pIcon->setObjectName(QStringLiteral("icon"));
    pIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    pIcon->setFixedSize(32, 32);
    auto* pName = new QLabel(QStringLiteral("Tallywise"), this);
    auto* pVersion = new QLabel(QStringLiteral("version 3.5"), this);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* pLayout = new QGridLayout(this);
    pLayout->setHorizontalSpacing(16);
    pLayout->addWidget(pIcon, 0, 0, 2, 1, Qt::AlignTop);
    pLayout->addWidget(pName, 0, 1);
    pLayout->addWidget(pVersion, 1, 1);
    pLayout->addWidget(pButtons, 0, 2, 2, 1, Qt::AlignTop);
    pLayout->setColumnStretch(1, 1);
    setMinimumWidth(280);
}

void OnAppAbout(CCommandContext& context) {
    CAboutDlg dlg(context.m_pParent);
    dlg.exec();
}
