// Helpers of the graph suites: readable point lists, the log entry comparison and the
// offscreen rendering of a chart.
#pragma once

#include "support/FakeDataProxy.h"
#include "ui/QtChartSeriesView.h"
#include "ui/RecordingChart.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <tuple>
#include <vector>

namespace g20seq {

inline void PrintTo(const TChartPoint& Point, std::ostream* Out) {
    *Out << "(" << Point.X << ", " << Point.Y << ", " << static_cast<unsigned>(Point.Color) << ")";
}

// A point as the tests write it: X, Y and the system's colour value.
inline TChartPoint Pt(double X, double Y, unsigned Color) {
    return {X, Y, static_cast<TSystemColor>(Color)};
}

} // namespace g20seq

namespace g20seq::testkit {

// The colour values of the system the graphs use, as literals.
constexpr unsigned R = 255, G = 32768, Y = 65535;

using Points = std::vector<TChartPoint>;

// Sender class, source, both texts, level and category of a log entry.
inline auto LogTuple(const LogEntry& Entry) {
    return std::tuple(Entry.SenderClass, Entry.Source, Entry.Text1, Entry.Text2, Entry.Level,
                      Entry.Category);
}

// The application of the suite, made by the suite's own main (UiTestMain.cpp).
inline QApplication& App() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

// Grabs Window offscreen; with G20SEQ_SCREENSHOT_DIR set, the image is also saved there
// under File.
inline QImage Capture(QWidget& Window, const char* File) {
    const QImage image = Window.grab().toImage();
    if (const QString dir = qEnvironmentVariable("G20SEQ_SCREENSHOT_DIR"); !dir.isEmpty())
        image.save(dir + "/" + File);
    return image;
}

// Draws into a 640 x 400 chart view and grabs it offscreen; with G20SEQ_SCREENSHOT_DIR
// set, the image is also saved there under File.
inline QImage Render(const char* File, const std::function<void(QtChartSeriesView&)>& Draw) {
    App();
    QtChartSeriesView view(2);
    view.resize(640, 400);
    Draw(view);
    return Capture(view, File);
}

// Whether some pixel of Image has exactly the colour Rgb (0xRRGGBB).
inline bool HasPixel(const QImage& Image, unsigned Rgb) {
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) == Rgb)
                return true;
    return false;
}

} // namespace g20seq::testkit
