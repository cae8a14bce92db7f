// The electrode and wear compensation zone, generation-independent part.
//
// One zone per electrode (the zone number is the electrode number): the ten wear steps
// ("paliers"), the alarm margin, the tip-dressing settings and the servo-valve gain and
// calibration of the measuring toroid. The Mini, Maxi and RAZ companions of the zone type
// are built by the same classes and carry the limits and reset values the controller
// imposes.
#pragma once

#include "interface/ProxyInterface.h"
#include "interface/ZoneInterfaces.h"
#include "model/IDZone.h"
#include "support/EnumSet.h"
#include "zones/ElectrodeFields.h"
#include "zones/ZoneFamilleCPS.h"

#include <cstdint>
#include <span>
#include <string>

namespace g20seq {

class TKEVTabSheet;

// Counters whose secure handling an electrode may ask for. This module never offers it:
// see TElectrode::GetElectrodeSecure.
enum TSecureCompteur : std::uint8_t {
    SecureCompteur,
    SecureCompteurRodages,
    SecureCompteurIP,
    SecureCompteurAbsolu,
    SecureAttenteRodageNeuve,
    SecureAttenteRodageIP
};
using TSecureCompteurs = TEnumSet<TSecureCompteur>;

// How editors show a field of an electrode: always, never, or only on some controllers
// (AC: the current type is not medium frequency; MF: it is; TOR: discrete I/O).
enum class TAffichageChamp : std::uint8_t { Toujours, Jamais, AC, MF, TOR };

// Kind of an electrode field row. Relier is no field: it links the already created field
// FieldID again into its tab sheet, before Reference (appended without one).
enum class TGenreChamp : std::uint8_t { Paliers, Entier, Signe, Reel, Booleen, Enumere, Relier };

// One row of an electrode field table. Limits and default are raw controller units (the
// displayed value is raw x ratio); Paliers rows give the limits of each step.
struct TDefChampElectrode {
    TFieldHandle Champ;
    TGenreChamp Genre;
    Int64 Min;
    Int64 Max;
    Int64 Defaut;
    double Ratio;
    const char* Onglet;     // tab sheet key, nullptr: in no tab sheet
    TFieldHandle Reference; // inserted before this field of the sheet, empty: appended
    TAffichageChamp Affichage;
};

// Captions of the values of an enumerated or boolean field: value v reads entry
// v + Decalage of Liste.
struct TValeursChamp {
    TFieldHandle Champ;
    std::span<const TIDZone> Liste;
    int Decalage;
};

// What the controller variant decides about the fields of an electrode.
struct TVarianteElectrode {
    bool MF = false;
    bool TOR = false;
};

// Electrode zone: the ten wear steps and seven generation-independent fields. Abstract:
// the generation decides the ampere mode and the controller payload.
class G20SEQ_EXPORT TElectrode : public TZoneFamilleCPS, public IElectrode {
public:
    static constexpr int NbPaliers = 10;

    // Builds the fields; an error is logged and swallowed (the zone keeps the fields
    // built so far).
    TElectrode(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
               TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    // Copies the secure-counter set of an electrode source, then the zone.
    void Assign(const TPersistent* Source) override;
    // The zone-file form is the controller payload.
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // Captions of the fields of this class (section "IDElectrode"); others go to the base.
    std::string NomChamp(const std::string& IDChamp) const override;
    virtual int NombrePaliers() const;
    // Secure counters are not available in this module: both log and raise Exception.
    virtual TSecureCompteurs GetElectrodeSecure() const;
    virtual void SetElectrodeSecure(TSecureCompteurs Value);
    // Always false.
    bool ISLoadToCPSSecure() const override;
    bool IsModeAmperes() const override = 0;

    // IElectrode.
    int GetNumeroElectrode() const override;
    int GetNombrePaliers() const override;
    // Element NumPalier (0..9) of IDPaliers; another index raises the list's index error.
    int GetPalier(int NumPalier) const override;
    void SetPalier(int NumPalier, int Value) override;
    int GetAlarme() const override;
    int GetNombreRodage() const override;
    int GetDecalage() const override;
    int GetNombreIP() const override;
    int GetMargeRodage() const override;
    int GetGainServo() const override;
    double GetCoefficientEtalonnage() const override;

protected:
    // Caption of the zone in creation logs: "Zone électrode (#<n>)".
    std::string LibelleZone() const;
    // The variant of the owner EPROM's description (AC, not TOR without one).
    TVarianteElectrode Variante() const;
    // The tab sheet Key of the zone's logical zone, or nullptr.
    TKEVTabSheet* Onglet(const char* Key) const;
    // Creates the field of a row with default Defaut (an enumeration takes the captions
    // Valeurs), registers it in its tab sheet and unlinks it when the variant does not
    // show it (Relier rows link again instead).
    void CreerChamp(const TDefChampElectrode& Def, const TVarianteElectrode& Variante, Int64 Defaut,
                    std::span<const TIDZone> Valeurs = {});
    // Caption of value Valeur of a field of Table in Section; false when Table has no
    // captions for the field.
    bool DetailValeurTable(std::span<const TValeursChamp> Table, const std::string& Section,
                           const std::string& IDChamp, int Valeur, std::string& Detail,
                           std::string& IDValeur) const;

private:
    void CreateBaseFields();
    TKEVField& Palier(int NumPalier) const;

    TSecureCompteurs FSecureCompteurs;
};

} // namespace g20seq
