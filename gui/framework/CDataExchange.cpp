#include "CDataExchange.h"
#include "core/framework/AppTitle.h"
#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QLocale ParseLocale() {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    return c;
}

// Shows the message, then hands the field back to the user, greyed or not: the user must
// be able to see and change the value refused.
bool Refuse(QWidget* pField, QLineEdit* pText, const QString& strMessage) {
    pField->setEnabled(true);
    ShowAppMessage(pField->window(), strMessage, QMessageBox::Warning);
    pField->setFocus(Qt::OtherFocusReason);
    if (pText)
        pText->selectAll();
    return false;
}

// The title bar's font is the window manager's: allow for a larger, bold one, and for the
// icon and buttons beside the caption.
constexpr double s_dTitleFontScale = 1.25;
constexpr int s_nTitleBarExtras = 160;

int CaptionWidth(const QWidget& box) {
    QFont font = box.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * s_dTitleFontScale);
    return QFontMetrics(font).horizontalAdvance(box.windowTitle()) + s_nTitleBarExtras;
}

// A label wraps only between words: a long word gets invisible break points (zero-width
// spaces) so that it wraps inside the box instead of running out of it.
QString BreakableText(const QString& strText) {
    constexpr qsizetype nLongWord = 40;
    constexpr qsizetype nPiece = 20;
    QString strOut;
    qsizetype i = 0;
    while (i < strText.size()) {
        qsizetype nEnd = i;
        while (nEnd < strText.size() && !strText[nEnd].isSpace())
            ++nEnd;
        const bool bLong = nEnd - i > nLongWord;
        for (qsizetype j = i; j < nEnd; ++j) {
            if (bLong && j > i && (j - i) % nPiece == 0)
                strOut += QChar(0x200B);
            strOut += strText[j];
        }
        if (nEnd < strText.size())
            strOut += strText[nEnd];
        i = nEnd + 1;
    }
    return strOut;
}

} // namespace

int RunAppMessageBox(QWidget* pParent, QMessageBox::Icon icon, const QString& strText,
                     QMessageBox::StandardButtons buttons,
                     QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, QString::fromUtf8(APP_TITLE), BreakableText(strText), buttons, pParent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    // The box sizes itself to its layout, so a spacer row sets the least width.
    if (auto* pGrid = qobject_cast<QGridLayout*>(box.layout()))
        pGrid->addItem(new QSpacerItem(CaptionWidth(box), 0, QSizePolicy::Minimum),
                       pGrid->rowCount(), 0, 1, pGrid->columnCount());
    return box.exec();
}

void ShowAppMessage(QWidget* pParent, const QString& strText, QMessageBox::Icon icon) {
    RunAppMessageBox(pParent, icon, strText, QMessageBox::Ok, QMessageBox::Ok);
}

bool ParseNumber(const QString& strText, double& dValue) {
    bool bOk = false;
    const double d = ParseLocale().toDouble(strText.trimmed(), &bOk);
    if (!bOk || !std::isfinite(d))
        return false;
    dValue = d;
    return true;
}

bool ParseWholeNumber(const QString& strText, long long& nValue) {
    bool bOk = false;
    const long long n = ParseLocale().toLongLong(strText.trimmed(), &bOk);
    if (!bOk)
        return false;
    nValue = n;
    return true;
}

QString NumberRangeMessage(double dMin, double dMax) {
    return QStringLiteral("Please enter a number between %1 and %2.")
        .arg(dMin, 0, 'f', 2)
        .arg(dMax, 0, 'f', 2);
}

QString WholeNumberRangeMessage(long long nMin, long long nMax) {
    return QStringLiteral("Please enter a whole number between %1 and %2.").arg(nMin).arg(nMax);
}

QString TextLengthMessage(int nMaxChars) {
    return QStringLiteral("Please enter no more than %1 characters.").arg(nMaxChars);
}

