#pragma once
#include <QString>

class QChart;
class QGraphicsItem;
class QPen;
class QXYSeries;

// Draws a chart as SVG vector content: the scene's lines and rectangles (background, grid,
// legend marks), the visible line and scatter series clipped to the plot area, and every
// text of the scene. Scene coordinates are the picture's, as in a grab of the view.
class CChartSvgWriter {
public:
    static QString Write(QChart& chart);

private:
    explicit CChartSvgWriter(QChart& chart) : m_chart(chart) {}
    void Shape(const QGraphicsItem& item);
    void Series(QXYSeries& series);
    void Text(const QGraphicsItem& item);
    static QString Stroke(const QPen& pen);
    static QString Matrix(const QGraphicsItem& item);

    QChart& m_chart;
    QString m_strSvg;
};
