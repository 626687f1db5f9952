#include "CDlgBalanceChart.h"
#include "CBalanceChartView.h"
#include "CChartSvgWriter.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/RegisterCells.h"
#include "core/framework/Format.h"
#include "core/framework/IClock.h"
#include "core/framework/IUserMessages.h"
#include "core/framework/TextFile.h"
#include "core/settings/CSettings.h"
#include "gui/controls/CDateFieldPopup.h"
#include "gui/framework/CCommandContext.h"
#include <QApplication>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace {
using namespace std::chrono;

enum ERange { RANGE_ALL, RANGE_12_MONTHS, RANGE_3_MONTHS, RANGE_FROM_TO };
constexpr std::size_t MAX_READOUT_ENTRIES = 5;

year_month_day Ymd(int nDay) {
    return year_month_day{sys_days{days{nDay}}};
}

int DayOf(const year_month_day& ymd) {
    return int(sys_days(ymd).time_since_epoch().count());
}

int DayOf(const CDayMonthYear& d) {
    return DayOf(year(d.m_nYear) / d.m_nMonth / d.m_nDay);
}

CDayMonthYear DmyOf(int nDay) {
    const year_month_day ymd = Ymd(nDay);
    return {int(unsigned(ymd.day())), int(unsigned(ymd.month())), int(ymd.year())};
}

// The same day nMonths earlier, or the month's last day when it has no such day.
int MonthsBefore(int nDay, int nMonths) {
    const year_month_day ymd = Ymd(nDay);
    const year_month ym = year_month(ymd.year(), ymd.month()) - months(nMonths);
    const unsigned nLast = unsigned((ym.year() / ym.month() / last).day());
    return DayOf(ym.year() / ym.month() / day(std::min(unsigned(ymd.day()), nLast)));
}

QString Q(const std::string& str) {
    return QString::fromStdString(str);
}

// Labels on the first of a month, every nStep months, far enough apart not to overlap.
void SetDayAxis(QCategoryAxis* pAxis, int nFirst, int nLast, int nPixels) {
    for (const QString& strLabel : pAxis->categoriesLabels())
        pAxis->remove(strLabel);
    pAxis->setRange(nFirst, std::max(nLast, nFirst + 1));
    const QFontMetrics metrics(pAxis->labelsFont());
    const double dPixelsPerMonth = nPixels * 30.44 / std::max(nLast - nFirst, 1);
    const int nWidth = metrics.horizontalAdvance(QStringLiteral("Sep 2099")) + 16;
    int nStep = 1;
    for (int nCandidate : {1, 2, 3, 6, 12, 24, 60, 120, 240}) {
        nStep = nCandidate;
        if (dPixelsPerMonth * nCandidate >= nWidth)
            break;
    }
    year_month ym = year_month(Ymd(nFirst).year(), Ymd(nFirst).month());
    for (; DayOf(ym / 1) <= nLast; ym += months(1)) {
        const int nMonth = int(ym.year()) * 12 + int(unsigned(ym.month())) - 1;
        if (DayOf(ym / 1) < nFirst || nMonth % nStep != 0)
            continue;
        const QDate date(int(ym.year()), int(unsigned(ym.month())), 1);
        pAxis->append(
            date.toString(nStep >= 12 ? QStringLiteral("yyyy") : QStringLiteral("MMM yyyy")),
            DayOf(ym / 1));
    }
}

// Round steps of 1, 2 or 5 times a power of ten, labelled as the register shows money.
void SetMoneyAxis(QCategoryAxis* pAxis, double dMin, double dMax, int nPixels) {
    for (const QString& strLabel : pAxis->categoriesLabels())
        pAxis->remove(strLabel);
    if (dMax - dMin < 1.0) {
        dMin -= 1.0;
        dMax += 1.0;
    }
    const double dRaw = (dMax - dMin) / std::max(2, nPixels / 50);
    const double dPower = std::pow(10.0, std::floor(std::log10(dRaw)));
    double dStep = dPower * 10;
    for (double dFactor : {1.0, 2.0, 5.0})
        if (dPower * dFactor >= dRaw) {
            dStep = dPower * dFactor;
            break;
        }
    const double dLow = std::floor(dMin / dStep) * dStep;
    const double dHigh = std::ceil(dMax / dStep) * dStep;
    pAxis->setStartValue(dLow);
    pAxis->setRange(dLow, dHigh);
    for (double d = dLow; d <= dHigh + dStep / 2; d += dStep)
        pAxis->append(Q(BalanceText(d)), d);
}

