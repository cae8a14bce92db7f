#include "GraphTestKit.h"
#include "ui/GraphCU.h"
#include "ui/GraphRapport.h"

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

// Ten steps ending at 1000, 2000, then 0; set points 10, 20, 30, ...
void Fill(TGraphCU& Graph) {
    for (int i = 0; i < 10; ++i)
        Graph.SetConsigne(i, 10.0 * (i + 1));
    Graph.SetPalier(0, 1000);
    Graph.SetPalier(1, 2000);
}

// R, O, Ri, Oi, L.
void Fill(TGraphRapport& Graph, const std::array<double, 5>& Values) {
    for (int p = prmRapportTransfo; p <= prmLimiteIntFaible; ++p)
        Graph.SetValeurParam(static_cast<TParamGraphRapport>(p), Values[p - 1]);
}

} // namespace

TEST(GraphCU, DrawsTheLawUpToTheFirstStepThatEndsEarlier) {
    const struct {
        bool Progression;
        TSegmentGrapheCU Actif;
        Points Expected;
    } cases[] = {
        {true, segAucuneCU, {Pt(0, 10, G), Pt(1000, 20, G), Pt(2000, 20, G)}},
        {true, segPalier01, {Pt(0, 10, R), Pt(1000, 20, R), Pt(2000, 20, G)}},
        {false,
         segAucuneCU,
         {Pt(0, 10, G), Pt(0, 10, G), Pt(1000, 10, G), Pt(1000, 20, G), Pt(2000, 20, G)}},
        {false,
         segPalier02,
         {Pt(0, 10, G), Pt(0, 10, G), Pt(1000, 10, G), Pt(1000, 20, G), Pt(2000, 20, R)}},
    };
    for (const auto& c : cases) {
        TRecordingChart chart;
        TGraphCU graph(&chart, c.Progression, 10);
        Fill(graph);
        graph.Actualiser(c.Actif);
        EXPECT_EQ(chart.Recorded(0).Points(), c.Expected) << c.Progression << " " << c.Actif;
        graph.SetPoint(500);
        EXPECT_EQ(chart.Recorded(1).Points(), (Points{Pt(500, 10, Y), Pt(500, 20, Y)}));
    }
}

TEST(GraphCU, StepOutsideTheLawIsLoggedAndIgnored) {
    FakeDataProxy proxy;
    TRecordingChart chart;
    TGraphCU graph(&chart, true, 10);
    Fill(graph);
    graph.SetConsigne(10, 99);
    graph.SetPalier(-1, 99);
    EXPECT_EQ(graph.GetConsigne(-1), 0);
    EXPECT_EQ(graph.GetPalier(10), 0);
    EXPECT_EQ(graph.GetConsigne(9), 100);
    std::vector<std::string> methods;
    for (const LogEntry& entry : proxy.Logs()) {
        EXPECT_EQ(LogTuple(entry),
                  std::tuple("TGraphCU", entry.Source, "Range check error", "", 2, "ZRT Handling"));
        methods.push_back(entry.Source);
    }
    EXPECT_EQ(methods, (std::vector<std::string>{"TGraphCU.SetConsigne", "TGraphCU.SetPalier",
                                                 "TGraphCU.GetConsigne", "TGraphCU.GetPalier"}));
}

