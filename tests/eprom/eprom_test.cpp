#include "eprom/Eprom.h"

#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "support/EpromTestKit.h"
#include "support/Exceptions.h"
#include "support/StringList.h"
#include "support/TestEprom.h"

#include <gtest/gtest.h>

#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

class EpromTest : public EpromFixture {
protected:
    TZoneReference* Reference(TTypeZones TypeZone, int Numero) {
        return Eprom->FindZoneReference(TypeZone, Numero);
    }
    int Count(TTypeZones TypeZone, int Numero) {
        return Reference(TypeZone, Numero)->GetReferenceCount();
    }
    std::unique_ptr<TTestEprom> Eprom = TTestEprom::New("GA_Test", &Protocol);
};

} // namespace

TEST_F(EpromTest, CreationRegistersTheZoneTypesOfTheProtocolModelAndValidityDrivesTheState) {
    EXPECT_EQ(Protocol.NombreEproms(), 1);
    Protocol.SetNom("H31");
    EXPECT_EQ(Eprom->GetNomProtocole(), "H31");
    // Numbered types take the description's bounds, others the single number 0.
    for (const auto& [type, last] :
         {std::pair{PrcProgrammes, 127}, {PrcCompteurs, 15}, {PrcConfiguration, 0}}) {
        EXPECT_NE(Reference(type, last), nullptr) << TypeZoneName(type);
        EXPECT_EQ(Reference(type, last + 1), nullptr) << TypeZoneName(type);
    }
    // In the protocol model but not a zone type of the EPROM.
    EXPECT_EQ(Reference(PrcPeriodes, 0), nullptr);
    EXPECT_TRUE(Reference(PrcProgrammes, 3)->GetDansFichier());
    EXPECT_FALSE(Reference(PrcIdentification, 0)->GetDansFichier());
    EXPECT_EQ(Eprom->GetExecZoneTypes(), TSetOfTypesZones({PrcCompteurs}));
    EXPECT_EQ(Eprom->GetEtat(), Etat_Invalide);
    EXPECT_FALSE(Eprom->GetValide());
    // Validity drives the image state; a watched image stays watched.
    Eprom->SetValide(true);
    EXPECT_EQ(Eprom->GetEtat(), Etat_Declare);
    Eprom->SetEtat(Etat_Surveille);
    Eprom->SetValide(true);
    EXPECT_EQ(Eprom->GetEtat(), Etat_Surveille);
    Eprom->SetValide(false);
    EXPECT_EQ(Eprom->GetEtat(), Etat_Invalide);
    EXPECT_FALSE(Eprom->GetValide());
    Eprom.reset();
    EXPECT_EQ(Protocol.NombreEproms(), 0);
}

TEST_F(EpromTest, ZoneCountOfTheProtocolIsTheFallbackWithoutDescriptionBounds) {
    Protocol.SetZone(PrcProgrammes, 163, 163, true, 40);
    auto plain = TEprom::Create("GA_Plain", &Protocol);
    auto described = TTestEprom::New("GA_Described", &Protocol);
    // Program 39 has a reference (but no creator in a bare EPROM), 40 has none.
    EXPECT_EQ(plain->GetPhysicalZone(PrcProgrammes, 39, false), nullptr);
    EXPECT_EQ(Proxy.CountLogs("Zone non référencée"), 0);
    EXPECT_EQ(plain->GetPhysicalZone(PrcProgrammes, 40, false), nullptr);
    EXPECT_EQ(Proxy.CountLogs("Zone non référencée"), 1);
    EXPECT_NE(described->FindZoneReference(PrcProgrammes, 127), nullptr);
}

