#include "ui/QtChartSeriesView.h"

#include "ui/QtChartSeries.h"

#include <QChart>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace g20seq {

namespace {
// Share of the data span left free on each side, so lines on the border stay visible.
constexpr double AxisMargin = 0.04;
constexpr double MaxTicks = 8;

// A tick interval of 1, 2 or 5 times a power of ten giving at most MaxTicks intervals.
double TickInterval(double Span) {
    const double power = std::pow(10.0, std::floor(std::log10(Span / MaxTicks)));
    for (double factor : {1.0, 2.0, 5.0})
        if (Span / (factor * power) <= MaxTicks)
            return factor * power;
    return 10 * power;
}

// Fits Axis to [Min, Max] with a small margin; ticks fall on round values from 0. The tick
// interval is set before the range: a range many times wider than the old interval would
// otherwise lay out one tick per old interval first.
void SetAxisRange(QValueAxis* Axis, double Min, double Max) {
    double span = Max - Min;
    if (span <= 0)
        span = std::max(1.0, std::abs(Max));
    // The interval first: a range set under the previous, finer interval would be laid out
    // with it.
    Axis->setTickType(QValueAxis::TicksDynamic);
    Axis->setTickAnchor(0);
    Axis->setTickInterval(TickInterval(span));
    Axis->setRange(Min - span * AxisMargin, Max + span * AxisMargin);
    Axis->setLabelFormat("%g");
}
} // namespace

QtChartSeriesView::QtChartSeriesView(int SeriesCount, QWidget* Parent)
    : QChartView(new QChart, Parent), FAxisX(new QValueAxis), FAxisY(new QValueAxis) {
    chart()->legend()->hide();
    chart()->addAxis(FAxisX, Qt::AlignBottom);
    chart()->addAxis(FAxisY, Qt::AlignLeft);
    for (int i = 0; i < SeriesCount; ++i)
        FSeries.push_back(
            std::make_unique<QtChartSeries>(chart(), FAxisX, FAxisY, [this] { FitAxes(); }));
    FitAxes();
}

// The series remove their runs from the chart, which the view still holds here.
QtChartSeriesView::~QtChartSeriesView() = default;

IChartSeries* QtChartSeriesView::Series(int Index) {
    return Index >= 0 && Index < static_cast<int>(FSeries.size()) ? FSeries[Index].get() : nullptr;
}

void QtChartSeriesView::SetBottomAxisTitle(const std::string& Title) {
    FAxisX->setTitleText(QString::fromStdString(Title));
}

void QtChartSeriesView::SetLeftAxisTitle(const std::string& Title) {
    FAxisY->setTitleText(QString::fromStdString(Title));
}

void QtChartSeriesView::FitAxes() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    double minX = inf, maxX = -inf, minY = inf, maxY = -inf;
    for (const auto& series : FSeries)
        for (const TChartPoint& point : series->Points()) {
            minX = std::min(minX, point.X);
            maxX = std::max(maxX, point.X);
            minY = std::min(minY, point.Y);
            maxY = std::max(maxY, point.Y);
        }
    if (minX > maxX) {
        minX = minY = 0;
        maxX = maxY = 1;
    }
    SetAxisRange(FAxisX, minX, maxX);
    SetAxisRange(FAxisY, minY, maxY);
}

} // namespace g20seq
