// The small chart interface the graph algorithms write into. It has no Qt in it, so
// graph computations are tested without widgets; QtChartSeries renders a series and
// QtChartSeriesView a whole chart.
#pragma once

#include "ui/SystemColor.h"

#include <string>

namespace g20seq {

enum class TPenStyle { psSolid, psDash };

// One line series: points in the order they are added, each with the colour of the line
// segment that ends at it.
class IChartSeries {
public:
    virtual ~IChartSeries() = default;
    virtual void Clear() = 0;
    virtual void AddXY(double X, double Y, TSystemColor Color) = 0;
    virtual int Count() const = 0;
    // X and Y of the last point added; 0 for an empty series.
    virtual double LastX() const = 0;
    virtual double LastY() const = 0;
    // Lowest and highest Y of all points; 0 for an empty series.
    virtual double MinY() const = 0;
    virtual double MaxY() const = 0;
    virtual void SetPen(TPenStyle Style, int Width) = 0;
    virtual TPenStyle PenStyle() const = 0;
    virtual int PenWidth() const = 0;
};

// A chart of up to two series, the first and the second; a chart may hold fewer, and a
// missing series answers nullptr.
class IChart {
public:
    virtual ~IChart() = default;
    // Series Index (0 first, 1 second), nullptr when the chart does not hold it.
    virtual IChartSeries* Series(int Index) = 0;
    virtual void SetBottomAxisTitle(const std::string& Title) = 0;
    virtual void SetLeftAxisTitle(const std::string& Title) = 0;

    IChartSeries* FirstSeries() { return Series(0); }
    IChartSeries* SecondSeries() { return Series(1); }
};

} // namespace g20seq
