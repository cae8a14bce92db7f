// Comparison of images with another EPROM, copies of field values
// into duplicates for the host's copy functions, and the counter zones collected for a
// transfer.
#include "eprom/ComparaisonZones.h"
#include "eprom/EpromG20.h"

#include "model/KEVNumericFields.h"
#include "support/EpromTestKit.h"
#include "support/Format.h"
#include "support/ModelTestKit.h"
#include "support/TestEprom.h"

#include <gtest/gtest.h>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

TZoneCPS& Zone(const TZoneHolder& Holder) {
    return *Holder.As<TZoneCPS>();
}

// The zone stored under Key in a list of duplicates.
TZoneCPS* Copie(const TStringList& Liste, const std::string& Key) {
    const int index = Liste.IndexOf(Key);
    return index >= 0 ? dynamic_cast<TZoneCPS*>(Liste.Objects(index)) : nullptr;
}

class ComparaisonG20Test : public EpromFixture {
protected:
    std::unique_ptr<TEpromG20> A = TEpromG20::New("GA_Ligne1", &Protocol);
    std::unique_ptr<TEpromG20> B = TEpromG20::New("GA_Ligne2", &Protocol);
};

TEST_F(ComparaisonG20Test, EqualsZonesListsEachDifferenceOfTheOtherImage) {
    TStringList differences;
    EXPECT_TRUE(A->EqualsZones(B.get(), &differences));
    EXPECT_EQ(differences.Count(), 0);

    // Zones not kept in memory keep a change while they are held.
    const TZoneHolder programme(A.get(), PrcProgrammes, 5);
    Zone(programme).SetAsInteger("IDTempsSoudage", 12);
    {
        // Electrodes stay in memory.
        const TZoneHolder electrode(B.get(), PrcElectrodes, 3);
        Zone(electrode).SetAsInteger("IDAlarme", 250);
    }
    EXPECT_FALSE(A->EqualsZones(B.get(), &differences));
    EXPECT_EQ(differences.Text(), "IDAlarme=\"0\",\"250\"\r\nIDTempsSoudage=\"12\",\"0\"\r\n");

    TStringList inverse;
    EXPECT_FALSE(B->EqualsZones(A.get(), &inverse));
    EXPECT_EQ(inverse.Text(), "IDAlarme=\"250\",\"0\"\r\nIDTempsSoudage=\"0\",\"12\"\r\n");
    EXPECT_FALSE(B->EqualsZones(A.get(), nullptr));
}

TEST_F(ComparaisonG20Test, EqualsZonesReportsEachDifferenceWholeThroughAReportingList) {
    {
        const TZoneHolder electrode(B.get(), PrcElectrodes, 3);
        electrode->GetFieldByID("IDAlarme")->SetAsInteger(250);
        electrode->GetFieldByID("IDCURodageNeuve")->SetAsBoolean(true);
        dynamic_cast<TKEVArrayField&>(*electrode->GetFieldByID("IDPaliers"))
            .GetField(2)
            ->SetAsInteger(100);
    }
    TDifferenceCollector collecteur;
    TReportingDifferenceList reporting(collecteur);
    EXPECT_FALSE(A->EqualsZones(B.get(), &reporting));
    EXPECT_EQ(reporting.Count(), 0);
    const TDifferenceZone electrode{PrcElectrodes, 3};
    const std::vector<TFieldDifference> expected = {
        {electrode, "IDAlarme", "0", "250", {}, {}},
        {electrode, "IDCURodageNeuve", "Non", "Oui", 0, 1},
        {electrode, "IDPaliers[2]", "0", "100", {}, {}},
    };
    EXPECT_EQ(collecteur.Differences, expected);

    // A plain list holds the line of each reported difference.
    TStringList lines;
    EXPECT_FALSE(A->EqualsZones(B.get(), &lines));
    ASSERT_EQ(lines.Count(), 3);
    for (int i = 0; i < lines.Count(); ++i)
        EXPECT_EQ(lines[i], DifferenceLine(expected[static_cast<std::size_t>(i)]));
}