QString SignedText(double dAmount) {
    const std::string str = MoneyText(dAmount);
    return Q(str.front() == '-' || str == "0.00" ? str : "+" + str);
}

} // namespace

CDlgBalanceChart::CDlgBalanceChart(CCommandContext& context)
    : CDlgBase(context.m_pParent, QStringLiteral("Balance Chart")), m_context(context),
      m_doc(context.m_doc) {
    setObjectName(QStringLiteral("balanceChart"));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(true);
    m_refresh.setSingleShot(true);
    connect(&m_refresh, &QTimer::timeout, this, &CDlgBalanceChart::Refresh);
    MakeChart();
    m_pReadout = new QLabel(this);
    m_pReadout->setObjectName(QStringLiteral("readout"));
    m_pReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pReadout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pReadout->setMinimumHeight(fontMetrics().lineSpacing() * 7);
    m_pReadout->setAccessibleName(QStringLiteral("Day"));
    m_pLowest = new QLabel(this);
    m_pLowest->setObjectName(QStringLiteral("lowest"));
    m_pBelowZero = new QLabel(this);
    m_pBelowZero->setObjectName(QStringLiteral("belowZero"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(MakeChoiceRow());
    pLayout->addWidget(m_pView, 1);
    pLayout->addWidget(m_pLowest);
    pLayout->addWidget(m_pBelowZero);
    pLayout->addWidget(m_pReadout);
    pLayout->addLayout(MakeButtons());
    SetTabOrder({m_pRange, m_pFrom, m_pTo, m_pMonths, m_pView, m_pCopy, m_pSave, m_pClose});
    const CSettings& settings = context.m_settings;
    resize(settings.m_nChartCX > 0 ? settings.m_nChartCX : 820,
           settings.m_nChartCY > 0 ? settings.m_nChartCY : 600);
    m_doc.AddWatcher(this);
    Refresh();
    m_from = DmyOf(m_aHistory.front().m_nDay);
    m_to = DmyOf(m_forecast.m_nToday);
    m_pFrom->setText(CDateFieldPopup::LongDate(m_from.m_nYear, m_from.m_nMonth, m_from.m_nDay));
    m_pTo->setText(CDateFieldPopup::LongDate(m_to.m_nYear, m_to.m_nMonth, m_to.m_nDay));
    m_pView->setFocus(Qt::OtherFocusReason);
}

CDlgBalanceChart::~CDlgBalanceChart() {
    m_doc.RemoveWatcher(this);
}

QLayout* CDlgBalanceChart::MakeChoiceRow() {
    m_pRange = new QComboBox(this);
    m_pRange->setObjectName(QStringLiteral("range"));
    m_pRange->addItems({QStringLiteral("All"), QStringLiteral("Last 12 months"),
                        QStringLiteral("Last 3 months"), QStringLiteral("From/To")});
    connect(m_pRange, &QComboBox::currentIndexChanged, this, &CDlgBalanceChart::OnRangeChosen);
    m_pFrom = MakeDateField(this, "from");
    m_pTo = MakeDateField(this, "to");
    m_pFrom->setAccessibleName(QStringLiteral("From"));
    m_pTo->setAccessibleName(QStringLiteral("To"));
    m_pFrom->setEnabled(false);
    m_pTo->setEnabled(false);
    auto* pPopup = new CDateFieldPopup(this);
    const auto Field = [this, pPopup](QLineEdit* pField, CDayMonthYear* pDate) {
        pPopup->Watch(
            pField, [pDate] { return *pDate; },
            [this, pField, pDate](const CDayMonthYear& d) {
                *pDate = d;
                pField->setText(CDateFieldPopup::LongDate(d.m_nYear, d.m_nMonth, d.m_nDay));
                Redraw();
            });
    };
    m_pMonths = new QSpinBox(this);
    m_pMonths->setObjectName(QStringLiteral("months"));
    m_pMonths->setRange(1, 24);
    m_pMonths->setValue(std::clamp(m_context.m_settings.m_nChartMonths, 1, 24));
    connect(m_pMonths, &QSpinBox::valueChanged, this, &CDlgBalanceChart::OnMonthsChanged);
    Field(m_pFrom, &m_from);
    Field(m_pTo, &m_to);
    auto* pRow = new QHBoxLayout;
    const auto Labelled = [this, pRow](const char* pszText, QWidget* pField) {
        auto* pLabel = new QLabel(QString::fromLatin1(pszText), this);
        pLabel->setBuddy(pField);
        pRow->addWidget(pLabel);
        pRow->addWidget(pField);
    };
    Labelled("&Range:", m_pRange);
    Labelled("&From:", m_pFrom);
    Labelled("&To:", m_pTo);
    pRow->addStretch();
    Labelled("Forecast &months:", m_pMonths);
    return pRow;
}

QLayout* CDlgBalanceChart::MakeButtons() {
    m_pCopy = new QPushButton(QStringLiteral("&Copy"), this);
    m_pCopy->setObjectName(QStringLiteral("copy"));
    m_pCopy->setToolTip(QStringLiteral("Copy the chart as a picture (Ctrl+C)"));
    m_pSave = new QPushButton(QStringLiteral("&Save Picture..."), this);
    m_pSave->setObjectName(QStringLiteral("savePicture"));
    m_pClose = new QPushButton(QStringLiteral("Close"), this);
    m_pClose->setObjectName(QStringLiteral("close"));
    m_pClose->setDefault(true);
    connect(m_pCopy, &QPushButton::clicked, this, &CDlgBalanceChart::OnCopy);
    connect(m_pSave, &QPushButton::clicked, this, &CDlgBalanceChart::OnSavePicture);
    connect(m_pClose, &QPushButton::clicked, this, &QDialog::reject);
    auto* pCopyKey = new QShortcut(QKeySequence::Copy, this);
    connect(pCopyKey, &QShortcut::activated, this, &CDlgBalanceChart::OnCopy);
    return MakeButtonRow({m_pCopy, m_pSave, m_pClose});
}

void CDlgBalanceChart::MakeChart() {
    m_pChart = new QChart;
    m_pChart->legend()->setAlignment(Qt::AlignBottom);
    m_pBalance = new QLineSeries(m_pChart);
    m_pBalance->setName(QStringLiteral("Balance"));
    m_pBalance->setPen(QPen(QColor(0x1d, 0x4a, 0x85), 2));
    m_pCleared = new QLineSeries(m_pChart);
    m_pCleared->setName(QStringLiteral("Cleared balance"));
    m_pCleared->setPen(QPen(QColor(0x4c, 0xa2, 0x57), 1));
    m_pForecast = new QLineSeries(m_pChart);
    m_pForecast->setName(QStringLiteral("Forecast"));
    m_pForecast->setPen(QPen(QColor(0x1d, 0x4a, 0x85), 2, Qt::DashLine));
    m_pLow = new QScatterSeries(m_pChart);
    m_pLow->setName(QStringLiteral("Lowest ahead"));
    m_pLow->setMarkerSize(11);
    m_pLow->setColor(QColor(0xd0, 0x30, 0x20));
    m_pCursor = new QScatterSeries(m_pChart);
    m_pCursor->setMarkerSize(9);
    m_pCursor->setColor(QColor(0x20, 0x20, 0x20));
    m_pDays = new QCategoryAxis(m_pChart);
    m_pDays->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_pMoney = new QCategoryAxis(m_pChart);
    m_pMoney->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_pChart->addAxis(m_pDays, Qt::AlignBottom);
    m_pChart->addAxis(m_pMoney, Qt::AlignLeft);
    for (QXYSeries* pSeries :
         {static_cast<QXYSeries*>(m_pBalance), static_cast<QXYSeries*>(m_pCleared),
          static_cast<QXYSeries*>(m_pForecast), static_cast<QXYSeries*>(m_pLow),
          static_cast<QXYSeries*>(m_pCursor)}) {
        m_pChart->addSeries(pSeries);
        pSeries->attachAxis(m_pDays);
        pSeries->attachAxis(m_pMoney);
    }
    m_pChart->legend()->markers(m_pCursor).front()->setVisible(false);
    connect(m_pChart, &QChart::plotAreaChanged, this, &CDlgBalanceChart::SetAxes);
    m_pView = new CBalanceChartView(m_pChart, this);
    m_pView->setMinimumSize(400, 250);
    connect(m_pView, &CBalanceChartView::pointedAt, this, &CDlgBalanceChart::OnPointed);
    connect(m_pView, &CBalanceChartView::stepped, this, &CDlgBalanceChart::OnStepped);
    connect(m_pView, &CBalanceChartView::activatedAt, this, &CDlgBalanceChart::OnActivated);
}

void CDlgBalanceChart::ScheduleRefresh() {
    m_refresh.start(0);
}

void CDlgBalanceChart::Refresh() {
    m_refresh.stop();
    Compute();
    Redraw();
}

void CDlgBalanceChart::Compute() {
    const CTallywiseDoc& doc = m_doc;
    const std::time_t now = m_context.m_clock.Now();
    const int nToday = DayNumber(now);
    m_aHistory = DailyBalances(doc.Entries(), doc.StartBalance(),
                               FirstChartDay(doc.Entries(), nToday), nToday);
    m_forecast = ComputeForecast(doc.Entries(), doc.StartBalance(), doc.AutoEntries(), now,
                                 m_pMonths->value());
}

// The days of the register the chosen range shows, within the first day and today.
std::pair<int, int> CDlgBalanceChart::ShownDays() const {
    const int nFirst = m_aHistory.front().m_nDay, nToday = m_aHistory.back().m_nDay;
    switch (m_pRange->currentIndex()) {
    case RANGE_12_MONTHS:
        return {std::max(nFirst, MonthsBefore(nToday, 12)), nToday};
    case RANGE_3_MONTHS:
        return {std::max(nFirst, MonthsBefore(nToday, 3)), nToday};
    case RANGE_FROM_TO: {
        const int nFrom = DayOf(m_from), nTo = DayOf(m_to);
        return {std::max(nFirst, std::min(nFrom, nTo)), std::min(nToday, std::max(nFrom, nTo))};
    }
    default:
        return {nFirst, nToday};
    }
}

void CDlgBalanceChart::MakeStops() {
    const std::optional<int> nCursorDay = m_nCursor && *m_nCursor < m_aStops.size()
                                              ? std::optional(m_aStops[*m_nCursor].m_nDay)
                                              : std::nullopt;
    m_aStops.clear();
    const auto [nFirst, nLast] = ShownDays();
    for (const CDayBalance& day : m_aHistory)
        if (day.m_nDay >= nFirst && day.m_nDay <= nLast)
            m_aStops.push_back(
                {day.m_nDay, day.m_dBalance, day.m_dCleared, false, day.m_nFirst, day.m_nCount});
    std::size_t nNext = 0;
    double dBalance = m_forecast.m_dStart;
    for (int nDay = m_forecast.m_nToday + 1; nDay <= m_forecast.m_nLastDay; ++nDay) {
        const std::vector<CDayBalance>& days = m_forecast.m_aDays;
        while (nNext < days.size() && days[nNext].m_nDay < nDay)
            dBalance = days[nNext++].m_dBalance;
        const bool bChange = nNext < days.size() && days[nNext].m_nDay == nDay;
        const CDayBalance& day = bChange ? days[nNext] : CDayBalance{nDay, dBalance, dBalance};
        m_aStops.push_back(
            {nDay, day.m_dBalance, day.m_dCleared, true, day.m_nFirst, bChange ? day.m_nCount : 0});
    }
    m_nCursor.reset();
    for (std::size_t i = 0; nCursorDay && i < m_aStops.size(); ++i)
        if (m_aStops[i].m_nDay == *nCursorDay)
            m_nCursor = i;
}

void CDlgBalanceChart::Redraw() {
    MakeStops();
    const int nFirstDay = std::min(ShownDays().first, m_forecast.m_nToday);
    DrawSeries(nFirstDay);
    ShowLowest();
    if (m_nCursor)
        MoveCursor(*m_nCursor);
    else {
        m_pCursor->clear();
        m_pReadout->setText(QStringLiteral("Point at the chart, or move along it with the arrow "
                                           "keys, to see a day's balance and entries."));
    }
}

void CDlgBalanceChart::DrawSeries(int nFirstDay) {
    const int nColumns = std::max(100, m_pView->width());
    std::vector<CChartPoint> balance, cleared, forecast;
    double dMin = m_forecast.m_dStart, dMax = m_forecast.m_dStart;
    for (const CStop& stop : m_aStops) {
        (stop.m_bForecast ? forecast : balance).push_back({double(stop.m_nDay), stop.m_dBalance});
        if (!stop.m_bForecast)
            cleared.push_back({double(stop.m_nDay), stop.m_dCleared});
        dMin = std::min({dMin, stop.m_dBalance, stop.m_bForecast ? dMin : stop.m_dCleared});
        dMax = std::max({dMax, stop.m_dBalance, stop.m_bForecast ? dMax : stop.m_dCleared});
    }
    forecast.insert(forecast.begin(), {double(m_forecast.m_nToday), m_forecast.m_dStart});
    const auto Fill = [nColumns](QLineSeries* pSeries, const std::vector<CChartPoint>& points) {
        QList<QPointF> list;
        for (const CChartPoint& p : ReduceToColumns(points, std::size_t(nColumns)))
            list.append(QPointF(p.m_dX, p.m_dY));
        pSeries->replace(list);
    };
    Fill(m_pBalance, balance);
    Fill(m_pCleared, cleared);
    Fill(m_pForecast, forecast);
    m_pLow->replace({QPointF(m_forecast.m_nLowDay, m_forecast.m_dLow)});
    const double dPad = (dMax - dMin) * 0.05;
    m_axisSpan = {double(nFirstDay), double(m_forecast.m_nLastDay), dMin - dPad, dMax + dPad};
    m_axisPixels = QSize();
    SetAxes();
}

// Labels as many as the plot's size has room for; again when that size changes.
void CDlgBalanceChart::SetAxes() {
    const QRectF plot = m_pChart->plotArea();
    const QSize pixels(plot.width() > 50 ? int(plot.width()) : m_pView->width() - 120,
                       plot.height() > 50 ? int(plot.height()) : m_pView->height() - 100);
    if (m_axisPixels.isValid() && std::abs(pixels.width() - m_axisPixels.width()) < 20 &&
        std::abs(pixels.height() - m_axisPixels.height()) < 20)
        return;
    m_axisPixels = pixels;
    SetDayAxis(m_pDays, int(m_axisSpan[0]), int(m_axisSpan[1]), pixels.width());
    SetMoneyAxis(m_pMoney, m_axisSpan[2], m_axisSpan[3], pixels.height());
}

void CDlgBalanceChart::ShowLowest() {
    m_pLowest->setText(Q(LowestAheadText(m_forecast)));
    m_pBelowZero->setText(Q(BelowZeroText(m_forecast)));
    m_pBelowZero->setVisible(m_forecast.m_nBelowZeroDay.has_value());
    // The desktop's palette has no colour of its own for a warning: a red that reads on it.
    const bool bDark = palette().color(QPalette::Window).lightness() < 128;
    const QColor warning = bDark ? QColor(0xff, 0x7b, 0x72) : QColor(0xb0, 0x1c, 0x10);
    QPalette lowPalette = palette();
    if (m_forecast.m_nBelowZeroDay)
        lowPalette.setColor(QPalette::WindowText, warning);
    m_pLowest->setPalette(lowPalette);
    m_pBelowZero->setPalette(lowPalette);
}

void CDlgBalanceChart::OnRangeChosen() {
    const bool bFromTo = m_pRange->currentIndex() == RANGE_FROM_TO;
    m_pFrom->setEnabled(bFromTo);
    m_pTo->setEnabled(bFromTo);
    Redraw();
}

void CDlgBalanceChart::OnMonthsChanged(int nMonths) {
    m_context.m_settings.m_nChartMonths = nMonths;
    Refresh();
}

void CDlgBalanceChart::OnPointed(double dDay) {
    if (m_aStops.empty())
        return;
    const auto it = std::lower_bound(m_aStops.begin(), m_aStops.end(), std::lround(dDay),
                                     [](const CStop& s, long nDay) { return s.m_nDay < nDay; });
    MoveCursor(std::min(std::size_t(it - m_aStops.begin()), m_aStops.size() - 1));
}

void CDlgBalanceChart::OnStepped(int nDays) {
    if (m_aStops.empty())
        return;
    const long long nNow =
        m_nCursor ? (long long)*m_nCursor : (nDays < 0 ? (long long)m_aStops.size() : -1);
    const long long nTo = std::clamp(nNow + nDays, 0LL, (long long)m_aStops.size() - 1);
    MoveCursor(std::size_t(nTo));
}

void CDlgBalanceChart::OnActivated(double dDay) {
    if (!std::isnan(dDay))
        OnPointed(dDay);
    if (!m_nCursor)
        return;
    const CStop& stop = m_aStops[*m_nCursor];
    std::optional<std::size_t> nEntry;
    if (!stop.m_bForecast && stop.m_nCount > 0)
        nEntry = stop.m_nFirst;
    for (std::size_t i = 0; stop.m_bForecast && !nEntry && i < stop.m_nCount; ++i)
        nEntry = m_forecast.m_aItems[stop.m_nFirst + i].m_nEntry;
    if (nEntry && *nEntry < m_doc.EntryCount())
        m_context.m_list.ShowRow(std::uint16_t(*nEntry));
}

void CDlgBalanceChart::MoveCursor(std::size_t nStop) {
    m_nCursor = nStop;
    const CStop& stop = m_aStops[nStop];
    m_pCursor->replace({QPointF(stop.m_nDay, stop.m_dBalance)});
    m_pReadout->setText(ReadoutText(stop));
}

QString CDlgBalanceChart::ReadoutText(const CStop& stop) const {
    std::string strHead = FormatDate(DayDate(stop.m_nDay), "%A, ") + DayText(stop.m_nDay);
    if (stop.m_bForecast)
        strHead += "   Forecast balance: " + BalanceText(stop.m_dBalance);
    else
        strHead += "   Balance: " + BalanceText(stop.m_dBalance) +
                   "   Cleared balance: " + BalanceText(stop.m_dCleared);
    std::vector<std::string> lines;
    for (std::size_t i = stop.m_nFirst; i < stop.m_nFirst + stop.m_nCount; ++i) {
        if (stop.m_bForecast) {
            const CForecastItem& item = m_forecast.m_aItems[i];
            lines.push_back(item.m_strDesc + "   " + SignedText(item.m_dAmount).toStdString());
        } else {
            const CEntry& e = m_doc.Entries()[i];
            lines.push_back(e.m_strDesc + "   " +
                            SignedText(e.m_bDebit ? -e.m_dAmount : e.m_dAmount).toStdString());
        }
    }
    if (lines.empty())
        lines.push_back("No entries");
    QString strText = Q(strHead);
    for (const std::string& strLine : DayEntryLines(lines, MAX_READOUT_ENTRIES))
        strText += QStringLiteral("\n    ") + Q(strLine);
    return strText;
}

void CDlgBalanceChart::OnCopy() {
    QApplication::clipboard()->setPixmap(m_pView->grab());
}

// The chooser adds the extension of the chosen type and asks before it replaces a file.
void CDlgBalanceChart::OnSavePicture() {
    const QString strPng = QStringLiteral("PNG picture (*.png)");
    const QString strSvg = QStringLiteral("SVG picture (*.svg)");
    QFileDialog chooser(this, QStringLiteral("Save Picture"), QString(),
                        strPng + QStringLiteral(";;") + strSvg);
    chooser.setObjectName(QStringLiteral("savePictureChooser"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(QStringLiteral("png"));
    chooser.selectFile(QStringLiteral("Balance chart.png"));
    connect(&chooser, &QFileDialog::filterSelected, &chooser, [&](const QString& strFilter) {
        chooser.setDefaultSuffix(strFilter == strSvg ? QStringLiteral("svg")
                                                     : QStringLiteral("png"));
    });
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString strPath = chooser.selectedFiles().front();
    // A name typed with the other type's extension is written as that type.
    const QString strSuffix = QFileInfo(strPath).suffix().toLower();
    const bool bSvg =
        strSuffix == QStringLiteral("svg") ||
        (strSuffix != QStringLiteral("png") && chooser.selectedNameFilter() == strSvg);
    QByteArray bytes;
    if (bSvg) {
        bytes = CChartSvgWriter::Write(*m_pChart).toUtf8();
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        m_pView->grab().save(&buffer, "PNG");
    }
    std::string strError;
    if (bytes.isEmpty() ||
        !WriteFileAtomic(strPath.toStdString(),
                         std::vector<std::uint8_t>(bytes.cbegin(), bytes.cend()), strError))
        m_doc.Messages().ShowMessage(Format("The picture could not be written to %s.\n%s",
                                            strPath.toStdString().c_str(), strError.c_str()),
                                     EMsgIcon::Exclamation);
}

void CDlgBalanceChart::done(int nResult) {
    m_context.m_settings.m_nChartCX = width();
    m_context.m_settings.m_nChartCY = height();
    CDlgBase::done(nResult);
}

void OnBalanceChart(CCommandContext& context) {
    QWidget* pParent = context.m_pParent ? context.m_pParent : DefaultDialogParent();
    if (auto* pOpen = pParent ? pParent->findChild<CDlgBalanceChart*>() : nullptr) {
        pOpen->raise();
        pOpen->activateWindow();
        return;
    }
    auto* pDlg = new CDlgBalanceChart(context);
    pDlg->show();
}
