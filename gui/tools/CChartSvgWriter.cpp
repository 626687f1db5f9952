#include "CChartSvgWriter.h"
#include <QChart>
#include <QFontInfo>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTextDocument>

namespace {
QString Num(qreal d) {
    return QString::number(d, 'f', 2);
}

QString Fill(const QColor& color) {
    return QStringLiteral("fill=\"%1\" fill-opacity=\"%2\"")
        .arg(color.alpha() ? color.name() : QStringLiteral("none"), Num(color.alphaF()));
}

// A gradient (the chart's background in most themes) is drawn in its first colour.
QColor BrushColor(const QBrush& brush) {
    if (brush.style() == Qt::NoBrush)
        return Qt::transparent;
    return brush.gradient() && !brush.gradient()->stops().isEmpty()
               ? brush.gradient()->stops().constFirst().second
               : brush.color();
}

QString Escaped(const QString& strText) {
    return strText.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&apos;"));
}
} // namespace

QString CChartSvgWriter::Write(QChart& chart) {
    CChartSvgWriter writer(chart);
    const QRectF scene = chart.geometry(); // what a view of the chart shows
    const QRectF plot = chart.mapToScene(chart.plotArea()).boundingRect();
    QString& str = writer.m_strSvg;
    str = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "
                         "xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                         "viewBox=\"%3 %4 %1 %2\">\n<clipPath id=\"plot\"><rect x=\"%5\" "
                         "y=\"%6\" width=\"%7\" height=\"%8\"/></clipPath>\n")
              .arg(Num(scene.width()), Num(scene.height()), Num(scene.x()), Num(scene.y()),
                   Num(plot.x()), Num(plot.y()), Num(plot.width()), Num(plot.height()));
    // Painting order: shapes under the series, texts over them.
    const QList<QGraphicsItem*> items = chart.scene()->items(Qt::AscendingOrder);
    for (const QGraphicsItem* pItem : items)
        if (pItem->isVisible())
            writer.Shape(*pItem);
    for (QAbstractSeries* pSeries : chart.series())
        if (pSeries->isVisible())
            if (auto* pXY = qobject_cast<QXYSeries*>(pSeries))
                writer.Series(*pXY);
    for (const QGraphicsItem* pItem : items)
        if (pItem->isVisible())
            writer.Text(*pItem);
    return str + QStringLiteral("</svg>\n");
}

void CChartSvgWriter::Shape(const QGraphicsItem& item) {
    if (auto* pLine = qgraphicsitem_cast<const QGraphicsLineItem*>(&item)) {
        const QLineF line = pLine->line();
        m_strSvg += QStringLiteral("<line transform=\"%1\" x1=\"%2\" y1=\"%3\" x2=\"%4\" "
                                   "y2=\"%5\" %6/>\n")
                        .arg(Matrix(item), Num(line.x1()), Num(line.y1()), Num(line.x2()),
                             Num(line.y2()), Stroke(pLine->pen()));
    } else if (auto* pRect = dynamic_cast<const QGraphicsRectItem*>(&item)) {
        const QRectF rect = pRect->rect();
        m_strSvg +=
            QStringLiteral("<rect transform=\"%1\" x=\"%2\" y=\"%3\" width=\"%4\" "
                           "height=\"%5\" %6 %7/>\n")
                .arg(Matrix(item), Num(rect.x()), Num(rect.y()), Num(rect.width()),
                     Num(rect.height()), Fill(BrushColor(pRect->brush())), Stroke(pRect->pen()));
    }
}

void CChartSvgWriter::Series(QXYSeries& series) {
    QList<QPointF> at;
    QString strPoints;
    for (const QPointF& point : series.points()) {
        at << m_chart.mapToScene(m_chart.mapToPosition(point, &series));
        strPoints += Num(at.back().x()) + QLatin1Char(',') + Num(at.back().y()) + QLatin1Char(' ');
    }
    auto* pScatter = qobject_cast<QScatterSeries*>(&series);
    if (!pScatter && !at.isEmpty())
        m_strSvg += QStringLiteral("<polyline clip-path=\"url(#plot)\" fill=\"none\" %1 "
                                   "points=\"%2\"/>\n")
                        .arg(Stroke(series.pen()), strPoints.trimmed());
    for (const QPointF& point : pScatter ? at : QList<QPointF>())
        m_strSvg += QStringLiteral("<circle clip-path=\"url(#plot)\" cx=\"%1\" cy=\"%2\" "
                                   "r=\"%3\" %4 %5/>\n")
                        .arg(Num(point.x()), Num(point.y()), Num(pScatter->markerSize() / 2),
                             Fill(pScatter->color()), Stroke(pScatter->pen()));
}

void CChartSvgWriter::Text(const QGraphicsItem& item) {
    QString strText;
    QFont font;
    QColor color;
    QPointF origin;
    if (auto* pSimple = qgraphicsitem_cast<const QGraphicsSimpleTextItem*>(&item)) {
        strText = pSimple->text();
        font = pSimple->font();
        color = pSimple->brush().color();
    } else if (auto* pRich = dynamic_cast<const QGraphicsTextItem*>(&item)) {
        strText = pRich->toPlainText();
        font = pRich->font();
        color = pRich->defaultTextColor();
        const qreal dMargin = pRich->document()->documentMargin();
        origin = QPointF(dMargin, dMargin);
    }
    if (strText.trimmed().isEmpty())
        return;
    origin.ry() += QFontMetricsF(font).ascent(); // SVG places text by its baseline
    m_strSvg += QStringLiteral("<text transform=\"%1\" x=\"%2\" y=\"%3\" font-family=\"%4\" "
                               "font-size=\"%5\" font-weight=\"%6\" %7>%8</text>\n")
                    .arg(Matrix(item), Num(origin.x()), Num(origin.y()), Escaped(font.family()),
                         QString::number(QFontInfo(font).pixelSize()),
                         QString::number(font.bold() ? 700 : 400), Fill(color), Escaped(strText));
}

QString CChartSvgWriter::Stroke(const QPen& pen) {
    if (pen.style() == Qt::NoPen || pen.color().alpha() == 0)
        return QStringLiteral("stroke=\"none\"");
    const qreal dWidth = pen.widthF() > 0 ? pen.widthF() : 1.0;
    QString str = QStringLiteral("stroke=\"%1\" stroke-opacity=\"%2\" stroke-width=\"%3\"")
                      .arg(pen.color().name(), Num(pen.color().alphaF()), Num(dWidth));
    if (pen.style() != Qt::SolidLine) {
        QStringList dashes; // Qt measures dashes in pen widths, SVG in picture units
        for (qreal dDash : pen.dashPattern())
            dashes << Num(dDash * dWidth);
        str += QStringLiteral(" stroke-dasharray=\"%1\"").arg(dashes.join(QLatin1Char(' ')));
    }
    return str;
}

QString CChartSvgWriter::Matrix(const QGraphicsItem& item) {
    const QTransform t = item.sceneTransform();
    return QStringLiteral("matrix(%1 %2 %3 %4 %5 %6)")
        .arg(Num(t.m11()), Num(t.m12()), Num(t.m21()), Num(t.m22()), Num(t.dx()), Num(t.dy()));
}
