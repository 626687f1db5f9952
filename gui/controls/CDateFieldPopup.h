#pragma once
#include "core/framework/DateTime.h"
#include <QObject>
#include <QString>
#include <ctime>
#include <functional>
#include <vector>

class QLineEdit;
class QWidget;

// Opens the calendar popup from read-only date fields of a dialog: on a click, when Tab or
// Backtab brings the focus in, or on Space, F4 or Alt+Down in the field. When the popup closes
// the focus is back in the field and the next Tab moves on. Only one popup of the dialog is
// open at a time.
class CDateFieldPopup : public QObject {
    Q_OBJECT
public:
    using DateReader = std::function<CDayMonthYear()>;
    using DateTaker = std::function<void(const CDayMonthYear&)>;

    explicit CDateFieldPopup(QWidget* pDialog);

    // The popup starts at read() and hands the date it closes with to take(), which shows it.
    void Watch(QLineEdit* pField, DateReader read, DateTaker take);
    // The popup edits the three numbers; the field shows them as a long date.
    void Watch(QLineEdit* pField, int* pDay, int* pMonth, int* pYear);

    // "%B %d, %Y", the way every date field shows its date.
    static QString LongDate(std::time_t date);
    static QString LongDate(int nYear, int nMonth, int nDay);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    struct CField {
        QLineEdit* m_pEdit;
        DateReader m_read;
        DateTaker m_take;
    };

    void OnFieldClicked(std::size_t nField);

    QWidget* m_pDialog;
    std::vector<CField> m_fields;
    bool m_bBusy = false;
};

// A read-only date field of a dialog, a tab stop that opens the calendar; wide enough for
// the longest date.
QLineEdit* MakeDateField(QWidget* pParent, const char* pszName);