TEST(GraphRapport, DrawsBothSlopesAndTheLimit) {
    const struct {
        std::array<double, 5> Values;
        TParamGraphRapport Param;
        Points First, Second;
    } cases[] = {
        // Equal flat slopes: the curve starts at Oi and jumps to O at 0.
        {{0, 5, 0, 3, 7},
         prmAucunParam,
         Points{Pt(0, 3, G), Pt(0, 3, G), Pt(0, 3, G), Pt(0, 5, G)},
         Points{Pt(7, 0, Y), Pt(7, 0, Y)}},
        // The slopes meet at x0 = 4; the limit line is as high as x1 = 12.
        {{2, 10, 4, 2, 30},
         prmLimiteIntFaible,
         Points{Pt(0, 2, G), Pt(4, 18, G), Pt(4, 18, G), Pt(12, 34, G)},
         Points{Pt(30, 0, R), Pt(30, 12, R)}},
        {{2, 10, 4, 2, 30},
         prmOffsetRapportInt,
         Points{Pt(0, 2, R), Pt(4, 18, R), Pt(4, 18, G), Pt(12, 34, G)},
         Points{Pt(30, 0, Y), Pt(30, 12, Y)}},
        // Equal slopes meet at the limit; x1 = 3 x 0.1 is kept in single precision.
        {{10, 0, 10, 0, 1},
         prmRapportTransfo,
         Points{Pt(0, 0, G), Pt(0.1, 1, G), Pt(0.1, 1, R),
                Pt(0.30000001192092896, 10 * 0.30000001192092896, R)},
         Points{Pt(1, 0, Y), Pt(1, 0.30000001192092896, Y)}},
    };
    for (const auto& c : cases) {
        TRecordingChart chart;
        TGraphRapport graph(&chart);
        Fill(graph, c.Values);
        graph.Actualiser(c.Param);
        EXPECT_EQ(chart.Recorded(0).Points(), c.First) << c.Param;
        EXPECT_EQ(chart.Recorded(1).Points(), c.Second) << c.Param;
    }
}

TEST(GraphRapport, MissingSeriesAndParametersAreLogged) {
    FakeDataProxy proxy;
    TRecordingChart none(0), one(1);
    TGraphRapport withoutSeries(&none), withOne(&one);
    withoutSeries.Actualiser(prmAucunParam);
    withOne.SetValeurParam(prmOffsetRapportInt, 3);
    withOne.Actualiser(prmAucunParam);
    EXPECT_EQ(one.Recorded(0).Count(), 4);
    withOne.SetValeurParam(prmAucunParam, 1);
    EXPECT_EQ(withOne.GetValeurParam(static_cast<TParamGraphRapport>(6)), 0);
    const auto missing =
        std::tuple("TGraphRapport", "TGraphRapport.Actualiser", "Aucune série trouvée",
                   "Graphique du rapport transfo.", 2, "ZRT Handling");
    const auto logs = proxy.Logs();
    ASSERT_EQ(logs.size(), 5u);
    for (int i : {0, 1, 2})
        EXPECT_EQ(LogTuple(logs[i]), missing) << i;
    EXPECT_EQ(logs[3].Source, "TGraphRapport.SetValeurPAram");
    EXPECT_EQ(logs[4].Source, "TGraphRapport.GetValeurParam");
}

// The changed step or line shows in red on screen.
TEST(GraphCU, RendersTheChangedLineRed) {
    const auto law = [](bool Progression, TSegmentGrapheCU Actif) {
        return [=](QtChartSeriesView& View) {
            TGraphCU graph(&View, Progression, 10);
            for (int i = 0; i < 10; ++i) {
                graph.SetPalier(i, 1000 * (i + 1));
                graph.SetConsigne(i, 8 + 0.4 * i);
            }
            View.SetBottomAxisTitle("Points");
            View.SetLeftAxisTitle("kA");
            graph.Actualiser(Actif);
            graph.SetPoint(4500);
        };
    };
    EXPECT_TRUE(HasPixel(Render("graph-cu-paliers.png", law(false, segPalier03)), 0xFF0000));
    EXPECT_TRUE(HasPixel(Render("graph-cu-rampes.png", law(true, segPalier05)), 0xFF0000));
    const QImage rapport = Render("graph-rapport.png", [](QtChartSeriesView& View) {
        TGraphRapport graph(&View);
        Fill(graph, {2, 10, 4, 2, 8});
        View.chart()->setTitle("Rapport de transformation");
        graph.Actualiser(prmLimiteIntFaible);
    });
    EXPECT_TRUE(HasPixel(rapport, 0xFF0000));
}
