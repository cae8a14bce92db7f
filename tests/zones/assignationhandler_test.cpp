// The point assignment table handler: loading, pending edits, detecting changes, the zones
// a save sends, the maximum-reached warning and the mode change question.
#include "model/DataProxy.h"
#include "support/Exceptions.h"
#include "support/PointsTestEprom.h"
#include "zones/AssignationHandler.h"

#include <gtest/gtest.h>

#include <string>

namespace g20seq {
namespace {

using testkit::TBancPoints;

// The queued zones as "number:point/program" ("-" for an invalid entry).
std::string Envois(const TZoneQueue& Queue) {
    std::string envois;
    for (const auto& zone : Queue) {
        const auto& entree = dynamic_cast<const TAssignationPoints&>(*zone);
        envois += std::to_string(entree.GetNumeroZone()) + ":" +
                  (entree.GetPointValide() ? entree.GetNumPointCPS() : "-") + "/" +
                  std::to_string(entree.GetNumProg()) + " ";
    }
    return envois;
}

std::string Table(const TAssignationHandler& Handler) {
    std::string table;
    for (int i = 0; i < Handler.Count(); ++i)
        table += Handler.GetNumPoint(i) + "/" + std::to_string(Handler.GetNumProg(i)) + " ";
    return table;
}

// Three valid entries on zones 0..2 in table order, zone 5 holding an invalid one.
struct TBancTable : TBancPoints {
    TBancTable() {
        SetEntree(0, true, "P10", 1);
        SetEntree(1, true, "P20", 2);
        SetEntree(2, true, "P30", 3);
        SetEntree(5, false, "", 7);
        Handler.ChargerDonneesPoints(nullptr);
    }
    TAssignationHandler Handler{Eprom.get()};
};

TEST(AssignationHandler, LoadsEveryEntryZoneAndSortsTheValidOnes) {
    TBancTable banc;
    EXPECT_EQ(banc.Handler.MaxCount(), 128);
    ASSERT_EQ(banc.Handler.OriginalPointList().Count(), 128);
    EXPECT_EQ(Table(banc.Handler), "P10/1 P20/2 P30/3 ");
    EXPECT_FALSE(banc.Handler.GetDonnesModifiees());

    banc.SetEntree(0, true, "P25", 1); // out of table order: saving would reorder
    banc.Handler.ChargerDonneesPoints(nullptr);
    EXPECT_EQ(Table(banc.Handler), "P20/2 P25/1 P30/3 ");
    EXPECT_TRUE(banc.Handler.GetDonnesModifiees());
    banc.SetEntree(7, true, "P20", 9);
    EXPECT_THROW(banc.Handler.ChargerDonneesPoints(nullptr), EStringListError);
}

TEST(AssignationHandler, ValidateAppliesThePendingEditAndEndsIt) {
    TBancTable banc;
    TAssignationHandler& h = banc.Handler;
    h.Add();
    EXPECT_EQ(h.Validate("P15   ", 4), 1);
    EXPECT_EQ(h.GetHandlingState(), hsNone);
    h.Alter(0);
    EXPECT_EQ(h.Validate("P40", 5), 3);
    EXPECT_EQ(Table(h), "P15/4 P20/2 P30/3 P40/5 ");

    // Refused edits leave the table as it was and end the edit.
    h.Add();
    EXPECT_THROW(h.Validate("P20", 8), EStringListError);
    EXPECT_EQ(h.GetHandlingState(), hsNone);
    h.Alter(3);
    EXPECT_THROW(h.Validate("P15", 8), EStringListError);
    h.Alter(3);
    EXPECT_THROW(h.Validate("P41", 200), EFieldError);
    EXPECT_EQ(Table(h), "P15/4 P20/2 P30/3 P40/5 ");

    h.Delete(1);
    EXPECT_EQ(h.Validate("", 0), -1);
    EXPECT_EQ(Table(h), "P15/4 P30/3 P40/5 ");
    EXPECT_EQ(h.Validate("P77", 1), -1); // no pending edit
}

TEST(AssignationHandler, SavingRewritesChangedPositionsAndInvalidatesTheRest) {
    TBancTable banc;
    TStringList transferees;
    TZoneQueue queue;
    banc.Handler.EnregistrerModificationsPoints(&transferees, &queue);
    EXPECT_TRUE(queue.empty()); // nothing modified

    banc.Handler.Delete(0);
    banc.Handler.Validate("", 0);
    banc.Handler.EnregistrerModificationsPoints(&transferees, &queue);
    EXPECT_EQ(Envois(queue), "0:P20/2 1:P30/3 2:-/0 ");
    ASSERT_EQ(transferees.Count(), 3);
    EXPECT_EQ(transferees[2], "PrcAssignationPoint=2");
    EXPECT_EQ(banc.Entree(0)->GetNumPointCPS(), "P10"); // the EPROM's zones are untouched

    TBancTable autre; // only the program of the last entry changes: one zone
    autre.Handler.Alter(2);
    autre.Handler.Validate("P30", 6);
    TZoneQueue une;
    autre.Handler.EnregistrerModificationsPoints(nullptr, &une);
    EXPECT_EQ(Envois(une), "2:P30/6 ");
    for (const testkit::LogEntry& log : autre.Proxy.Logs())
        EXPECT_LT(log.Level, LogAnomaly) << log.Source << ": " << log.Text1;
}

TEST(AssignationHandler, AddingBeyondTheTableShowsTheWarning) {
    TBancPoints banc;
    TAssignationHandler h(banc.Eprom.get());
    h.ChargerDonneesPoints(nullptr);
    for (int i = 0; i < h.MaxCount(); ++i) {
        h.Add();
        h.Validate("P" + std::to_string(1000 + i), i);
    }
    h.Add();
    EXPECT_EQ(h.GetHandlingState(), hsNone);
    EXPECT_EQ(h.Count(), 128);
    ASSERT_EQ(banc.Proxy.Dialogs.size(), 1u);
    EXPECT_EQ(banc.Proxy.Dialogs[0].Section + "/" + banc.Proxy.Dialogs[0].ID,
              "TAssignationHandler/MessWarningMaxReached");
    EXPECT_EQ(banc.Proxy.Dialogs[0].Default, "Le nombre maximum de point a été atteint (128)");
}

TEST(AssignationHandler, ModeChangeAsksBeforeDroppingTheTable) {
    TBancTable banc;
    banc.Proxy.QueueDialogAnswer(mrNo);
    EXPECT_FALSE(banc.Handler.ChangeModeAssignationPoint(1));
    EXPECT_EQ(banc.Handler.Count(), 3);
    ASSERT_EQ(banc.Proxy.Dialogs.size(), 1u);
    EXPECT_EQ(banc.Proxy.Dialogs[0].ID, "MessWarningReset");
    EXPECT_EQ(banc.Proxy.Dialogs[0].Buttons, mbYes | mbNo);

    banc.Proxy.QueueDialogAnswer(mrYes);
    EXPECT_TRUE(banc.Handler.ChangeModeAssignationPoint(1));
    EXPECT_EQ(banc.Handler.Count(), 0);
    EXPECT_TRUE(banc.Handler.ChangeModeAssignationPoint(0)); // empty: no question
    EXPECT_EQ(banc.Proxy.Dialogs.size(), 2u);
    TZoneQueue queue;
    banc.Handler.EnregistrerModificationsPoints(nullptr, &queue);
    EXPECT_EQ(Envois(queue), "0:-/0 1:-/0 2:-/0 ");
}

TEST(AssignationHandler, WorksOnStoredNumbersInFamilyPartPointMode) {
    TBancPoints banc;
    banc.SetMode(ModeFormatPSA);
    banc.SetEntree(0, true, "000256012AB", 127);
    TAssignationHandler h(banc.Eprom.get());
    h.ChargerDonneesPoints(nullptr);
    EXPECT_EQ(h.GetNumPoint(0), "AB.012.000256");
    h.Add();
    EXPECT_EQ(h.Validate("AA.001.000001", 3), 0);
    EXPECT_EQ(h.CurrentPointList()[0], "000001001AA");
}

} // namespace
} // namespace g20seq
