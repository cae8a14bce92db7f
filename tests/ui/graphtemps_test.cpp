#include "GraphTestKit.h"
#include "ui/GraphTempsMF.h"

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

struct SequenceCase {
    const char* Name;
    std::vector<std::pair<TSegmentGrapheTemps, int>> Durees;
    int Pulses;
    TSegmentGrapheTemps Actif;
    Points Expected;
};

// Levels: weld 100, preheat 40, temper 30, upslope start 20 (10 with a preheat), end of
// downslope 20.
void Configure(TGraphTemps& Graph, const SequenceCase& Case) {
    for (const auto& [segment, duree] : Case.Durees)
        Graph.SetValeurSegment(segment, duree);
    Graph.NombrePulse = Case.Pulses;
    Graph.IntensitePrechauffage = 40;
    Graph.IntensiteRecuit = 30;
    Graph.IntensiteDebutUpslope = Graph.GetValeurSegment(segPrechauffage) ? 10 : 20;
    Graph.IntensiteFinDownSlope = 20;
}

const SequenceCase AcCases[] = {
    {"AllZeroOnePulse",
     {},
     1,
     segAucunTemps,
     {Pt(0, 0, R), Pt(0, 0, R), Pt(0, 0, R), Pt(0, 0, R), Pt(0, 20, R), Pt(0, 100, R),
      Pt(0, 100, R), Pt(0, 100, R), Pt(0, 0, R), Pt(0, 0, R), Pt(0, 0, R), Pt(0, 0, R)}},
    // The ramp (from 50 by 5 per period) spans pulses 1 and 2 and finishes in pulse 3.
    {"UpslopeOverThreePulses",
     {{segPremierAccostage, 2},
      {segAccostage, 3},
      {segUpSlope, 10},
      {segSoudage, 4},
      {segIntervallePulse, 2},
      {segForgeage, 5},
      {segIntervalle, 6}},
     3,
     segUpSlope,
     {Pt(0, 0, R), Pt(2, 0, R), Pt(2, 0, R), Pt(5, 0, R), Pt(5, 20, R), Pt(9, 70, G), Pt(9, 0, R),
      Pt(11, 0, R), Pt(11, 70, R), Pt(15, 90, G), Pt(15, 0, R), Pt(17, 0, R), Pt(17, 90, R),
      Pt(19, 100, G), Pt(21, 100, R), Pt(21, 0, R), Pt(21, 0, R), Pt(26, 0, R), Pt(32, 0, R)}},
    {"PreheatEveryWeldSegmentGreen",
     {{segPremierAccostage, 1},
      {segAccostage, 2},
      {segPrechauffage, 3},
      {segUpSlope, 1},
      {segTempsFroid, 2},
      {segSoudage, 4},
      {segIntervallePulse, 1},
      {segDownslope, 2},
      {segTrempe, 1},
      {segRecuit, 2},
      {segForgeage, 1},
      {segIntervalle, 1}},
     2,
     segSoudage,
     {Pt(0, 0, R),  Pt(1, 0, R),    Pt(1, 0, R),    Pt(3, 0, R),    Pt(3, 10, R),   Pt(4, 40, R),
      Pt(6, 40, R), Pt(6, 0, R),    Pt(8, 0, R),    Pt(8, 100, R),  Pt(12, 100, G), Pt(12, 0, R),
      Pt(13, 0, R), Pt(13, 100, R), Pt(17, 100, G), Pt(17, 100, R), Pt(19, 20, R),  Pt(19, 0, R),
      Pt(20, 0, R), Pt(20, 30, R),  Pt(22, 30, R),  Pt(22, 0, R),   Pt(23, 0, R),   Pt(24, 0, R)}},
};

// At 50 Hz: first squeeze 1 and squeeze 2 half periods (10 and 20 ms), upslope 3 ms
// from I/2, weld 5 ms, no downslope time (still drawn, down to I/2), hold 1, interval 2.
const SequenceCase MfCase{"MfDownslopeAlwaysDrawn",
                          {{segPremierAccostage, 1},
                           {segAccostage, 2},
                           {segUpSlope, 3},
                           {segSoudage, 5},
                           {segForgeage, 1},
                           {segIntervalle, 2}},
                          1,
                          segDownslope,
                          {Pt(0, 0, R), Pt(10, 0, R), Pt(10, 0, R), Pt(30, 0, R), Pt(30, 50, R),
                           Pt(33, 100, R), Pt(33, 100, R), Pt(35, 100, R), Pt(35, 100, R),
                           Pt(35, 50, G), Pt(35, 0, R), Pt(35, 0, R), Pt(45, 0, R), Pt(65, 0, R)}};

} // namespace