TEST_F(EpromTest, ReferenceCountingCreatesSharesAndFreesZones) {
    TCustomZoneCPS* first = Eprom->GetPhysicalZone(PrcProgrammes, 3, true);
    TCustomZoneCPS* second = Eprom->GetPhysicalZone(PrcProgrammes, 3, true);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->ClassName(), "TTestZone");
    EXPECT_EQ(first->GetNumeroZone(), 3);
    EXPECT_EQ(Count(PrcProgrammes, 3), 2);
    EXPECT_EQ(Eprom->FileReads(), 1);
    EXPECT_TRUE(first->GetLoadToCPS());
    EXPECT_TRUE(first->GetSaveFromCPS());

    Eprom->ReleasePhysicalZone(first);
    EXPECT_EQ(first, nullptr);
    EXPECT_NE(Reference(PrcProgrammes, 3)->GetZone(), nullptr);
    Eprom->ReleasePhysicalZone(second);
    EXPECT_EQ(Reference(PrcProgrammes, 3)->GetZone(), nullptr);
    EXPECT_EQ(Count(PrcProgrammes, 3), 0);
    EXPECT_FALSE(Reference(PrcProgrammes, 3)->GetReady());

    // Re-created and read again on the next access.
    TCustomZoneCPS* again = Eprom->GetPhysicalZone(PrcProgrammes, 3, true);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Eprom->FileReads(), 2);
    Eprom->ReleasePhysicalZone(again);
    EXPECT_EQ(Proxy.CountLogs("A priori trop de ReleaseZone"), 0);
}

TEST_F(EpromTest, KeptInMemoryZonesSurviveTheirLastReleaseAndExtraReleasesAreLogged) {
    TCustomZoneCPS* zone = Eprom->GetPhysicalZone(PrcCompteurs, 2, true);
    TCustomZoneCPS* saved = zone;
    Eprom->ReleasePhysicalZone(zone);
    EXPECT_EQ(Reference(PrcCompteurs, 2)->GetZone(), saved);
    EXPECT_EQ(Eprom->GetPhysicalZone(PrcCompteurs, 2, true), saved);
    EXPECT_EQ(Eprom->FileReads(), 1);

    zone = saved;
    Eprom->ReleasePhysicalZone(zone);
    zone = saved;
    Eprom->ReleasePhysicalZone(zone);
    EXPECT_EQ(Count(PrcCompteurs, 2), 0);
    EXPECT_EQ(LogLines(Proxy),
              std::vector<std::string>{"ReleaseReference|Nom Zone : PrcCompteurs=2, "
                                       "ReferenceCount : -1|A priori trop de ReleaseZone|2|Eprom"});
}

TEST_F(EpromTest, MoreThanTenHoldersIsLoggedButNotLimited) {
    std::vector<TCustomZoneCPS*> held;
    for (int i = 0; i < 11; ++i)
        held.push_back(Eprom->GetPhysicalZone(PrcElectrodes, 1, false));
    EXPECT_EQ(Count(PrcElectrodes, 1), 11);
    EXPECT_EQ(LogLines(Proxy), std::vector<std::string>{
                                   "AddReference|Nom Eprom : GA_Test, Nom Zone : PrcElectrodes=1, "
                                   "ReferenceCount : 11|A priori Trop de référence|2|Eprom"});
    for (TCustomZoneCPS* zone : held)
        Eprom->ReleasePhysicalZone(zone);
    EXPECT_EQ(Count(PrcElectrodes, 1), 0);
}

TEST_F(EpromTest, ReleasingACopyLogsAndStillReleasesTheOriginal) {
    TCustomZoneCPS* zone = Eprom->GetPhysicalZone(PrcProgrammes, 7, true);
    Eprom->GetPhysicalZone(PrcProgrammes, 7, true);
    std::unique_ptr<TCustomZoneCPS> copy = zone->Duplicate();
    TCustomZoneCPS* passed = copy.get();
    Eprom->ReleasePhysicalZone(passed);
    EXPECT_EQ(passed, copy.get());
    EXPECT_EQ(Count(PrcProgrammes, 7), 1);
    EXPECT_EQ(LogLines(Proxy),
              std::vector<std::string>{
                  "ReleasePhysicalZone|PrcProgrammes=7|On nous a passé une Copie|2|Eprom"});
    Eprom->ReleasePhysicalZone(zone);
    EXPECT_EQ(Reference(PrcProgrammes, 7)->GetZone(), nullptr);
}

