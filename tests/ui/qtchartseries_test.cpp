#include "GraphTestKit.h"
#include "ui/QtChartSeries.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

using namespace g20seq;
using namespace g20seq::testkit;

TEST(SystemColor, TurnsBlueGreenRedIntoRgb) {
    const std::pair<unsigned, TRgb> cases[] = {{255, {255, 0, 0}},
                                               {32768, {0, 128, 0}},
                                               {65535, {255, 255, 0}},
                                               {65280, {0, 255, 0}},
                                               {16777215, {255, 255, 255}}};
    for (const auto& [system, rgb] : cases)
        EXPECT_EQ(SystemColorToRgb(static_cast<TSystemColor>(system)), rgb) << system;
}

TEST(QtChartSeries, EachColourRunStartsAtThePreviousPointWithTheSeriesPen) {
    App();
    QtChartSeriesView view(2);
    IChartSeries& series = *view.FirstSeries();
    EXPECT_EQ(view.Series(2), nullptr);
    series.AddXY(0, 0, clRed);
    series.AddXY(1, 5, clRed);
    series.AddXY(2, 5, clGreen); // segment 1->2 is green: new run from (1,5)
    series.AddXY(3, -2, clGreen);
    series.SetPen(TPenStyle::psDash, 3);
    view.SetBottomAxisTitle("ms");
    EXPECT_EQ(view.AxisX()->titleText(), "ms");
    EXPECT_EQ(series.Count(), 4);
    EXPECT_EQ(series.MinY(), -2);
    EXPECT_EQ(series.MaxY(), 5);
    ASSERT_EQ(view.chart()->series().size(), 2);
    for (QAbstractSeries* run : view.chart()->series()) {
        EXPECT_EQ(run->attachedAxes(), (QList<QAbstractAxis*>{view.AxisX(), view.AxisY()}));
        EXPECT_EQ(static_cast<QLineSeries*>(run)->pen().style(), Qt::DashLine);
        EXPECT_EQ(static_cast<QLineSeries*>(run)->pen().width(), 3);
    }
    auto* green = static_cast<QLineSeries*>(view.chart()->series().at(1));
    EXPECT_EQ(green->points(), (QList<QPointF>{{1, 5}, {2, 5}, {3, -2}}));
    EXPECT_EQ(green->pen().color(), QColor(0, 128, 0));
    EXPECT_LE(view.AxisY()->min(), -2);

    series.Clear();
    EXPECT_EQ(series.Count(), 0);
    EXPECT_TRUE(view.chart()->series().isEmpty());
}
