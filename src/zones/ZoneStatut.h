// Status zones: zones whose values are plain members (no fields), filled from the
// controller's payload and described by one table of items per payload.
//
// An item names a member by member pointer and says where its value sits in the payload,
// at a byte offset from the start of the zone's payload:
//   Entier       an unsigned big-endian number of Width bytes (1, 2 or 4) <-> an int
//   PlageEntier  the same <-> a TIntegerRange: a value outside the range raises ERangeError
//   Reel         an unsigned number of Width bytes <-> a double = number / Diviseur
//   PlageReel    the same <-> a TDoubleRange (range checked)
//   Texte        Width bytes, one Latin-1 byte per character <-> a string; with SansBlancs
//                the trailing blanks and control characters are dropped on reading;
//                written padded with spaces
//   Drapeau      bit Bit (0 = least significant) of one byte <-> a bool; the rows of one
//                byte follow each other and the writer clears the byte at the first row
//   DateHeure    the six-byte date and time (TDateHeure) <-> a TDateTime; an impossible
//                date or time raises EConvertError
//   Calcule      an unsigned number of Width bytes handed to Stocker (which raises for a
//                value it refuses) and produced by Extraire
//   Ignore       Width bytes neither read nor written
// Every value written must fit its bytes (ERangeError otherwise), and any access outside
// the payload buffer raises ERangeError.
//
// TZoneStatut<TZone> gives a zone class TZone (which derives from it) its codecs, its
// copy and its virtual constructor from the table that TZone::Layout() answers: decoding
// reads the table into a duplicate that is assigned only when the payload is exactly the
// table's size (DecodeIntoCopy), encoding writes the table, the file form equals the
// serial form, and Assign copies every member the table names. The codec mixins of
// model/ZoneCodec.h turn it into a read-only, write-only or never-in-files zone.
#pragma once

#include "model/TypeRange.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "support/ByteArray.h"
#include "support/DateTime.h"
#include "support/Rounding.h"

#include <memory>
#include <mutex>
#include <span>
#include <string>