TEST_F(EpromTest, ZonesWithoutReferenceOrCreator) {
    // Tip dressers are numbered from 1: number 0 is below the minimum and never found.
    EXPECT_EQ(Eprom->GetPhysicalZone(PrcFraise, 0, true), nullptr);
    EXPECT_EQ(LogLines(Proxy),
              std::vector<std::string>{
                  "CreatePhysicalZone|Zone PrcFraise n° 0|Zone non référencée|2|Eprom"});
    TCustomZoneCPS* fraise = Eprom->GetPhysicalZone(PrcFraise, 1, true);
    ASSERT_NE(fraise, nullptr);
    EXPECT_EQ(fraise->GetNumeroZone(), 1);
    EXPECT_NE(Reference(PrcFraise, 3), nullptr);
    EXPECT_EQ(Reference(PrcFraise, 4), nullptr);
    Eprom->ReleasePhysicalZone(fraise);

    // A zone type the EPROM does not have.
    EXPECT_EQ(Eprom->GetPhysicalZone(PrcPeriodes, 0, true), nullptr);
    EXPECT_EQ(Proxy.CountLogs("Zone non référencée"), 2);
    // A reference without zone creator gives an empty zone, silently.
    EXPECT_EQ(Eprom->GetPhysicalZone(PrcDiagnostic, 0, true), nullptr);
    EXPECT_EQ(Proxy.CountLogs("Zone non référencée"), 2);
    EXPECT_EQ(Count(PrcDiagnostic, 0), 0);
}

TEST_F(EpromTest, EpromWithoutNameHoldsNoZones) {
    auto unnamed = TTestEprom::New("", &Protocol);
    EXPECT_EQ(unnamed->GetPhysicalZone(PrcConfiguration, 0, true), nullptr);
    EXPECT_EQ(Proxy.CountLogs("Zone non référencée"), 1);
    EXPECT_EQ(unnamed->GetLogicalZone(PrcProgrammes, 0), nullptr);
    TStringList types;
    types.Add("x");
    unnamed->GetTypeLogicalZones(&types);
    EXPECT_EQ(types.Count(), 0);
    TStringList zones;
    unnamed->GetMultiplePhysicalZone(&zones);
    EXPECT_EQ(zones.Count(), 0);
}

TEST_F(EpromTest, CreatorsAreAskedFromTheLastRegistered) {
    Eprom->RegisterZoneCreator(
        std::make_unique<TZoneCreator>(ZoneClassOf<TTestStationZone>, PrcProgrammes));
    TZoneHolder program(Eprom.get(), PrcProgrammes, 9);
    EXPECT_EQ(program->ClassName(), "TTestStationZone");
    // The first registered creator is consulted too.
    TZoneHolder identification(Eprom.get(), PrcIdentification, 0);
    ASSERT_TRUE(identification);
    EXPECT_FALSE(identification->GetLoadToCPS());
    EXPECT_FALSE(identification->GetSaveFromCPS());

    TZoneCreator creator(ZoneClassOf<TTestZone>, PrcProgrammes, PrcProgrammes);
    EXPECT_THROW(creator.CreateZone(Eprom.get(), 65536), ERangeError);
    EXPECT_THROW(creator.CreateZone(Eprom.get(), -1), ERangeError);
    EXPECT_EQ(creator.CreateZone(Eprom.get(), 5)->GetLogicalZone(),
              Eprom->GetLogicalZone(PrcProgrammes, 5));
}