TEST(GraphTemps, DrawsEverySegmentInOrder) {
    FakeDataProxy proxy;
    for (const SequenceCase& c : AcCases) {
        TRecordingChart chart(1);
        TGraphTemps graph(&chart, 1);
        Configure(graph, c);
        graph.Actualiser(c.Actif);
        EXPECT_EQ(chart.Recorded(0).Points(), c.Expected) << c.Name;
    }
    TRecordingChart chart(1);
    TGraphTempsMF graph(&chart, 1);
    Configure(graph, MfCase);
    graph.Actualiser(MfCase.Actif);
    EXPECT_EQ(chart.Recorded(0).Points(), MfCase.Expected);
}

TEST(GraphTemps, HalfPeriodWeldAndPen) {
    TRecordingChart chart(1);
    TGraphTemps graph(&chart, 1);
    graph.NombrePulse = 1;
    graph.Actualiser(segAucunTemps);
    EXPECT_EQ(chart.Recorded(0).PenStyle(), TPenStyle::psSolid);
    EXPECT_EQ(chart.Recorded(0).PenWidth(), 3);
    graph.AvecIntensite = false;
    graph.Actualiser(segAucunTemps);
    EXPECT_EQ(chart.Recorded(0).PenStyle(), TPenStyle::psDash);
    EXPECT_EQ(chart.Recorded(0).PenWidth(), 1);
    graph.DemiPeriode = true;
    graph.Actualiser(segAucunTemps);
    EXPECT_EQ(chart.Recorded(0).Count(), 0);
}

TEST(GraphTempsMF, HalfPeriodsScaleByTheMainsFrequency) {
    FakeDataProxy proxy;
    for (const auto& [frequence, squeezeMs] : {std::pair{50, 40.0}, {60, 100.0 / 3}}) {
        proxy.Frequence = static_cast<Byte>(frequence);
        TRecordingChart chart(1);
        TGraphTempsMF graph(&chart, 1);
        graph.SetFrequence(55);
        EXPECT_EQ(graph.GetFrequence(), frequence);
        graph.SetValeurSegment(segAccostage, 4);
        graph.Actualiser(segAucunTemps);
        const Points& points = chart.Recorded(0).Points();
        EXPECT_NEAR(points.at(3).X - points.at(2).X, squeezeMs, 1e-9) << frequence;
    }
}

TEST(GraphTemps, MissingSeriesIsLogged) {
    FakeDataProxy proxy;
    TRecordingChart chart(0);
    TGraphTemps ac(&chart, 1);
    TGraphTempsMF mf(&chart, 1);
    mf.SetTitreAxeBas("ms");
    mf.SetTitreAxeGauche("kA");
    ac.Actualiser(segSoudage);
    ac.DemiPeriode = true;
    ac.Actualiser(segSoudage);
    mf.Actualiser(segSoudage);
    const std::string faux = "Aucune série trouvée (mode première demi-période = faux)";
    const std::string vrai = "Aucune série trouvée (mode première demi-période = vrai)";
    const std::string texte = "Graphique du cycle de soudage";
    const auto logs = proxy.Logs();
    ASSERT_EQ(logs.size(), 3u);
    EXPECT_EQ(LogTuple(logs[0]),
              std::tuple("TGraphTemps", "TGraphTemps.Actualiser", texte, faux, 2, "ZRT Handling"));
    EXPECT_EQ(LogTuple(logs[1]),
              std::tuple("TGraphTemps", "TGraphTemps.Actualiser", texte, vrai, 2, "ZRT Handling"));
    EXPECT_EQ(LogTuple(logs[2]), std::tuple("TGraphTempsMF", "TGraphTempsMF.Actualiser", texte,
                                            faux, 2, "ZRT Handling"));
    EXPECT_EQ(chart.BottomAxisTitle(), "ms");
    EXPECT_EQ(chart.LeftAxisTitle(), "kA");
}

// The changed segment shows in dark green on screen, for both kinds of controller.
TEST(GraphTemps, RendersTheChangedSegmentGreen) {
    FakeDataProxy proxy;
    const auto draw = [](TGraphTemps& Graph, QtChartSeriesView& View, const char* Unite) {
        Configure(Graph, AcCases[2]);
        Graph.Intensite = 9.5;
        Graph.IntensitePrechauffage = 6;
        Graph.IntensiteRecuit = 4;
        Graph.IntensiteDebutUpslope = 3;
        Graph.IntensiteFinDownSlope = 5;
        View.SetBottomAxisTitle(Unite);
        View.SetLeftAxisTitle("kA");
        Graph.Actualiser(segSoudage);
    };
    const QImage ac = Render("graph-temps-ac.png", [&](QtChartSeriesView& view) {
        TGraphTemps graph(&view, 1);
        draw(graph, view, "Périodes");
    });
    const QImage mf = Render("graph-temps-mf.png", [&](QtChartSeriesView& view) {
        TGraphTempsMF graph(&view, 1);
        draw(graph, view, "ms");
    });
    EXPECT_TRUE(HasPixel(ac, 0x008000));
    EXPECT_TRUE(HasPixel(mf, 0x008000));
}