namespace g20seq {

enum class TGenreStatut : Byte {
    Entier,
    PlageEntier,
    Reel,
    PlageReel,
    Texte,
    Drapeau,
    DateHeure,
    Calcule,
    Ignore
};

template <class TZone> struct TItemStatut {
    int Offset = 0;
    TGenreStatut Genre = TGenreStatut::Ignore;
    // Bytes of the value (numbers, texts, ignored blocks); 1 for a flag, 6 for a date.
    int Width = 0;
    int TZone::*Entier = nullptr;
    TIntegerRange TZone::*PlageEntier = nullptr;
    double TZone::*Reel = nullptr;
    TDoubleRange TZone::*PlageReel = nullptr;
    double Diviseur = 1.0;
    std::string TZone::*Texte = nullptr;
    bool SansBlancs = false;
    bool TZone::*Drapeau = nullptr;
    int Bit = 0;
    TDateTime TZone::*DateHeure = nullptr;
    void (*Stocker)(TZone& Zone, LongWord Valeur) = nullptr;
    LongWord (*Extraire)(const TZone& Zone) = nullptr;
};

// Builders of the table rows.
namespace statut {

template <class TZone>
constexpr TItemStatut<TZone> Entier(int Offset, int Width, int TZone::*Membre) {
    TItemStatut<TZone> item{Offset, TGenreStatut::Entier, Width};
    item.Entier = Membre;
    return item;
}

template <class TZone>
constexpr TItemStatut<TZone> Plage(int Offset, int Width, TIntegerRange TZone::*Membre) {
    TItemStatut<TZone> item{Offset, TGenreStatut::PlageEntier, Width};
    item.PlageEntier = Membre;
    return item;
}

template <class TZone>
constexpr TItemStatut<TZone> Reel(int Offset, int Width, double TZone::*Membre, double Diviseur) {
    TItemStatut<TZone> item{Offset, TGenreStatut::Reel, Width};
    item.Reel = Membre;
    item.Diviseur = Diviseur;
    return item;
}

template <class TZone>
constexpr TItemStatut<TZone> Plage(int Offset, int Width, TDoubleRange TZone::*Membre,
                                   double Diviseur) {
    TItemStatut<TZone> item{Offset, TGenreStatut::PlageReel, Width};
    item.PlageReel = Membre;
    item.Diviseur = Diviseur;
    return item;
}

template <class TZone>
constexpr TItemStatut<TZone> Texte(int Offset, int Width, std::string TZone::*Membre,
                                   bool SansBlancs = false) {
    TItemStatut<TZone> item{Offset, TGenreStatut::Texte, Width};
    item.Texte = Membre;
    item.SansBlancs = SansBlancs;
    return item;
}

template <class TZone>
constexpr TItemStatut<TZone> Drapeau(int Offset, int Bit, bool TZone::*Membre) {
    TItemStatut<TZone> item{Offset, TGenreStatut::Drapeau, 1};
    item.Drapeau = Membre;
    item.Bit = Bit;
    return item;
}

template <class TZone>
constexpr TItemStatut<TZone> DateHeure(int Offset, TDateTime TZone::*Membre) {
    TItemStatut<TZone> item{Offset, TGenreStatut::DateHeure, 6};
    item.DateHeure = Membre;
    return item;
}

template <class TZone>
constexpr TItemStatut<TZone> Calcule(int Offset, int Width, void (*Stocker)(TZone&, LongWord),
                                     LongWord (*Extraire)(const TZone&)) {
    TItemStatut<TZone> item{Offset, TGenreStatut::Calcule, Width};
    item.Stocker = Stocker;
    item.Extraire = Extraire;
    return item;
}

template <class TZone> constexpr TItemStatut<TZone> Ignore(int Offset, int Width) {
    return TItemStatut<TZone>{Offset, TGenreStatut::Ignore, Width};
}

} // namespace statut

// Text and date pieces of the items (numbers are read and written by GetNumber and
// PutNumber; ERangeError for a text that does not fit or an access outside the buffer).
std::string LireTexteStatut(const TByteArray& Trame, int Index, int Width, bool SansBlancs);
void EcrireTexteStatut(TByteArray& Trame, int Index, int Width, const std::string& Texte);
// EConvertError for an impossible date or time.
TDateTime LireDateHeureStatut(const TByteArray& Trame, int Index);
void EcrireDateHeureStatut(TByteArray& Trame, int Index, TDateTime Valeur);

// A current as the host shows it: in amperes (the stored value) when ModeAmperes,
// otherwise in the controller's hundredths (the stored value / 100).
double IntensiteAffichee(int Valeur, bool ModeAmperes);

// The owner EPROM describes a medium-frequency controller.
bool EstControleurMF(const TCustomZoneCPS& Zone);

// Size of a payload table: the end of the item that ends last.
template <class TZone> constexpr int TailleStatut(std::span<const TItemStatut<TZone>> Items) {
    int taille = 0;
    for (const TItemStatut<TZone>& item : Items)
        taille = item.Offset + item.Width > taille ? item.Offset + item.Width : taille;
    return taille;
}

// Reads the table's items from Trame[Start] on into Zone and answers the table's size;
// Offset holds the index of the item being read.
template <class TZone>
int LireStatut(TZone& Zone, std::span<const TItemStatut<TZone>> Items, const TByteArray& Trame,
               int Start, int& Offset) {
    for (const TItemStatut<TZone>& item : Items) {
        Offset = Start + item.Offset;
        switch (item.Genre) {
        case TGenreStatut::Entier:
            Zone.*item.Entier = static_cast<int>(GetNumber(Trame, Offset, item.Width));
            break;
        case TGenreStatut::PlageEntier:
            (Zone.*item.PlageEntier)
                .SetValue(static_cast<int>(GetNumber(Trame, Offset, item.Width)));
            break;
        case TGenreStatut::Reel:
            Zone.*item.Reel = GetNumber(Trame, Offset, item.Width) / item.Diviseur;
            break;
        case TGenreStatut::PlageReel:
            (Zone.*item.PlageReel).SetValue(GetNumber(Trame, Offset, item.Width) / item.Diviseur);
            break;
        case TGenreStatut::Texte:
            Zone.*item.Texte = LireTexteStatut(Trame, Offset, item.Width, item.SansBlancs);
            break;
        case TGenreStatut::Drapeau:
            Zone.*item.Drapeau = ((GetByte(Trame, Offset) >> item.Bit) & 1) != 0;
            break;
        case TGenreStatut::DateHeure:
            Zone.*item.DateHeure = LireDateHeureStatut(Trame, Offset);
            break;
        case TGenreStatut::Calcule:
            item.Stocker(Zone, GetNumber(Trame, Offset, item.Width));
            break;
        case TGenreStatut::Ignore:
            break;
        }
    }
    return TailleStatut(Items);
}

// Writes the table's items from Trame[Start] on and answers Start + the table's size.
template <class TZone>
int EcrireStatut(const TZone& Zone, std::span<const TItemStatut<TZone>> Items, TByteArray& Trame,
                 int Start) {
    for (std::size_t i = 0; i < Items.size(); ++i) {
        const TItemStatut<TZone>& item = Items[i];
        const int index = Start + item.Offset;
        switch (item.Genre) {
        case TGenreStatut::Entier:
            PutNumber(Trame, index, item.Width, Zone.*item.Entier);
            break;
        case TGenreStatut::PlageEntier:
            PutNumber(Trame, index, item.Width, (Zone.*item.PlageEntier).GetValue());
            break;
        case TGenreStatut::Reel:
            PutNumber(Trame, index, item.Width, RoundToEven(Zone.*item.Reel * item.Diviseur));
            break;
        case TGenreStatut::PlageReel:
            PutNumber(Trame, index, item.Width,
                      RoundToEven((Zone.*item.PlageReel).GetValue() * item.Diviseur));
            break;
        case TGenreStatut::Texte:
            EcrireTexteStatut(Trame, index, item.Width, Zone.*item.Texte);
            break;
        case TGenreStatut::Drapeau: {
            const bool premier = i == 0 || Items[i - 1].Genre != TGenreStatut::Drapeau ||
                                 Items[i - 1].Offset != item.Offset;
            const Byte octet = premier ? 0 : GetByte(Trame, index);
            PutByte(Trame, index,
                    static_cast<Byte>(octet | (Zone.*item.Drapeau ? 1 << item.Bit : 0)));
            break;
        }
        case TGenreStatut::DateHeure:
            EcrireDateHeureStatut(Trame, index, Zone.*item.DateHeure);
            break;
        case TGenreStatut::Calcule:
            PutNumber(Trame, index, item.Width, item.Extraire(Zone));
            break;
        case TGenreStatut::Ignore:
            break;
        }
    }
    return Start + TailleStatut(Items);
}

// Copies every member the table names (the members of Calcule items excepted).
template <class TZone>
void CopierStatut(TZone& Dest, const TZone& Source, std::span<const TItemStatut<TZone>> Items) {
    for (const TItemStatut<TZone>& item : Items) {
        switch (item.Genre) {
        case TGenreStatut::Entier:
            Dest.*item.Entier = Source.*item.Entier;
            break;
        case TGenreStatut::PlageEntier:
            (Dest.*item.PlageEntier).Assign(&(Source.*item.PlageEntier));
            break;
        case TGenreStatut::Reel:
            Dest.*item.Reel = Source.*item.Reel;
            break;
        case TGenreStatut::PlageReel:
            (Dest.*item.PlageReel).Assign(&(Source.*item.PlageReel));
            break;
        case TGenreStatut::Texte:
            Dest.*item.Texte = Source.*item.Texte;
            break;
        case TGenreStatut::Drapeau:
            Dest.*item.Drapeau = Source.*item.Drapeau;
            break;
        case TGenreStatut::DateHeure:
            Dest.*item.DateHeure = Source.*item.DateHeure;
            break;
        case TGenreStatut::Calcule:
        case TGenreStatut::Ignore:
            break;
        }
    }
}

template <class TZone> class TZoneStatut : public TZoneCPS {
public:
    using TZoneCPS::TZoneCPS;

    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override {
        return std::make_unique<TZone>(AOwner, TypeZone, Numero, aLogicalZone);
    }

    // The zone base's copy, then, from a zone of the same class and EPROM, the members.
    void Assign(const TPersistent* Source) override {
        const TZoneChanges changes(*this); // observers told after the whole copy
        TZoneCPS::Assign(Source);
        const auto* source = dynamic_cast<const TZone*>(Source);
        if (source == nullptr || source == &Self() || source->GetOwner() != GetOwner())
            return;
        std::scoped_lock lock(ZoneLock(), source->ZoneLock());
        CopierStatut(Self(), *source, Self().Layout());
        AssignAutres(*source);
    }

    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override {
        return DecodeIntoCopy(Self(), Trame, LngTrame,
                              [](TZone& Copie, const TByteArray& Donnees, int& Offset) {
                                  return LireStatut(Copie, Copie.Layout(), Donnees, 0, Offset);
                              });
    }
    int SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const override {
        return EcrireStatut(Self(), Self().Layout(), Trame, LngTrame);
    }
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override {
        return SerialDecode(Trame, LngTrame);
    }
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override {
        return SerialEncode(Trame, LngTrame, TailleZone);
    }

protected:
    // Copies the members the table does not name (Assign, under both zones' locks).
    virtual void AssignAutres(const TZone& /*Source*/) {}

    // A member read under the zone's lock (Assign may be running on another thread).
    template <class T> T Lu(const T& Membre) const {
        TLockGuard lock(ZoneLock());
        return Membre;
    }
    int Lu(const TIntegerRange& Plage) const {
        TLockGuard lock(ZoneLock());
        return Plage.GetValue();
    }
    double Lu(const TDoubleRange& Plage) const {
        TLockGuard lock(ZoneLock());
        return Plage.GetValue();
    }

private:
    TZone& Self() { return static_cast<TZone&>(*this); }
    const TZone& Self() const { return static_cast<const TZone&>(*this); }
};

} // namespace g20seq
