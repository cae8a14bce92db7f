#include "ui/QtChartSeries.h"

#include <QApplication>
#include <QChart>
#include <QLineSeries>
#include <gtest/gtest.h>

using namespace g20seq;

namespace {
QApplication& App() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
} // namespace

TEST(QtChartSeries, EachColourRunStartsAtThePreviousPoint) {
    App();
    QChart chart;
    QtChartSeries series(&chart);
    series.AddXY(0, 0, 0x0000FF);
    series.AddXY(1, 5, 0x0000FF);
    series.AddXY(2, 5, 0xFF0000); // segment 1->2 is red: new series from (1,5)
    series.AddXY(3, 0, 0xFF0000);
    EXPECT_EQ(series.Count(), 4);
    ASSERT_EQ(series.SegmentSeriesCount(), 2);
    auto* red = static_cast<QLineSeries*>(chart.series().at(1));
    ASSERT_EQ(red->count(), 3);
    EXPECT_EQ(red->at(0), QPointF(1, 5));
    EXPECT_EQ(red->color(), QColor::fromRgb(0xFF0000));

    series.Clear();
    EXPECT_EQ(series.Count(), 0);
    EXPECT_TRUE(chart.series().isEmpty());
}
