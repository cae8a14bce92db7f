#include "ui/QtChartSeries.h"

#include <QChart>
#include <QColor>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace g20seq {

QtChartSeries::QtChartSeries(QChart* Chart, QValueAxis* AxisX, QValueAxis* AxisY,
                             std::function<void()> Changed)
    : FChart(Chart), FAxisX(AxisX), FAxisY(AxisY), FChanged(std::move(Changed)) {}

QtChartSeries::~QtChartSeries() {
    RemoveRuns();
}

void QtChartSeries::RemoveRuns() {
    for (QLineSeries* run : FRuns) {
        FChart->removeSeries(run);
        delete run;
    }
    FRuns.clear();
    FRunColors.clear();
}

void QtChartSeries::Clear() {
    RemoveRuns();
    TRecordingSeries::Clear();
    if (FChanged)
        FChanged();
}

void QtChartSeries::ApplyPen(QLineSeries* Run, TSystemColor Color) const {
    const TRgb rgb = SystemColorToRgb(Color);
    QPen pen(QColor(rgb.R, rgb.G, rgb.B));
    pen.setWidth(PenWidth());
    pen.setStyle(PenStyle() == TPenStyle::psDash ? Qt::DashLine : Qt::SolidLine);
    Run->setPen(pen);
}

void QtChartSeries::AddXY(double X, double Y, TSystemColor Color) {
    // A new colour starts a new run that begins at the previous point, so the segment
    // leading to this point is drawn in this point's colour.
    if (FRuns.isEmpty() || Color != FRunColors.back()) {
        auto* run = new QLineSeries;
        ApplyPen(run, Color);
        if (Count() > 0)
            run->append(LastX(), LastY());
        FChart->addSeries(run);
        if (FAxisX)
            run->attachAxis(FAxisX);
        if (FAxisY)
            run->attachAxis(FAxisY);
        FRuns.append(run);
        FRunColors.append(Color);
    }
    FRuns.back()->append(X, Y);
    TRecordingSeries::AddXY(X, Y, Color);
    if (FChanged)
        FChanged();
}

void QtChartSeries::SetPen(TPenStyle Style, int Width) {
    TRecordingSeries::SetPen(Style, Width);
    for (qsizetype i = 0; i < FRuns.size(); ++i)
        ApplyPen(FRuns[i], FRunColors[i]);
}

} // namespace g20seq