TEST_F(ComparaisonG20Test, FieldsAssignCopiesIntoDuplicatesOfTheDestinationNumbers) {
    const TZoneHolder programme(A.get(), PrcProgrammes, 3);
    Zone(programme).SetAsInteger("IDTempsSoudage", 33);
    Zone(programme).SetAsInteger("IDTempsAccostage", 21);
    Zone(programme).SetAsInteger("IDNumeroElectrode", 2);
    const TZoneHolder lien(A.get(), PrcLienProcessAvance, 3);
    Zone(lien).SetAsString("IDCommentaire", "Copie");

    TStringList zones(true);
    TStringList destinations;
    destinations.Add("PrcProgrammes=7");
    A->FieldsAssign({A->GetFieldByID(PrcProgrammes, 3, "IDTempsSoudage")}, &zones, &destinations);
    ASSERT_EQ(zones.Count(), 1);
    TZoneCPS* copie = Copie(zones, "PrcProgrammes=7");
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(copie->GetAsInteger("IDTempsSoudage"), 33);
    EXPECT_EQ(copie->GetAsInteger("IDTempsAccostage"), 0);

    // A second field lands in the same duplicate; a field of the process link, shown on the
    // program's tab sheets, goes to process link 7; the electrode number is rewritten.
    destinations.Add("PrcElectrodes=4");
    A->FieldsAssign({Zone(programme).GetFieldByID("IDTempsAccostage"),
                     Zone(programme).GetFieldByID("IDNumeroElectrode"),
                     Zone(lien).GetFieldByID("IDCommentaire")},
                    &zones, &destinations);
    ASSERT_EQ(zones.Count(), 2);
    EXPECT_EQ(Copie(zones, "PrcProgrammes=7"), copie);
    EXPECT_EQ(copie->GetAsInteger("IDTempsAccostage"), 21);
    EXPECT_EQ(copie->GetAsInteger("IDNumeroElectrode"), 4);
    ASSERT_NE(Copie(zones, "PrcLienProcessAvance=7"), nullptr);
    EXPECT_EQ(Copie(zones, "PrcLienProcessAvance=7")->GetAsString("IDCommentaire"), "Copie");

    // The image itself is unchanged; without destinations a field goes to its own number.
    const TZoneHolder sept(A.get(), PrcProgrammes, 7);
    EXPECT_EQ(Zone(sept).GetAsInteger("IDTempsSoudage"), 0);
    TStringList memes(true);
    A->FieldsAssign({Zone(programme).GetFieldByID("IDNumeroElectrode")}, &memes, nullptr);
    ASSERT_EQ(memes.Count(), 1);
    EXPECT_EQ(Copie(memes, "PrcProgrammes=3")->GetAsInteger("IDNumeroElectrode"), 2);
    // A field owned by program 3 that is not one of its fields.
    TKEVIntegerField etranger("IDInconnu", programme.Get(), nullptr, 0, 10, 1, 1.0);
    A->FieldsAssign({&etranger}, &memes, nullptr);
    EXPECT_EQ(CountLogLines(Proxy, "FieldsAssign|aField=nil|IDInconnu|2|Eprom"), 1);
    EXPECT_EQ(memes.Count(), 1);
    // Nothing happens without a list of zones.
    A->FieldsAssign({Zone(programme).GetFieldByID("IDTempsSoudage")}, nullptr, &destinations);
}

// The test generation with phie zone 0 and four virtual phie zones; its phie zone offers no
// elements.
class TEpromPhie : public TTestEprom {
public:
    TEpromPhie(TCreateKey Key, const std::string& NomEprom, TInterfacedPersistent* aProtocole)
        : TTestEprom(Key, NomEprom, aProtocole) {
        for (TTypeZones type : {PrcPhie, PrcPhieVirtual})
            RegisterZoneCreator(std::make_unique<TZoneCreator>(ZoneClassOf<TTestZone>, type));
    }

protected:
    void InitTypeZones() override {
        TTestEprom::InitTypeZones();
        FSetOfTypesZones.Include(PrcPhie);
        FSetOfTypesZones.Include(PrcPhieVirtual);
    }
};

TEST(ComparaisonPhie, VirtualSourcesGoToPhieZoneZeroAndAreGivenBack) {
    FakeDataProxy proxy;
    FakeProtocol protocol;
    protocol.SetZone(PrcPhie, 4, 4, false, 0);
    protocol.SetZone(PrcPhieVirtual, 4, 4, false, 4);
    const auto eprom = TEprom::Create<TEpromPhie>("Phie", &protocol);

    // The host holds the virtual zone for each field it passes; the copy gives it back.
    TCustomZoneCPS* virtuelle = eprom->GetPhysicalZone(PrcPhieVirtual, 2, true);
    ASSERT_NE(virtuelle, nullptr);
    TStringList zones(true);
    TStringList destinations;
    destinations.Add("PrcProgrammes=7");
    eprom->FieldsAssign({virtuelle->GetFieldByID("IDValeur")}, &zones, &destinations);
    EXPECT_EQ(eprom->FindZoneReference(PrcPhieVirtual, 2)->GetReferenceCount(), 0);
    ASSERT_EQ(zones.Count(), 1);
    EXPECT_EQ(zones[0], "PrcPhie=0");
    EXPECT_EQ(LogLines(proxy),
              (std::vector<std::string>{"FieldsAssign|aDestPhie=nil|2:IDValeur|2|Eprom",
                                        "FieldsAssign|aField=nil|IDValeur|2|Eprom"}));
}

TEST_F(ComparaisonG20Test, ZonesCompteursOfAG20) {
    for (const char* nom : {"GA_Compteurs", "GM_Compteurs"}) {
        const auto eprom = TEpromG20::New(nom, &Protocol);
        TZoneQueue queue;
        eprom->GetZonesCompteurs(&queue);
        ASSERT_EQ(queue.size(), 20u) << nom;
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(queue[i]->ZoneLabel(), i < 16 ? Format("PrcCompteurs=%d", i)
                                                    : Format("PrcCompteurFraise=%d", i - 16));
    }
}

} // namespace
