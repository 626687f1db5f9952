#pragma once
#include "core/printing/IPrintSurface.h"
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class QPrinter;

// The print font as Qt draws it. A face this computer does not have is replaced by the
// desktop's sans-serif face at the same size.
QFont MakePrintFont(const CPrintFont& font);

// The printed register on a QPainter. Lays out in the printer's device units and
// measures text with the printer's metrics; the painter may scale that further, as the
// preview does. Without a painter it only measures.
class CQtPrintSurface : public IPrintSurface {
public:
    CQtPrintSurface(QPainter* pPainter, QPrinter& printer);
    ~CQtPrintSurface() override;
    CQtPrintSurface(const CQtPrintSurface&) = delete;
    CQtPrintSurface& operator=(const CQtPrintSurface&) = delete;

    // Draws the lines kept so far; they go out together, which is much faster.
    void Flush();

    CTwipRect PrintableRect() const override;
    CPrintFont SelectFont(const CPrintFont& font) override;
    CTextMetrics TextMetrics() const override;
    int TextWidth(const std::string& strText) const override;
    void DrawText(const CTwipRect& rc, const std::string& strText, ETextAlign align) override;
    void DrawLine(int nX1, int nY1, int nX2, int nY2) override;

private:
    QPointF ToDevice(int nX, int nY) const;
    int ToTwipsX(double dPixels) const;
    int ToTwipsY(double dPixels) const;

    QPainter* m_pPainter;
    QPrinter& m_printer;
    double m_dDpiX;
    double m_dDpiY;
    // Points on the painter's device that look as tall as one point on the printer.
    double m_dFontScale = 1.0;
    QSizeF m_pageSize; // printable area in device pixels
    CPrintFont m_font;
    QFont m_qfont;
    std::optional<QFontMetricsF> m_metrics;     // on the printer
    std::optional<QFontMetricsF> m_drawMetrics; // on the painter's device
    std::map<std::pair<std::string, int>, QFont> m_fonts;
    std::vector<QLineF> m_lines;
};
