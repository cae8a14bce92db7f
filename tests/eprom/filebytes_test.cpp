// Editors tell a modified zone by its file bytes. Every field of the zones they edit must
// therefore reach those bytes: this lists, per zone class and current type, the fields that
// no file byte follows.
#include "eprom/EpromG20.h"
#include "model/CustomZoneCPS.h"
#include "model/KEVField.h"
#include "support/ByteArray.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace g20seq::testkit {
namespace {

std::vector<Byte> OctetsFichier(const TCustomZoneCPS& Zone) {
    TByteArray trame{};
    const int longueur = Zone.FileEncode(trame, 0, Zone.GetTailleReceiveZone());
    return {trame.begin(), trame.begin() + longueur};
}

// Ways to give a field another value: its extremes, and a text for text fields (other kinds
// refuse it).
const std::function<void(TKEVField&)> Changements[] = {
    [](TKEVField& Champ) { Champ.SetToMax(); },
    [](TKEVField& Champ) { Champ.SetToMin(); },
    [](TKEVField& Champ) {
        try {
            Champ.SetAsString("A1");
        } catch (const Exception&) {
        }
    },
};

// The fields of Zone that take other values, none of which changes the file bytes. (A change
// that only pads a text with blanks reaches no byte and is no finding on its own.)
std::vector<std::string> ChampsHorsFichier(const TCustomZoneCPS& Zone) {
    const std::vector<Byte> origine = OctetsFichier(Zone);
    std::vector<std::string> horsFichier;
    for (int i = 0; i < Zone.GetFieldCount(); ++i) {
        bool change = false;
        bool atteint = false;
        for (const auto& changement : Changements) {
            auto copie = Zone.Duplicate();
            changement(*copie->GetFields(i));
            if (copie->GetFields(i)->EqualsDetails(Zone.GetFields(i), nullptr))
                continue;
            change = true;
            atteint = atteint || OctetsFichier(*copie) != origine;
        }
        if (change && !atteint)
            horsFichier.push_back(Zone.GetFields(i)->GetFieldID());
    }
    return horsFichier;
}

// The fields that no file byte follows, each for a reason: the outputs' blinking and rest
// states of the electrode alarms are configuration fields the controller frame has no bit
// for; an entry of the point table that is not valid stores 0xFF and blanks, not its number.
const std::vector<std::string> SortiesElectrodes = {
    "IDActionALE1Clignotante", "IDActionALE2Clignotante",
    "IDActionFVE1Clignotante", "IDActionFVE2Clignotante",
    "IDReposALE1NF",           "IDReposALE2NF",
    "IDReposFVE1NF",           "IDReposFVE2NF"};

const std::vector<std::string>& HorsFichierAttendus(TTypeZones Type) {
    static const std::vector<std::string> aucun;
    static const std::vector<std::string> pointInvalide = {"IDNumPoint"};
    if (Type == PrcConfiguration)
        return SortiesElectrodes;
    return Type == PrcAssignationPoint ? pointInvalide : aucun;
}

TEST(FileBytesTest, EveryFieldOfAnEditedZoneReachesItsFileBytes) {
    FakeDataProxy proxy;
    FakeProtocol protocol;
    const TTypeZones editees[] = {PrcConfiguration, PrcProgrammes, PrcElectrodes,
                                  PrcLienProcessAvance, PrcAssignationPoint};
    for (const char* nom : {"GA_Fichier", "GM_Fichier"}) {
        auto eprom = TEpromG20::New(nom, &protocol);
        for (const TTypeZones type : editees) {
            const TZoneHolder zone(eprom.get(), type, 1 - (type == PrcConfiguration));
            ASSERT_TRUE(zone) << TypeZoneName(type);
            EXPECT_EQ(ChampsHorsFichier(*zone.Get()), HorsFichierAttendus(type))
                << nom << " " << zone->ClassName();
        }
    }
}

} // namespace
} // namespace g20seq::testkit