bool ReadNumber(QLineEdit* pEdit, double dMin, double dMax, double& dValue) {
    double d = 0.0;
    if (!ParseNumber(pEdit->text(), d))
        return Refuse(pEdit, pEdit, QStringLiteral("Please enter a number."));
    if (!(d >= dMin && d <= dMax))
        return Refuse(pEdit, pEdit, NumberRangeMessage(dMin, dMax));
    dValue = d;
    return true;
}

const char* const AMOUNT_DECIMALS_MESSAGE =
    "Please enter an amount with no more than two decimal places.";

bool ReadAmount(QLineEdit* pEdit, double dMin, double dMax, double& dValue) {
    double d = 0.0;
    if (!ReadNumber(pEdit, dMin, dMax, d))
        return false;
    // A fraction of a cent would be stored, summed and compared, yet never shown.
    if (!IsWholeCents(d))
        return Refuse(pEdit, pEdit, QString::fromLatin1(AMOUNT_DECIMALS_MESSAGE));
    dValue = d;
    return true;
}

bool ReadWholeNumber(QLineEdit* pEdit, long long nMin, long long nMax, long long& nValue) {
    long long n = 0;
    if (!ParseWholeNumber(pEdit->text(), n)) {
        // Digits too many to hold are still a whole number, only out of range.
        static const QRegularExpression reDigits(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
        const bool bDigits = reDigits.match(pEdit->text()).hasMatch();
        return Refuse(pEdit, pEdit,
                      bDigits ? WholeNumberRangeMessage(nMin, nMax)
                              : QStringLiteral("Please enter a whole number."));
    }
    if (n < nMin || n > nMax)
        return Refuse(pEdit, pEdit, WholeNumberRangeMessage(nMin, nMax));
    nValue = n;
    return true;
}

bool CheckTextLength(QLineEdit* pEdit, int nMaxChars) {
    if (pEdit->text().toStdU32String().size() <= std::size_t(nMaxChars))
        return true;
    return Refuse(pEdit, pEdit, TextLengthMessage(nMaxChars));
}

bool CheckTextLength(QComboBox* pCombo, int nMaxChars) {
    if (pCombo->currentText().toStdU32String().size() <= std::size_t(nMaxChars))
        return true;
    return Refuse(pCombo, pCombo->lineEdit(), TextLengthMessage(nMaxChars));
}

QValidator::State CCp1252Validator::validate(QString& strInput, int& nPos) const {
    QString strKept;
    strKept.reserve(strInput.size());
    int nNewPos = nPos;
    for (int i = 0; i < strInput.size(); ++i) {
        const QChar ch = strInput.at(i);
        const bool bPair =
            ch.isHighSurrogate() && i + 1 < strInput.size() && strInput.at(i + 1).isLowSurrogate();
        if (!bPair && !ch.isSurrogate() && IsCp1252Char(char32_t(ch.unicode()))) {
            strKept.append(ch);
            continue;
        }
        // Characters beyond the 16-bit range never fit; drop both halves of a pair.
        const int nWidth = bPair ? 2 : 1;
        if (i < nPos)
            nNewPos -= std::min(nWidth, nPos - i);
        i += nWidth - 1;
    }
    strInput = strKept;
    nPos = nNewPos;
    // Every Windows-1252 character is one UTF-16 unit.
    if (m_nMaxChars >= 0 && strInput.size() > m_nMaxChars)
        return Invalid;
    return Acceptable;
}

// The line edit's own limit would cut the text the dialog puts in; the validator limits
// typing instead.
void SetupTextField(QLineEdit* pEdit, int nMaxChars) {
    pEdit->setMaxLength(std::numeric_limits<int>::max());
    pEdit->setValidator(new CCp1252Validator(pEdit, nMaxChars));
}

void SetupTextField(QComboBox* pCombo, int nMaxChars) {
    pCombo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    pCombo->setValidator(new CCp1252Validator(pCombo, nMaxChars));
}
