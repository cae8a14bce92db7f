#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVTabSheet.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"

#include <gtest/gtest.h>

#include <functional>

namespace g20seq {
namespace {

std::unique_ptr<TKEVIntegerField> Field(const std::string& FieldID) {
    return std::make_unique<TKEVIntegerField>(FieldID, nullptr, nullptr, 0, 10, 0, 1.0);
}

std::string FieldOrder(const TKEVTabSheet& Sheet) {
    std::string order;
    for (int i = 0; i < Sheet.GetFieldCount(); ++i)
        order += Sheet.GetField(i)->GetFieldID() + " ";
    return order;
}

TEST(KEVTabSheet, KeepsInsertionOrderAndRefusesDuplicatesAndMissingReferences) {
    TKEVTabSheet sheet(IDTabSeuils, nullptr);
    auto c = Field("IDC"), a = Field("IDA"), b = Field("IDB"), d = Field("IDD"), a2 = Field("IDA");
    sheet.AddField(c.get());
    sheet.AddField(a.get());
    sheet.InsertField("IDA", b.get(), false);
    EXPECT_EQ(FieldOrder(sheet), "IDC IDB IDA ");
    try {
        sheet.InsertField("IDZ", d.get(), false);
        FAIL() << "missing reference accepted";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Unable to insert IDD, ref: IDZ");
    }
    try {
        sheet.AddField(a2.get());
        FAIL() << "duplicate accepted";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Duplicate Field: IDA");
    }
    EXPECT_THROW(sheet.InsertField("IDC", a2.get(), true), Exception);
    sheet.InsertField("IDZ", d.get(), true);
    EXPECT_EQ(FieldOrder(sheet), "IDC IDB IDA IDD ");
    EXPECT_EQ(sheet.GetFieldByID("IDB"), b.get());
    EXPECT_EQ(sheet.GetFieldByID("idb"), nullptr);
    sheet.DeleteField(b.get());
    EXPECT_EQ(FieldOrder(sheet), "IDC IDA IDD ");
}

TEST(KEVTabSheet, FieldsOfAnUnlinkedSheetAreNotLinked) {
    TKEVTabSheet sheet(IDTabTemps, nullptr);
    sheet.SetLinked(false);
    TKEVIntegerField field("IDA", nullptr, &sheet, 0, 1, 0, 1.0);
    field.Link("", false);
    EXPECT_EQ(sheet.GetFieldCount(), 1);
    EXPECT_FALSE(field.GetLinked());
}

TEST(KEVTabSheet, KeysCaptionsAndExportHeading) {
    testkit::FakeDataProxy proxy;
    EXPECT_EQ(IDOngletTable.size(), 67u);
    const TKEVTabSheet points(IDTabAssignationPoints, nullptr);
    EXPECT_EQ(points.GetTabSheetID(), "IDAssignationPoints");
    EXPECT_EQ(points.GetCaption(), "N° de points");
    EXPECT_EQ(TKEVTabSheet(IDTabConsignesEffort, nullptr).GetCaption(), "Paliers d'effort");
    proxy.AddTranslation("IDOnglet", "IDTabTemps", "Times");
    TKEVTabSheet temps(IDTabTemps, nullptr);
    EXPECT_EQ(temps.GetCaption(), "Times");
    EXPECT_EQ(temps.GetVersion(), 1);
    EXPECT_TRUE(temps.GetLinked());
    temps.SetInfoKEVFile("Rubrique", PrcProgrammes, 3);
    EXPECT_EQ(temps.GetRubrique(), "Rubrique");
    EXPECT_EQ(temps.GetTypeZoneCPS(), PrcProgrammes);
    EXPECT_EQ(temps.GetVersion(), 3);
    EXPECT_THROW(TKEVTabSheet(static_cast<TIDOnglet>(67), nullptr), ERangeError);
}

TEST(KEVLogicalZone, HoldsOrderedSheetsAndFindsFieldsInThem) {
    testkit::FakeDataProxy proxy;
    TKEVLogicalZone zone(nullptr, PrcProgrammes, 3);
    EXPECT_EQ(zone.GetCaption(), "Programmes");
    zone.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabTemps, &zone));
    zone.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabEV, &zone));
    zone.InsertTabSheet("IDTabEV", std::make_unique<TKEVTabSheet>(IDTabSeuils, &zone));
    EXPECT_EQ(zone.GetTabSheet(1)->GetTabSheetID(), "IDTabSeuils");
    auto message = [](const std::function<void()>& Action) {
        try {
            Action();
        } catch (const Exception& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_EQ(message([&] { zone.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabTemps, &zone)); }),
              "Duplicate TabSheet: IDTabTemps");
    EXPECT_EQ(message([&] {
                  zone.InsertTabSheet("IDTabCU",
                                      std::make_unique<TKEVTabSheet>(IDTabRodage, &zone));
              }),
              "Unable to insert IDTabRodage, ref: IDTabCU");
    auto first = Field("IDA"), second = Field("IDA"), third = Field("IDB");
    EXPECT_EQ(message([&] { zone.AddField("IDTabCU", first.get()); }),
              "Unable to insert IDA, ref: IDTabCU");
    EXPECT_EQ(zone.GetTabSheetCount(), 3);
    zone.AddField("IDTabSeuils", first.get());
    zone.AddField("IDTabEV", second.get());
    zone.InsertField("IDTabEV", "IDZ", third.get(), true);
    EXPECT_EQ(zone.GetFieldByID("IDA"), first.get());
    EXPECT_EQ(zone.GetFieldByID("IDB"), third.get());
    EXPECT_EQ(zone.GetFieldByID("IDX"), nullptr);
    zone.DeleteTabSheet("IDTabSeuils");
    EXPECT_EQ(zone.GetFieldByID("IDA"), second.get());
    EXPECT_EQ(zone.GetTabByID("IDTabSeuils"), nullptr);
}

} // namespace
} // namespace g20seq
