#include "protocol/ProtocoleG20.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/interface/CustomEprom.h>
#include <g20seq/model/CustomZoneCPS.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace g20seq;
using namespace g20seq::host;

TEST(ProtocoleG20, AnswersTheG20ZoneProtocolInformation) {
    struct Expected {
        TTypeZones Type;
        Word Send;
        Word Receive;
        bool InFile;
        bool Multiple;
        int Zones;
    };
    const Expected table[] = {
        {PrcConfiguration, 183, 183, true, false, 1},
        {PrcConfigurationRAZ, 183, 183, false, false, 1},
        {PrcElectrodes, 79, 79, true, true, 16},
        {PrcCompteurs, 9, 12, true, true, 16},
        {PrcCompteursMini, 9, 9, false, false, 1},
        {PrcProgrammes, 163, 163, true, true, 128},
        {PrcLienProcessAvance, 1000, 1000, true, true, 128},
        {PrcLienProcess, 1070, 1070, true, true, 128},
        {PrcAssignationPoint, 22, 22, true, true, 128},
        {PrcFraise, 5, 5, true, true, 4},
        {PrcCompteurFraise, 3, 3, true, true, 4},
        {PrcApprentissage, 13, 13, true, true, 16},
        {PrcIdentification, 0, 19, false, false, 1},
        {PrcPeriodes, 0, 26, false, true, 12},
        {PrcAcquittements, 2, 0, false, false, 1},
        {PrcHorodateur, 6, 6, false, false, 1},
        {PrcMesures, 0, 14, false, true, 128},
        {PrcTypeLogicielsAdditionnels, 0, 16, false, false, 1},
    };
    TProtocoleG20 protocole;
    for (const Expected& row : table) {
        IZoneProtocole* zone = protocole.GetZoneProtocole(row.Type);
        ASSERT_NE(zone, nullptr) << TypeZoneName(row.Type);
        EXPECT_EQ(std::tuple(zone->GetTailleSendZone(), zone->GetTailleReceiveZone(),
                             zone->IsFileZone(), zone->IsZoneMultiple(), zone->GetNombreZones()),
                  std::tuple(row.Send, row.Receive, row.InFile, row.Multiple, row.Zones))
            << TypeZoneName(row.Type);
    }
    EXPECT_EQ(protocole.GetZoneProtocole(PrcHistorique), nullptr);
    EXPECT_EQ(protocole.GetZoneProtocole(PrcCompteurFraiseMini), nullptr);
    void* name = nullptr;
    ASSERT_EQ(protocole.QueryInterface(IProtocoleNom::IID, &name), THResult::S_OK);
    EXPECT_EQ(static_cast<IProtocoleNom*>(name)->GetNom(), "H35");
}

TEST(ProtocoleG20, ZonesOfDifferentTypesNeverShareAnAddressOnEitherVariant) {
    TProtocoleG20 ac;
    TProtocoleG20& mf = ac.PourStation("GM_Protocol");
    EXPECT_EQ(&ac.PourStation("GA_Protocol"), &ac);
    EXPECT_EQ(&mf.PourStation("GM_Other"), &mf);
    for (auto [type, tailleAC, tailleMF] :
         {std::tuple(PrcMesures, 14, 18), std::tuple(PrcSignatures, 34, 36)}) {
        EXPECT_EQ(ac.GetZoneProtocole(type)->GetTailleReceiveZone(), tailleAC);
        EXPECT_EQ(mf.GetZoneProtocole(type)->GetTailleReceiveZone(), tailleMF);
    }
    for (TProtocoleG20* protocole : {&ac, &mf}) {
        std::vector<std::pair<LongWord, LongWord>> extents; // [first, end) of each zone type
        for (int type = 0; type < TypeZonesCount; ++type)
            if (IZoneProtocole* zone = protocole->GetZoneProtocole(static_cast<TTypeZones>(type))) {
                const LongWord size = std::max<LongWord>(
                    {zone->GetTailleReceiveZone(), zone->GetTailleSendZone(), 1});
                extents.emplace_back(zone->GetAdresse(),
                                     zone->GetAdresse() + size * zone->GetNombreZones());
            }
        ASSERT_EQ(extents.size(), 43u);
        std::sort(extents.begin(), extents.end());
        for (std::size_t i = 1; i < extents.size(); ++i)
            EXPECT_LE(extents[i - 1].second, extents[i].first)
                << VarianteText(protocole->Variante()) << ": overlap at " << extents[i].first;
    }
}

TEST(ProtocoleG20, EpromsCreatedWithItFollowItsZoneCountsAndAreCounted) {
    TProtocoleG20 protocole;
    const std::string handle = std::to_string(NouvelleEprom("GA_Protocol", &protocole));
    EXPECT_EQ(protocole.GetNombreEproms(), 1);
    TCustomEprom* eprom = ChercheInstance(handle.c_str());
    ASSERT_NE(eprom, nullptr);
    EXPECT_EQ(eprom->GetProtocole(), static_cast<IProtocoleModel*>(&protocole));
    {
        TZoneHolder last(eprom, PrcProgrammes, 127, false);
        TZoneHolder beyond(eprom, PrcProgrammes, 128, false);
        EXPECT_TRUE(last);
        EXPECT_FALSE(beyond);
        EXPECT_EQ(last->GetTailleSendZone(), 163);
    }
    FermeEprom(handle.c_str());
    EXPECT_EQ(protocole.GetNombreEproms(), 0);
    EXPECT_TRUE(protocole.DecNombreEproms()) << "never below zero";
    EXPECT_EQ(protocole.GetNombreEproms(), 0);
}
