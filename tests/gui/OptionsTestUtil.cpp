#include "OptionsTestUtil.h"
#include "DialogTestUtil.h"
#include "gui/controls/CFontChooser.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>

QStringList ComboItems(QComboBox* pCombo) {
    QStringList items;
    for (int i = 0; i < pCombo->count(); ++i)
        items << pCombo->itemText(i);
    return items;
}

QTabBar* Tabs(QWidget* pDlg) {
    return Child<QTabBar>(pDlg, "tabs");
}

// Slot k (1..4): switched on with a name and an abbreviation, or off.
void SetSlot(QWidget* pDlg, int k, bool bOn, const QString& strName, const QString& strAbbr) {
    const QByteArray n = QByteArray::number(k);
    Child<QCheckBox>(pDlg, "userType" + n)->setChecked(bOn);
    Child<QLineEdit>(pDlg, "name" + n)->setText(strName);
    Child<QLineEdit>(pDlg, "abbr" + n)->setText(strAbbr);
}

// Text and background of a list as it draws them.
std::pair<QColor, QColor> ListColors(QAbstractItemView* pList) {
    const QPalette& pal = pList->palette();
    return {pal.color(QPalette::Active, QPalette::Text),
            pal.color(QPalette::Active, QPalette::Base)};
}

// Picks a colour in the colour chooser and confirms it.
CModalHelper::Handler ChooseColor(const QColor& color) {
    return [color](QWidget* w) {
        auto* pChooser = qobject_cast<QColorDialog*>(w);
        QVERIFY(pChooser);
        pChooser->setCurrentColor(color);
        pChooser->accept();
    };
}

// Picks a face and size in the font chooser; an out-of-range size expects the refusal.
CModalHelper::Handler ChooseFont(const QString& strFamily, int nPoints) {
    return [strFamily, nPoints](QWidget* w) {
        auto* pChooser = qobject_cast<CFontChooser*>(w);
        QVERIFY(pChooser);
        QFont font(strFamily);
        font.setPointSize(nPoints);
        pChooser->setCurrentFont(font);
        QTimer::singleShot(0, pChooser, &QDialog::accept);
    };
}

QString AnyInstalledFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& strFamily : {QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans")})
        if (families.contains(strFamily))
            return strFamily;
    return families.value(0);
}
