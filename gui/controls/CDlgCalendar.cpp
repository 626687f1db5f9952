#include "CDlgCalendar.h"
#include "CMonthView.h"
#include <QFrame>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

CDlgCalendar::CDlgCalendar(QWidget* pParent) : QDialog(pParent, Qt::Popup) {
    // A popup has no caption on any desktop; a thin raised frame marks its edge.
    auto* pFrame = new QFrame(this);
    pFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_pMonthView = new CMonthView(pFrame);
    m_pMonthView->setObjectName(QStringLiteral("monthView"));
    // Dates a register file can hold in any time zone.
    m_pMonthView->setDateRange(QDate(1970, 1, 2), QDate(2106, 2, 6));

    auto* pFrameLayout = new QVBoxLayout(pFrame);
    pFrameLayout->setContentsMargins(2, 2, 2, 2);
    pFrameLayout->addWidget(m_pMonthView);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(pFrame);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pMonthView, &CMonthView::DateClicked, this, &CDlgCalendar::TakeDate);
    connect(m_pMonthView, &QCalendarWidget::activated, this,
            [this](QDate date) { TakeDate(date.day(), date.month(), date.year()); });
}

void CDlgCalendar::setVisible(bool bVisible) {
    if (bVisible && !isVisible()) {
        OnInitDialog();
        PlaceBelowAnchor();
    }
    QDialog::setVisible(bVisible);
}

void CDlgCalendar::OnInitDialog() {
    m_pMonthView->SetDay(m_nDay);
    m_pMonthView->SetMonth(m_nMonth);
    m_pMonthView->SetYear(m_nYear);
    m_pMonthView->setFocus(Qt::OtherFocusReason);
}

void CDlgCalendar::PlaceBelowAnchor() {
    if (!m_pAnchor)
        return;
    adjustSize();
    QPoint pt = m_pAnchor->mapToGlobal(QPoint(0, m_pAnchor->height()));
    if (const QScreen* pScreen = m_pAnchor->screen()) {
        const QRect rcScreen = pScreen->availableGeometry();
        pt.setX(std::max(rcScreen.left(), std::min(pt.x(), rcScreen.right() - width() + 1)));
        if (pt.y() + height() > rcScreen.bottom() + 1) // no room below: open above
            pt.setY(m_pAnchor->mapToGlobal(QPoint(0, 0)).y() - height());
        pt.setY(std::max(pt.y(), rcScreen.top()));
    }
    move(pt);
}

void CDlgCalendar::TakeDate(int nDay, int nMonth, int nYear) {
    m_nDay = nDay;
    m_nMonth = nMonth;
    m_nYear = nYear;
    accept();
}
