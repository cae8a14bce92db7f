// What the fuzz targets share: the owner EPROM of the zones under test, the stations that
// hold them for the whole run, and the pieces of harness every target repeats.
//
// Zone decoders ask their EPROM for its description, its protocol model and other zones
// (companions, the electrode of a program), so a target builds its zones inside a
// TFuzzEprom. Its protocol model is the test kit's G20 model (sizes, storage in files and
// numbering of every G20 zone type). TFuzzEprom uses the G20 description (the EPROM name
// must start with "GA" for the AC controller or "GM" for the medium-frequency one), keeps
// the configuration and the electrodes in memory, and has no zone file: zones start with
// their initial values. Each target registers the creators of the zone classes it needs.
//
// A broken expectation stops the run (Verifier), which libFuzzer reports as a finding.
#pragma once

#include "support/FakeProtocol.h"

#include "eprom/Eprom.h"
#include "eprom/ZoneCreator.h"
#include "model/EpromDescription.h"
#include "model/IDTypeZones.h"
#include "support/ByteArray.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>

#include <unistd.h>

namespace g20seq::fuzz {

using TFuzzProtocole = testkit::FakeProtocol;

inline void Verifier(bool Condition) {
    if (!Condition)
        __builtin_trap();
}

class TFuzzEprom : public TEprom {
public:
    TFuzzEprom(TCreateKey Key, const std::string& NomEprom, TInterfacedPersistent* aProtocole)
        : TEprom(Key, NomEprom, aProtocole) {}

    static std::unique_ptr<TFuzzEprom> New(const std::string& NomEprom,
                                           TInterfacedPersistent* aProtocole) {
        return TEprom::Create<TFuzzEprom>(NomEprom, aProtocole);
    }

    std::string ClassName() const override { return "TFuzzEprom"; }

    // Zones of type Physical are made of class Classe, in the logical zone of type Logique
    // (TZoneCreator::NoLogicalZone: none).
    void AddCreator(TZoneClass Classe, TTypeZones Physical,
                    int Logique = TZoneCreator::NoLogicalZone) {
        RegisterZoneCreator(std::make_unique<TZoneCreator>(Classe, Physical, Logique));
    }

    // The Mini, Maxi and RAZ companions of the family of the data zone type Physical, then
    // the zones of type Physical (in their own logical zone), are made of class Classe.
    void AddFamily(TZoneClass Classe, TTypeZones Physical) {
        const TTypeZoneFamily* famille = FindTypeZoneFamily(Physical);
        Verifier(famille != nullptr && famille->HasRAZ);
        for (TTypeZones type : {famille->Mini, famille->Maxi, famille->RAZ})
            AddCreator(Classe, type);
        AddCreator(Classe, Physical, Physical);
    }

protected:
    void InitTypeZones() override {
        FDescription =
            std::make_unique<TEpromDescriptionG20>(this, GetNomEprom(), GetNomProtocole());
        TEprom::InitTypeZones();
        FSetOfVolatileTypesZones.Include(PrcConfiguration);
        FSetOfVolatileTypesZones.Include(PrcElectrodes);
    }
    bool ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream*) override {
        return aZone != nullptr;
    }
};

// A TFuzzEprom whose description is of class D, made from the EPROM name alone (a G20
// description of another variant or generation); no zone type is kept in memory.
template <class D> class TFuzzEpromDecrite : public TFuzzEprom {
public:
    using TFuzzEprom::TFuzzEprom;

protected:
    void InitTypeZones() override {
        FDescription = std::make_unique<D>(this, GetNomEprom());
        TEprom::InitTypeZones();
    }
};

// A zone class and a zone type.
struct TClasseZone {
    TZoneClass Classe;
    TTypeZones Type;
};

// One station of the run, held for the whole run: its protocol model and its EPROM, of
// class E (TFuzzEprom or a class derived from it), named Nom.
struct TFuzzStation {
    template <class E = TFuzzEprom>
    explicit TFuzzStation(const std::string& Nom, std::type_identity<E> = {})
        : Eprom(TEprom::Create<E>(Nom, &Protocole)) {}
    // The zones of each type of Createurs are made of its class (in no logical zone).
    TFuzzStation(const std::string& Nom, std::initializer_list<TClasseZone> Createurs)
        : TFuzzStation(Nom) {
        for (const TClasseZone& createur : Createurs)
            Eprom->AddCreator(createur.Classe, createur.Type);
    }

