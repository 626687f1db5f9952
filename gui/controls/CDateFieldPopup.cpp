#include "CDateFieldPopup.h"
#include "CDlgCalendar.h"
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <utility>

CDateFieldPopup::CDateFieldPopup(QWidget* pDialog) : QObject(pDialog), m_pDialog(pDialog) {}

void CDateFieldPopup::Watch(QLineEdit* pField, DateReader read, DateTaker take) {
    m_fields.push_back({pField, std::move(read), std::move(take)});
    pField->installEventFilter(this);
}

void CDateFieldPopup::Watch(QLineEdit* pField, int* pDay, int* pMonth, int* pYear) {
    Watch(
        pField,
        [=] {
            return CDayMonthYear{*pDay, *pMonth, *pYear};
        },
        [=](const CDayMonthYear& date) {
            *pDay = date.m_nDay;
            *pMonth = date.m_nMonth;
            *pYear = date.m_nYear;
            pField->setText(LongDate(*pYear, *pMonth, *pDay));
        });
}

QString CDateFieldPopup::LongDate(std::time_t date) {
    return QString::fromStdString(FormatDate(date, "%B %d, %Y"));
}

QString CDateFieldPopup::LongDate(int nYear, int nMonth, int nDay) {
    return LongDate(MakeLocalDate(nYear, nMonth, nDay));
}

namespace {
bool IsKeyboardFocus(QEvent* pEvent) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(pEvent)->reason();
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

// Space, F4 and Alt+Down open the calendar again from a field that has the focus.
bool IsOpenKey(QEvent* pEvent) {
    if (pEvent->type() != QEvent::KeyPress)
        return false;
    const auto* pKey = static_cast<QKeyEvent*>(pEvent);
    const Qt::KeyboardModifiers mods = pKey->modifiers() & ~Qt::KeypadModifier;
    return (mods == Qt::NoModifier &&
            (pKey->key() == Qt::Key_Space || pKey->key() == Qt::Key_F4)) ||
           (mods == Qt::AltModifier && pKey->key() == Qt::Key_Down);
}
} // namespace

bool CDateFieldPopup::eventFilter(QObject* pWatched, QEvent* pEvent) {
    // A click opens the calendar by itself: focus-in comes only while the dialog is the
    // active window, which it may not be again yet when a previous popup has just closed.
    // The keyboard opens it when Tab, Backtab or a label's letter brings the focus in;
    // the focus that comes back when the popup closes has another reason, so it does not
    // open it again.
    const bool bClicked = pEvent->type() == QEvent::MouseButtonRelease &&
                          static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton;
    const bool bKeyboard = pEvent->type() == QEvent::FocusIn && IsKeyboardFocus(pEvent);
    const bool bKey = IsOpenKey(pEvent);
    if (bClicked || bKeyboard || bKey) {
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (pWatched != m_fields[i].m_pEdit)
                continue;
            // Run the calendar once the event has been handled.
            QMetaObject::invokeMethod(
                this, [this, i] { OnFieldClicked(i); }, Qt::QueuedConnection);
        }
        if (bKey)
            return true;
    }
    return QObject::eventFilter(pWatched, pEvent);
}

void CDateFieldPopup::OnFieldClicked(std::size_t nField) {
    const CField& field = m_fields[nField];
    if (m_bBusy || !m_pDialog->isVisible() || !field.m_pEdit->isEnabled())
        return;
    m_bBusy = true;
    const CDayMonthYear start = field.m_read();
    CDlgCalendar dlg(m_pDialog);
    dlg.SetAnchor(field.m_pEdit);
    dlg.m_nDay = start.m_nDay;
    dlg.m_nMonth = start.m_nMonth;
    dlg.m_nYear = start.m_nYear;
    dlg.exec();
    field.m_take({dlg.m_nDay, dlg.m_nMonth, dlg.m_nYear});
    // The keys come back to the dialog, whatever the window system made active when the
    // popup closed, and the next Tab moves on from the field.
    m_pDialog->activateWindow();
    field.m_pEdit->setFocus(Qt::OtherFocusReason);
    m_bBusy = false;
}

QLineEdit* MakeDateField(QWidget* pParent, const char* pszName) {
    auto* pField = new QLineEdit(pParent);
    pField->setObjectName(QString::fromLatin1(pszName));
    pField->setReadOnly(true);
    pField->setFocusPolicy(Qt::StrongFocus);
    pField->setContextMenuPolicy(Qt::NoContextMenu);
    pField->setMinimumWidth(
        pField->fontMetrics().horizontalAdvance(QStringLiteral("September 30, 2000")) * 4 / 3);
    return pField;
}