TEST_F(EpromTest, LogicalZonesGroupTheirPhysicalZoneTypes) {
    TStringList types;
    Eprom->GetTypeLogicalZones(&types);
    EXPECT_EQ(types.CommaText(), "PrcConfiguration,PrcProgrammes,PrcElectrodes");

    auto* program = dynamic_cast<TKEVLogicalZone*>(Eprom->GetLogicalZone(PrcProgrammes, 127));
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->GetZoneNumber(), 127);
    EXPECT_EQ(program->GetTabSheetCount(), 6);
    EXPECT_EQ(Eprom->GetLogicalZone(PrcProgrammes, 128), nullptr);
    auto* configuration =
        dynamic_cast<TKEVLogicalZone*>(Eprom->GetLogicalZone(PrcConfiguration, 0));
    ASSERT_NE(configuration, nullptr);
    EXPECT_EQ(configuration->GetTabSheetCount(), 6);
    EXPECT_EQ(dynamic_cast<TKEVLogicalZone*>(Eprom->GetLogicalZone(PrcElectrodes, 15))
                  ->GetTabSheetCount(),
              3);

    TStringList zones;
    zones.Add("PrcProgrammes=5");
    Eprom->LoadPhysicalZoneFromLogicalZone(PrcProgrammes, 5, &zones);
    EXPECT_TRUE(zones.Sorted());
    EXPECT_EQ(zones.CommaText(), "PrcLienProcessAvance=5,PrcProgrammes=5");
    // The program zone was already listed: its extra hold was given back.
    EXPECT_EQ(Count(PrcProgrammes, 5), 0);
    EXPECT_EQ(Count(PrcLienProcessAvance, 5), 1);
    Eprom->ReleaseMultiplePhysicalZone(&zones);
    EXPECT_EQ(Count(PrcLienProcessAvance, 5), 0);
}

TEST_F(EpromTest, FieldsAreFoundThroughTheLogicalZoneOfALiveZone) {
    EXPECT_EQ(Eprom->GetFieldByID(PrcProgrammes, 4, "IDValeur"), nullptr);
    TCustomZoneCPS* zone = Eprom->GetPhysicalZone(PrcProgrammes, 4, true);
    EXPECT_EQ(zone->GetLogicalZone(), Eprom->GetLogicalZone(PrcProgrammes, 4));
    EXPECT_EQ(Eprom->GetFieldByID(PrcProgrammes, 4, "IDValeur"), zone->GetFieldByID("IDValeur"));
    // Not in a tab sheet.
    EXPECT_EQ(Eprom->GetFieldByID(PrcProgrammes, 4, "IDCompteur"), nullptr);
    Eprom->ReleasePhysicalZone(zone);
    // The zone re-created after it was freed links its new fields again.
    TZoneHolder again(Eprom.get(), PrcProgrammes, 4);
    EXPECT_EQ(Eprom->GetFieldByID(PrcProgrammes, 4, "IDValeur"), again->GetFieldByID("IDValeur"));

    EXPECT_EQ(Eprom->GetFieldByID(PrcPeriodes, 2, "IDValeur"), nullptr);
    EXPECT_EQ(LogLines(Proxy),
              std::vector<std::string>{
                  "GetFieldByID|aLogicalZone=nil|Erreur type zone PrcPeriodes=2|2|Eprom"});
}

TEST_F(EpromTest, MissingCallbacksAreLoggedAndInstalledOnesCalled) {
    TZoneHolder ancienne(Eprom.get(), PrcProgrammes, 1);
    std::unique_ptr<TCustomZoneCPS> nouvelle = ancienne->Duplicate();
    dynamic_cast<TZoneCPS&>(*nouvelle).SetAsInteger("IDValeur", 77);
    TZoneQueue queue;
    EXPECT_FALSE(Eprom->IsAutorised(PrcProgrammes));
    Eprom->ChargeZoneCPS(ancienne.Get(), nouvelle.get());
    EXPECT_FALSE(Eprom->ChargeMultipleZoneCPS(&queue));
    Eprom->NextProgressStep(1, 2);
    // Without the callback the new values are copied into the old zone.
    EXPECT_EQ(ancienne.As<TZoneCPS>()->GetAsInteger("IDValeur"), 77);
    const std::vector<std::string> missing = {"IsAutorised|Fonction non définie||2|Eprom",
                                              "ChargeZoneCPS|Fonction non définie||2|Eprom",
                                              "ChargeMultipleZoneCPS|Fonction non définie||2|Eprom",
                                              "NextProgressStep|Fonction non définie||2|Eprom"};
    EXPECT_EQ(LogLines(Proxy), missing);

    std::vector<std::string> calls;
    Eprom->SetIsAutorised([&](TTypeZones type) { return type == PrcProgrammes; });
    Eprom->SetChargerZoneCPS([&](TCustomEprom* eprom, TCustomZoneCPS* zone) {
        calls.push_back(eprom->GetNomEprom() + " " + zone->ZoneLabel());
    });
    Eprom->SetChargerMultipleZoneCPS([&](TCustomEprom*, TZoneQueue* zones) {
        calls.push_back("queue " + std::to_string(zones->size()));
        return true;
    });
    Eprom->SetNextProgressStep([&](int step, int overall) {
        calls.push_back(std::to_string(step) + "/" + std::to_string(overall));
    });
    EXPECT_TRUE(Eprom->IsAutorised(PrcProgrammes));
    EXPECT_FALSE(Eprom->IsAutorised(PrcElectrodes));
    Eprom->ChargeZoneCPS(ancienne.Get(), nouvelle.get());
    EXPECT_TRUE(Eprom->ChargeMultipleZoneCPS(&queue));
    Eprom->NextProgressStep(3, 9);
    EXPECT_EQ(calls, (std::vector<std::string>{"GA_Test PrcProgrammes=1", "queue 0", "3/9"}));
    EXPECT_EQ(LogLines(Proxy), missing);
}

