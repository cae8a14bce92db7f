#include "ui/RecordingChart.h"

#include <algorithm>

namespace g20seq {

namespace {
double ExtremeY(const std::vector<TChartPoint>& Points, bool Highest) {
    if (Points.empty())
        return 0;
    const auto [lowest, highest] = std::minmax_element(
        Points.begin(), Points.end(), [](const auto& a, const auto& b) { return a.Y < b.Y; });
    return Highest ? highest->Y : lowest->Y;
}
} // namespace

void TRecordingSeries::AddXY(double X, double Y, TSystemColor Color) {
    FPoints.push_back({X, Y, Color});
}

double TRecordingSeries::MinY() const {
    return ExtremeY(FPoints, false);
}

double TRecordingSeries::MaxY() const {
    return ExtremeY(FPoints, true);
}

void TRecordingSeries::SetPen(TPenStyle Style, int Width) {
    FPenStyle = Style;
    FPenWidth = Width;
}

TRecordingChart::TRecordingChart(int SeriesCount) {
    for (int i = 0; i < SeriesCount; ++i)
        FSeries.push_back(std::make_unique<TRecordingSeries>());
}

IChartSeries* TRecordingChart::Series(int Index) {
    return Index >= 0 && Index < static_cast<int>(FSeries.size()) ? FSeries[Index].get() : nullptr;
}

} // namespace g20seq
