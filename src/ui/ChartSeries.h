// The small chart-series interface the graph algorithms write into. It has no Qt in
// it, so graph computations are tested without widgets; QtChartSeries renders it.
#pragma once

#include <cstdint>

namespace g20seq {

// Colour as 0xRRGGBB.
using TColor = std::uint32_t;

class IChartSeries {
public:
    virtual ~IChartSeries() = default;
    virtual void Clear() = 0;
    // Appends a point; the line segment that ends at this point takes its colour.
    virtual void AddXY(double X, double Y, TColor Color) = 0;
    virtual int Count() const = 0;
};

} // namespace g20seq