TEST_F(EpromTest, TransferQueuesHoldDuplicatesOfTheInFileZones) {
    TZoneQueue toController;
    Eprom->GetZonesTransfert(&toController, true);
    // Configuration 1, electrodes 16, counters 16, programs 128, process links 128, tip
    // dressers 1..3.
    ASSERT_EQ(toController.size(), 292u);
    EXPECT_EQ(toController.front()->ZoneLabel(), "PrcConfiguration=0");
    EXPECT_EQ(Reference(PrcProgrammes, 0)->GetZone(), nullptr);
    EXPECT_EQ(Count(PrcProgrammes, 0), 0);
    EXPECT_EQ(Count(PrcCompteurs, 0), 0);
    EXPECT_NE(Reference(PrcCompteurs, 0)->GetZone(), toController[17].get());

    TZoneHolder program(Eprom.get(), PrcProgrammes, 0);
    program->SetSaveFromCPS(false);
    TZoneQueue fromController;
    Eprom->GetZonesTransfert(&fromController, false);
    EXPECT_EQ(fromController.size(), 291u);
    EXPECT_EQ(Count(PrcProgrammes, 0), 1);
}

TEST_F(EpromTest, DiagnosticStationLocksElectrodesAndPrograms) {
    // Both look-ups take their arguments by reference.
    const auto locked = [&](TTypeZones Type, int Numero) {
        return Eprom->IsLockZone(Type, Numero);
    };
    const auto first = [&](TTypeZones Type, int Numero) {
        return Eprom->GetFirstZone(Type, Numero);
    };
    EXPECT_FALSE(Eprom->IsValidSD());
    EXPECT_EQ(Eprom->GetDataSD(), nullptr);
    EXPECT_EQ(first(PrcElectrodes, 0), 0);

    auto stationProtocol = MakeStationProtocol();
    auto station = TTestEprom::New("GA_Station", stationProtocol.get());
    TZoneHolder data(station.get(), PrcStationDiagnostic, 0);
    auto* locks = data.As<TTestStationZone>();
    ASSERT_NE(locks, nullptr);
    locks->Electrodes = {0, 1};
    locks->Programmes = {5};
    Eprom->SetLink(station.get());
    EXPECT_TRUE(Eprom->IsValidSD());

    EXPECT_TRUE(locked(PrcElectrodes, 1));
    EXPECT_EQ(first(PrcElectrodes, 1), 2);
    EXPECT_FALSE(locked(PrcElectrodes, 5));
    EXPECT_TRUE(locked(PrcProgrammes, 5));
    EXPECT_EQ(first(PrcProgrammes, 5), 0);
    EXPECT_FALSE(locked(PrcConfiguration, 0));
    locks->Electrodes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(first(PrcElectrodes, 0), -1);
    // Every look-up gave the station zone back.
    EXPECT_EQ(station->FindZoneReference(PrcStationDiagnostic, 0)->GetReferenceCount(), 1);
}
