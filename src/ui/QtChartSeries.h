// Qt Charts rendering of one chart series: one QLineSeries per run of equally coloured
// segments, so that each segment shows the colour of its end point. Every run takes the
// series' pen and the chart's shared axes. The points themselves are kept by
// TRecordingSeries, which answers the queries of the series.
#pragma once

#include "ui/RecordingChart.h"

#include <QList>

#include <functional>

class QChart;
class QLineSeries;
class QValueAxis;

namespace g20seq {

class QtChartSeries : public TRecordingSeries {
public:
    // Draws into Chart against the axes AxisX and AxisY (all not owned); Changed, when
    // given, is called after every change of the points.
    QtChartSeries(QChart* Chart, QValueAxis* AxisX, QValueAxis* AxisY,
                  std::function<void()> Changed = {});
    ~QtChartSeries() override;

    void Clear() override;
    void AddXY(double X, double Y, TSystemColor Color) override;
    void SetPen(TPenStyle Style, int Width) override;

    // Number of line series currently drawn (one per colour run).
    int SegmentSeriesCount() const { return static_cast<int>(FRuns.size()); }

private:
    void ApplyPen(QLineSeries* Run, TSystemColor Color) const;
    void RemoveRuns();

    QChart* FChart;
    QValueAxis* FAxisX;
    QValueAxis* FAxisY;
    std::function<void()> FChanged;
    QList<QLineSeries*> FRuns;
    QList<TSystemColor> FRunColors;
};

} // namespace g20seq
