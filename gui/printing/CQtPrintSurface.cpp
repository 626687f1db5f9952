#include "CQtPrintSurface.h"
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <cmath>

QFont MakePrintFont(const CPrintFont& font) {
    const QString strFace = QString::fromStdString(font.m_strFace);
    QFont qfont = QFontDatabase::hasFamily(strFace)
                      ? QFont(strFace)
                      : QFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPointSizeF(font.m_nHeight > 0 ? font.m_nHeight / 20.0 : 8.0);
    qfont.setWeight(QFont::Weight(std::clamp(font.m_nWeight, 100, 900)));
    qfont.setItalic(false);
    qfont.setUnderline(false);
    return qfont;
}

CQtPrintSurface::CQtPrintSurface(QPainter* pPainter, QPrinter& printer)
    : m_pPainter(pPainter), m_printer(printer), m_dDpiX(printer.logicalDpiX()),
      m_dDpiY(printer.logicalDpiY()), m_pageSize(printer.pageRect(QPrinter::DevicePixel).size()) {
    if (m_pPainter && m_pPainter->device() && m_pPainter->device()->logicalDpiY() > 0)
        m_dFontScale = m_dDpiY / m_pPainter->device()->logicalDpiY();
    if (m_pPainter)
        m_pPainter->setPen(QPen(Qt::black, 0));
    SelectFont(CPrintFont{"", 160, 400});
}

CQtPrintSurface::~CQtPrintSurface() {
    Flush();
}

void CQtPrintSurface::Flush() {
    if (m_pPainter && !m_lines.empty())
        m_pPainter->drawLines(m_lines.data(), static_cast<int>(m_lines.size()));
    m_lines.clear();
}

int CQtPrintSurface::ToTwipsX(double dPixels) const {
    return static_cast<int>(std::lround(dPixels * 1440.0 / m_dDpiX));
}

int CQtPrintSurface::ToTwipsY(double dPixels) const {
    return static_cast<int>(std::lround(dPixels * 1440.0 / m_dDpiY));
}

QPointF CQtPrintSurface::ToDevice(int nX, int nY) const {
    return QPointF(nX * m_dDpiX / 1440.0, -nY * m_dDpiY / 1440.0);
}

CTwipRect CQtPrintSurface::PrintableRect() const {
    return CTwipRect{0, 0, ToTwipsX(m_pageSize.width()), -ToTwipsY(m_pageSize.height())};
}

CPrintFont CQtPrintSurface::SelectFont(const CPrintFont& font) {
    Flush();
    CPrintFont old = m_font;
    if (old == font && m_metrics)
        return old;
    m_font = font;
    auto key = std::make_pair(font.m_strFace, font.m_nHeight);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end())
        it = m_fonts.emplace(key, MakePrintFont(font)).first;
    QFont qfont = it->second;
    qfont.setWeight(QFont::Weight(std::clamp(font.m_nWeight, 100, 900)));
    m_metrics.emplace(qfont, &m_printer);
    m_qfont = qfont;
    if (m_pPainter) {
        m_qfont.setPointSizeF(qfont.pointSizeF() * m_dFontScale);
        m_pPainter->setFont(m_qfont);
        m_drawMetrics.emplace(m_qfont, m_pPainter->device());
    }
    return old;
}

CTextMetrics CQtPrintSurface::TextMetrics() const {
    return CTextMetrics{ToTwipsY(m_metrics->ascent() + m_metrics->descent()),
                        std::max(0, ToTwipsY(m_metrics->leading()))};
}

int CQtPrintSurface::TextWidth(const std::string& strText) const {
    return ToTwipsX(m_metrics->horizontalAdvance(QString::fromStdString(strText)));
}

void CQtPrintSurface::DrawText(const CTwipRect& rc, const std::string& strText, ETextAlign align) {
    if (!m_pPainter)
        return;
    const QRectF rcDevice(ToDevice(rc.m_nLeft, rc.m_nTop), ToDevice(rc.m_nRight, rc.m_nBottom));
    if (rcDevice.width() <= 0)
        return;
    // The layout measured with the printer's metrics and cut what it had to; only a text
    // wider than its cell by those same metrics ends in "..." here, so the preview's own
    // rounding never cuts a figure.
    QString str = QString::fromStdString(strText);
    double dWidth = m_drawMetrics->horizontalAdvance(str);
    if (ToTwipsX(m_metrics->horizontalAdvance(str)) > rc.m_nRight - rc.m_nLeft) {
        str = m_drawMetrics->elidedText(str, Qt::ElideRight, rcDevice.width());
        dWidth = m_drawMetrics->horizontalAdvance(str);
    }
    double dX = rcDevice.left();
    if (align == ETextAlign::Right)
        dX = rcDevice.right() - dWidth;
    else if (align == ETextAlign::Centre)
        dX = rcDevice.left() + (rcDevice.width() - dWidth) / 2;
    const double dY =
        rcDevice.center().y() + (m_drawMetrics->ascent() - m_drawMetrics->descent()) / 2;
    m_pPainter->drawText(QPointF(dX, dY), str);
}

void CQtPrintSurface::DrawLine(int nX1, int nY1, int nX2, int nY2) {
    if (m_pPainter)
        m_lines.emplace_back(ToDevice(nX1, nY1), ToDevice(nX2, nY2));
}
