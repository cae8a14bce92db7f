// The chart widget the editors embed: a QChartView whose chart holds up to two
// QtChartSeries on shared bottom and left value axes. It is the IChart the graphs draw
// into; the axes follow the points of both series.
#pragma once

#include "ui/ChartSeries.h"

#include <QChartView>

#include <memory>
#include <vector>

class QValueAxis;

namespace g20seq {

class QtChartSeries;

class QtChartSeriesView : public QChartView, public IChart {
    Q_OBJECT
public:
    // A chart holding SeriesCount series (0, 1 or 2).
    explicit QtChartSeriesView(int SeriesCount, QWidget* Parent = nullptr);
    ~QtChartSeriesView() override;

    IChartSeries* Series(int Index) override;
    void SetBottomAxisTitle(const std::string& Title) override;
    void SetLeftAxisTitle(const std::string& Title) override;

    QValueAxis* AxisX() const { return FAxisX; }
    QValueAxis* AxisY() const { return FAxisY; }

private:
    // Fits both axes to the points of every series.
    void FitAxes();

    QValueAxis* FAxisX;
    QValueAxis* FAxisY;
    std::vector<std::unique_ptr<QtChartSeries>> FSeries;
};

} // namespace g20seq
