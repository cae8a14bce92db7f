#include "ui/QtChartSeries.h"

#include <QChart>
#include <QColor>
#include <QLineSeries>

namespace g20seq {

QtChartSeries::QtChartSeries(QChart* Chart) : FChart(Chart) {}

QtChartSeries::~QtChartSeries() { Clear(); }

void QtChartSeries::Clear() {
    for (QLineSeries* series : FSeries) {
        FChart->removeSeries(series);
        delete series;
    }
    FSeries.clear();
    FPoints.clear();
}

void QtChartSeries::AddXY(double X, double Y, TColor Color) {
    const QPointF point(X, Y);
    // A new colour starts a new series that begins at the previous point, so the
    // segment leading to this point is drawn in this point's colour.
    if (FSeries.isEmpty() || Color != FLastColor) {
        auto* series = new QLineSeries;
        series->setColor(QColor::fromRgb(Color));
        if (!FPoints.isEmpty())
            series->append(FPoints.back());
        FChart->addSeries(series);
        FSeries.append(series);
        FLastColor = Color;
    }
    FSeries.back()->append(point);
    FPoints.append(point);
}

} // namespace g20seq
