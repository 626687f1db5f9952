#include "CDateFieldPopup.h"
#include "CDlgCalendar.h"
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <utility>

CDateFieldPopup::CDateFieldPopup(QWidget* pDialog) : QObject(pDialog), m_pDialog(pDialog) {}

void CDateFieldPopup::Watch(QLineEdit* pField, FocusTarget next, DateReader read, DateTaker take) {
    m_fields.push_back({pField, std::move(next), std::move(read), std::move(take)});
    pField->installEventFilter(this);
}

void CDateFieldPopup::Watch(QLineEdit* pField, FocusTarget next, int* pDay, int* pMonth,
                            int* pYear) {
    Watch(
        pField, std::move(next),
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
} // namespace

bool CDateFieldPopup::eventFilter(QObject* pWatched, QEvent* pEvent) {
    // A click opens the calendar by itself: focus-in comes only while the dialog is the
    // active window, which it may not be again yet when a previous popup has just closed.
    // The keyboard reaches a field that takes the focus by Tab through focus-in.
    const bool bClicked = pEvent->type() == QEvent::MouseButtonRelease &&
                          static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton;
    const bool bKeyboard = pEvent->type() == QEvent::FocusIn && IsKeyboardFocus(pEvent);
    if (bClicked || bKeyboard) {
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (pWatched != m_fields[i].m_pEdit)
                continue;
            // Run the calendar once the click has been handled.
            QMetaObject::invokeMethod(
                this, [this, i] { OnFieldClicked(i); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(pWatched, pEvent);
}

void CDateFieldPopup::OnFieldClicked(std::size_t nField) {
    if (m_bBusy || !m_pDialog->isVisible())
        return;
    m_bBusy = true;
    const CField& field = m_fields[nField];
    field.m_next()->setFocus(Qt::OtherFocusReason);
    const CDayMonthYear start = field.m_read();
    CDlgCalendar dlg(m_pDialog);
    dlg.SetAnchor(field.m_pEdit);
    dlg.m_nDay = start.m_nDay;
    dlg.m_nMonth = start.m_nMonth;
    dlg.m_nYear = start.m_nYear;
    dlg.exec();
    field.m_take({dlg.m_nDay, dlg.m_nMonth, dlg.m_nYear});
    m_bBusy = false;
}

QLineEdit* MakeDateField(QWidget* pParent, const char* pszName) {
    auto* pField = new QLineEdit(pParent);
    pField->setObjectName(QString::fromLatin1(pszName));
    pField->setReadOnly(true);
    pField->setFocusPolicy(Qt::ClickFocus);
    pField->setContextMenuPolicy(Qt::NoContextMenu);
    pField->setMinimumWidth(
        pField->fontMetrics().horizontalAdvance(QStringLiteral("September 30, 2000")) * 4 / 3);
    return pField;
}
