#pragma once
#include <QMessageBox>
#include <QString>
#include <QValidator>

class QComboBox;
class QLineEdit;
class QWidget;

// Field exchange of the dialogs. Each reader takes one field's text when the dialog is
// confirmed; a bad value shows one standard message, puts the focus back in the field with
// its text selected and returns false, so the dialog stays open on that field.

// A message box with the program's caption, wide enough for the caption to show whole in
// the title bar; returns the button pressed.
int RunAppMessageBox(QWidget* pParent, QMessageBox::Icon icon, const QString& strText,
                     QMessageBox::StandardButtons buttons,
                     QMessageBox::StandardButton defaultButton);
// The same with an OK button alone.
void ShowAppMessage(QWidget* pParent, const QString& strText, QMessageBox::Icon icon);

// Parsing alone, in the "C" locale; surrounding blanks are allowed, nothing else.
bool ParseNumber(const QString& strText, double& dValue);
bool ParseWholeNumber(const QString& strText, long long& nValue);

QString NumberRangeMessage(double dMin, double dMax);
QString WholeNumberRangeMessage(long long nMin, long long nMax);
QString TextLengthMessage(int nMaxChars);
extern const char* const AMOUNT_DECIMALS_MESSAGE;

bool ReadNumber(QLineEdit* pEdit, double dMin, double dMax, double& dValue);
// A money amount: a number in range with no fraction of a cent.
bool ReadAmount(QLineEdit* pEdit, double dMin, double dMax, double& dValue);
bool ReadWholeNumber(QLineEdit* pEdit, long long nMin, long long nMax, long long& nValue);
bool CheckTextLength(QLineEdit* pEdit, int nMaxChars);
bool CheckTextLength(QComboBox* pCombo, int nMaxChars);

// Limits typing in a free text field: with a limit, an edit that would make the text longer
// is refused; a longer text put in by the program stays whole. Characters Windows-1252
// cannot hold are kept as typed, so that OK can name them instead of dropping them.
class CCp1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit CCp1252Validator(QObject* pParent = nullptr, int nMaxChars = -1)
        : QValidator(pParent), m_nMaxChars(nMaxChars) {}
    State validate(QString& strInput, int& nPos) const override;

private:
    int m_nMaxChars;
};

bool IsStorableText(const QString& strText);
// Refuses a field holding a character Windows-1252 cannot hold, naming it; the field keeps
// its text and the character is selected.
bool CheckStorableText(QLineEdit* pEdit);
// The same for every shown, enabled text field of the dialog set up by SetupTextField, in
// Tab order.
bool CheckStorableFields(QWidget* pDialog);

// A free text field of at most nMaxChars characters, Windows-1252 only. Typing stops at
// the limit, but a longer text read from a file is shown whole: OK refuses it through
// CheckTextLength, and other characters through CheckStorableText, so nothing is cut or
// dropped without a word.
void SetupTextField(QLineEdit* pEdit, int nMaxChars);
void SetupTextField(QComboBox* pCombo, int nMaxChars);
