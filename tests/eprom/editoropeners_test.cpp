#include "eprom/EpromG20.h"
#include "model/CustomZoneCPS.h"
#include "model/EditorOpeners.h"
#include "support/EpromTestKit.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

class TEpromG20Comptee : public TEpromG20 {
public:
    using TEprom::FindZoneReference;
    using TEpromG20::TEpromG20;
};

// The zones whose editor SaisieZone opens, and one whose SaisieZoneCPS opens nothing.
struct TZoneEditee {
    TTypeZones Type;
    int Numero;
};
constexpr TZoneEditee Editees[] = {
    {PrcProgrammes, 5}, {PrcConfiguration, 0}, {PrcElectrodes, 3}, {PrcAssignationPoint, 7}};
constexpr TZoneEditee SansEditeur{PrcCompteurs, 2};

// An editor window: it keeps the hold it was given until it is destroyed.
struct TFenetre {
    TZoneHolder Hold;
};

class EditorOpenersTest : public EpromFixture {
protected:
    ~EditorOpenersTest() override {
        Fenetres.clear();
        for (const TZoneEditee& z : Editees)
            RegisterEditorOpener(z.Type, nullptr);
        RegisterEditorOpener(SansEditeur.Type, nullptr);
    }
    int Holders(const TZoneEditee& Z) const {
        return Eprom->FindZoneReference(Z.Type, Z.Numero)->GetReferenceCount();
    }
    bool Saisie(const TZoneEditee& Z) {
        return Eprom->SaisieZone(&Owner, Z.Type, Z.Numero, &Reference);
    }
    // Installs on every zone type an opener that counts its calls, checks what it is given,
    // keeps the hold in a new window when Garde and answers Reponse.
    void Installer(bool Garde, bool Reponse) {
        for (const TZoneEditee& z : Editees)
            RegisterEditorOpener(z.Type, [this, z, Garde, Reponse](TZoneHolder Hold, void* aOwner,
                                                                   void* FormReference) {
                ++Appels;
                EXPECT_EQ(Hold->GetTypeZone(), z.Type);
                EXPECT_EQ(Hold->GetNumeroZone(), z.Numero);
                EXPECT_EQ(aOwner, &Owner);
                EXPECT_EQ(FormReference, &Reference);
                if (Garde)
                    Fenetres.push_back(std::make_unique<TFenetre>(TFenetre{std::move(Hold)}));
                return Reponse;
            });
    }

    std::unique_ptr<TEpromG20Comptee> Eprom =
        TEprom::Create<TEpromG20Comptee>("GA_Line3_Robot2", &Protocol);
    int Owner = 0;
    int Reference = 0;
    int Appels = 0;
    std::vector<std::unique_ptr<TFenetre>> Fenetres;
};

TEST_F(EditorOpenersTest, WithoutAnOpenerSaisieZoneAnswersFalseAndGivesTheHoldBack) {
    for (const TZoneEditee& z : Editees) {
        const int avant = Holders(z);
        EXPECT_FALSE(Saisie(z)) << TypeZoneName(z.Type);
        EXPECT_EQ(Holders(z), avant) << TypeZoneName(z.Type);
    }
}

TEST_F(EditorOpenersTest, AWindowKeepsTheHoldUntilItIsDestroyed) {
    Installer(true, true);
    for (const TZoneEditee& z : Editees) {
        const int avant = Holders(z);
        Appels = 0;
        EXPECT_TRUE(Saisie(z)) << TypeZoneName(z.Type);
        EXPECT_EQ(Appels, 1) << TypeZoneName(z.Type);
        EXPECT_EQ(Holders(z), avant + 1) << TypeZoneName(z.Type);
        Fenetres.clear();
        EXPECT_EQ(Holders(z), avant) << TypeZoneName(z.Type);
    }
}

TEST_F(EditorOpenersTest, AHoldNoWindowKeepsIsGivenBackBeforeTheAnswer) {
    struct Cas {
        const char* Nom;
        bool Reponse;
    };
    // An opener that refuses, and one that only brings an open window to the front.
    for (const Cas c : {Cas{"refus", false}, Cas{"fenêtre déjà ouverte", true}}) {
        Installer(false, c.Reponse);
        for (const TZoneEditee& z : Editees) {
            const int avant = Holders(z);
            Appels = 0;
            EXPECT_EQ(Saisie(z), c.Reponse) << c.Nom << " " << TypeZoneName(z.Type);
            EXPECT_EQ(Appels, 1) << c.Nom << " " << TypeZoneName(z.Type);
            EXPECT_EQ(Holders(z), avant) << c.Nom << " " << TypeZoneName(z.Type);
        }
    }
}

TEST_F(EditorOpenersTest, AZoneWithoutEditorOpensNothingAndGivesTheHoldBack) {
    RegisterEditorOpener(SansEditeur.Type, [this](TZoneHolder, void*, void*) {
        ++Appels;
        return false;
    });
    const int avant = Holders(SansEditeur);
    EXPECT_TRUE(Saisie(SansEditeur));
    EXPECT_EQ(Appels, 0);
    EXPECT_EQ(Holders(SansEditeur), avant);
}

TEST_F(EditorOpenersTest, ADirectSaisieZoneCPSGivesTheWindowAHoldOfItsOwn) {
    Installer(true, true);
    const TZoneEditee& programme = Editees[0];
    {
        const TZoneHolder zone(Eprom.get(), programme.Type, programme.Numero);
        EXPECT_TRUE(zone->SaisieZoneCPS(&Owner, &Reference));
        EXPECT_EQ(Holders(programme), 2);
    }
    EXPECT_EQ(Holders(programme), 1);
    Fenetres.clear();
    EXPECT_EQ(Holders(programme), 0);
}

} // namespace
