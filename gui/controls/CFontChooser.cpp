#include "CFontChooser.h"
#include "core/framework/FieldLimits.h"
#include "gui/framework/CDataExchange.h"
#include <QComboBox>
#include <QLabel>

CFontChooser::CFontChooser(const QFont& initial, QWidget* pParent) : QFontDialog(pParent) {
    setOption(QFontDialog::DontUseNativeDialog);
    setWindowTitle(QStringLiteral("Font"));
    setCurrentFont(initial);
    for (QComboBox* pScript : findChildren<QComboBox*>()) {
        pScript->hide();
        for (QLabel* pLabel : findChildren<QLabel*>())
            if (pLabel->buddy() == pScript)
                pLabel->hide();
    }
}

void CFontChooser::done(int nResult) {
    const double dPoints = currentFont().pointSizeF();
    if (nResult == Accepted && (dPoints < MIN_FONT_POINTS || dPoints > MAX_FONT_POINTS)) {
        ShowAppMessage(this,
                       QStringLiteral("Size must be between %1 and %2 points.")
                           .arg(MIN_FONT_POINTS)
                           .arg(MAX_FONT_POINTS),
                       QMessageBox::Warning);
        return;
    }
    QFontDialog::done(nResult);
}
