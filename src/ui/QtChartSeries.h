// Qt Charts rendering of IChartSeries: one QLineSeries per run of equally coloured
// segments, so that each segment shows the colour of its end point.
#pragma once

#include "ui/ChartSeries.h"

#include <QList>
#include <QPointF>

class QChart;
class QLineSeries;

namespace g20seq {

class QtChartSeries : public IChartSeries {
public:
    explicit QtChartSeries(QChart* Chart);
    ~QtChartSeries() override;

    void Clear() override;
    void AddXY(double X, double Y, TColor Color) override;
    int Count() const override { return static_cast<int>(FPoints.size()); }

    // Number of line series currently drawn (one per colour run).
    int SegmentSeriesCount() const { return static_cast<int>(FSeries.size()); }

private:
    QChart* FChart;
    QList<QPointF> FPoints;
    QList<QLineSeries*> FSeries;
    TColor FLastColor = 0;
};

} // namespace g20seq
