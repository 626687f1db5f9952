#pragma once
#include "core/framework/DateTime.h"
#include "core/framework/IRegisterObserver.h"
#include "core/tools/BalanceChart.h"
#include "gui/framework/CDlgBase.h"
#include <QSize>
#include <QTimer>
#include <array>
#include <optional>
#include <vector>

class CBalanceChartView;
class CCommandContext;
class CTallywiseDoc;
class QCategoryAxis;
class QChart;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QSpinBox;

// "Balance Chart": the balance of every day to today, the cleared balance, and the forecast
// of the automatic entries, with the lowest point ahead written under the chart. It stays
// open beside the register and follows every change of it.
//
// Object names: "range", "from", "to", "months", "chart", "readout", "lowest", "belowZero",
// "copy", "savePicture", "close".
class CDlgBalanceChart : public CDlgBase, private IRegisterObserver {
    Q_OBJECT
public:
    explicit CDlgBalanceChart(CCommandContext& context);
    ~CDlgBalanceChart() override;

    // Computes again from the register and draws; a change of the register does it once the
    // event loop is idle.
    void Refresh();
    void done(int nResult) override;

private:
    // A day the cursor can stand on: a shown day of the register or a day of the forecast.
    struct CStop {
        int m_nDay = 0;
        double m_dBalance = 0.0;
        double m_dCleared = 0.0;
        bool m_bForecast = false;
        std::size_t m_nFirst = 0; // entries, or items of the forecast
        std::size_t m_nCount = 0;
    };

    void OnEntryInserted(std::uint16_t) override { ScheduleRefresh(); }
    void OnEntryRemoved(std::uint16_t) override { ScheduleRefresh(); }
    void OnEntriesReset() override { ScheduleRefresh(); }
    void OnBalancesChanged(std::uint16_t) override { ScheduleRefresh(); }
    void OnEntryChanged(std::uint16_t) override { ScheduleRefresh(); }
    void OnDocumentChanged() override { ScheduleRefresh(); }
    void ScheduleRefresh();

    QLayout* MakeChoiceRow();
    QLayout* MakeButtons();
    void MakeChart();
    void Compute();
    void MakeStops();
    std::pair<int, int> ShownDays() const;
    void Redraw();
    void DrawSeries(int nFirstDay);
    void SetAxes();
    void ShowLowest();
    void OnRangeChosen();
    void OnMonthsChanged(int nMonths);
    void OnPointed(double dDay);
    void OnStepped(int nDays);
    void OnActivated(double dDay);
    void MoveCursor(std::size_t nStop);
    QString ReadoutText(const CStop& stop) const;
    void OnCopy();
    void OnSavePicture();

    CCommandContext& m_context;
    // Kept apart: the frame's context is gone before the frame's children are.
    CTallywiseDoc& m_doc;
    std::vector<CDayBalance> m_aHistory; // the first day of the register to today
    CForecast m_forecast;
    std::vector<CStop> m_aStops;
    std::optional<std::size_t> m_nCursor;
    CDayMonthYear m_from, m_to;
    QTimer m_refresh;
    std::array<double, 4> m_axisSpan{}; // first and last day, lowest and highest money
    QSize m_axisPixels;

    QComboBox* m_pRange = nullptr;
    QLineEdit* m_pFrom = nullptr;
    QLineEdit* m_pTo = nullptr;
    QSpinBox* m_pMonths = nullptr;
    QChart* m_pChart = nullptr;
    CBalanceChartView* m_pView = nullptr;
    QLineSeries* m_pBalance = nullptr;
    QLineSeries* m_pCleared = nullptr;
    QLineSeries* m_pForecast = nullptr;
    QScatterSeries* m_pLow = nullptr;
    QScatterSeries* m_pCursor = nullptr;
    QCategoryAxis* m_pDays = nullptr;
    QCategoryAxis* m_pMoney = nullptr;
    QLabel* m_pReadout = nullptr;
    QLabel* m_pLowest = nullptr;
    QLabel* m_pBelowZero = nullptr;
    QPushButton* m_pCopy = nullptr;
    QPushButton* m_pSave = nullptr;
    QPushButton* m_pClose = nullptr;
};

// Opens the window, or brings the open one forward.
void OnBalanceChart(CCommandContext& context);
