// Charts that keep every point they are given. TRecordingSeries answers every query of a
// series from its points; the Qt series builds on it, and tests compare the recorded
// points of a TRecordingChart with the whole expected list.
#pragma once

#include "ui/ChartSeries.h"

#include <memory>
#include <vector>

namespace g20seq {

struct TChartPoint {
    double X = 0;
    double Y = 0;
    TSystemColor Color{};

    friend bool operator==(const TChartPoint&, const TChartPoint&) = default;
};

class TRecordingSeries : public IChartSeries {
public:
    void Clear() override { FPoints.clear(); }
    void AddXY(double X, double Y, TSystemColor Color) override;
    int Count() const override { return static_cast<int>(FPoints.size()); }
    double LastX() const override { return FPoints.empty() ? 0 : FPoints.back().X; }
    double LastY() const override { return FPoints.empty() ? 0 : FPoints.back().Y; }
    double MinY() const override;
    double MaxY() const override;
    void SetPen(TPenStyle Style, int Width) override;
    TPenStyle PenStyle() const override { return FPenStyle; }
    int PenWidth() const override { return FPenWidth; }

    const std::vector<TChartPoint>& Points() const { return FPoints; }

private:
    std::vector<TChartPoint> FPoints;
    TPenStyle FPenStyle = TPenStyle::psSolid;
    int FPenWidth = 1;
};

class TRecordingChart : public IChart {
public:
    // A chart holding SeriesCount series (0, 1 or 2).
    explicit TRecordingChart(int SeriesCount = 2);

    IChartSeries* Series(int Index) override;
    void SetBottomAxisTitle(const std::string& Title) override { FBottomTitle = Title; }
    void SetLeftAxisTitle(const std::string& Title) override { FLeftTitle = Title; }

    const TRecordingSeries& Recorded(int Index) const { return *FSeries.at(Index); }
    const std::string& BottomAxisTitle() const { return FBottomTitle; }
    const std::string& LeftAxisTitle() const { return FLeftTitle; }

private:
    std::vector<std::unique_ptr<TRecordingSeries>> FSeries;
    std::string FBottomTitle;
    std::string FLeftTitle;
};

} // namespace g20seq