    TFuzzProtocole Protocole;
    std::unique_ptr<TFuzzEprom> Eprom;
};

// The input of one run as a payload: a buffer of zeros holding its first MaxBuffer bytes.
struct TPayload {
    const TByteArray& Trame;
    int Longueur;
};

inline TPayload Payload(const std::uint8_t* Data, std::size_t Size) {
    static TByteArray trame;
    trame.fill(0);
    const auto longueur = static_cast<int>(std::min<std::size_t>(Size, MaxBuffer));
    std::memcpy(trame.data(), Data, static_cast<std::size_t>(longueur));
    return {trame, longueur};
}

// The round trip of a zone with a payload of Taille bytes: the input is decoded as a
// controller payload, or as a zone file block when Fichier. A refused input must leave the
// zone's encoding as it was; an accepted one must encode to Taille bytes that decode
// again to the same zone (the same bytes once more). Answers whether it was accepted.
inline bool AllerRetour(TCustomZoneCPS& Zone, int Taille, const TPayload& Entree,
                        bool Fichier = false) {
    static TByteArray avant;
    static TByteArray apres;
    const auto encoder = [&Zone, Taille](TByteArray& Trame) {
        Trame.fill(0);
        return Zone.SerialEncode(Trame, 0, Taille);
    };
    encoder(avant);
    const TErreurSerie resultat = Fichier ? Zone.FileDecode(Entree.Trame, Entree.Longueur)
                                          : Zone.SerialDecode(Entree.Trame, Entree.Longueur);
    if (resultat != SerSansErreur) {
        encoder(apres);
        Verifier(avant == apres); // a refused input changed the zone
        return false;
    }
    Verifier(encoder(avant) == Taille);
    Verifier(Zone.SerialDecode(avant, Taille) == SerSansErreur);
    encoder(apres);
    Verifier(avant == apres);
    return true;
}

// One station holding zone Numero of the data zone type Type for the whole run, made of
// class TZone like its companions, after the families Avant (each a class and the data
// zone type of its family: those its zones ask their EPROM for).
template <class TZone> struct TFuzzZoneStation : TFuzzStation {
    TFuzzZoneStation(const char* Nom, TTypeZones Type, Word Numero,
                     std::initializer_list<TClasseZone> Avant)
        : TFuzzStation(Nom) {
        for (const TClasseZone& famille : Avant)
            Eprom->AddFamily(famille.Classe, famille.Type);
        Eprom->AddFamily(ZoneClassOf<TZone>, Type);
        Zone = dynamic_cast<TZone*>(Eprom->GetPhysicalZone(Type, Numero, true));
        Verifier(Zone != nullptr);
    }

    TZone* Zone;
};

// The round trip of the input (AllerRetour) on zone Numero of type Type of an AC and of a
// medium-frequency station, both held for the whole run.
template <class TZone>
void AllerRetourACetMF(const std::uint8_t* Data, std::size_t Size, TTypeZones Type, Word Numero,
                       std::initializer_list<TClasseZone> Avant = {}) {
    static TFuzzZoneStation<TZone> ac("GA_Fuzz", Type, Numero, Avant);
    static TFuzzZoneStation<TZone> mf("GM_Fuzz", Type, Numero, Avant);
    const TPayload entree = Payload(Data, Size);
    AllerRetour(*ac.Zone, TZone::TaillePayload, entree);
    AllerRetour(*mf.Zone, TZone::TaillePayload, entree);
}

// Writes the input to a scratch file of this process, "/tmp/<Prefixe>-<pid>.kev" (the
// prefix of the first call), removed at exit, and answers its path.
inline const std::string& ScratchFile(const char* Prefixe, const std::uint8_t* Data,
                                      std::size_t Size) {
    static std::string path;
    if (path.empty()) {
        path = std::string("/tmp/") + Prefixe + "-" + std::to_string(::getpid()) + ".kev";
        std::atexit([] { std::remove(path.c_str()); });
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
    return path;
}

} // namespace g20seq::fuzz
