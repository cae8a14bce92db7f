// The configuration zone of the G20 controllers: its G20 fields, keypad screens, fault
// table and 183-byte controller frame.
#pragma once

#include "support/EnumSet.h"
#include "zones/Configuration.h"
#include "zones/Ecran.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace g20seq {

class TKEVAddressField;

// Languages a controller may offer.
enum TIDCfg_Langue : std::uint8_t {
    IDLangue_Francais,
    IDLangue_Anglais,
    IDLangue_Allemand,
    IDLangue_Espagnol,
    IDLangue_Portugais,
    IDLangue_Italien,
    IDLangue_Suedois,
    IDLangue_Finnois,
    IDLangue_Neerlandais,
    IDLangue_Polonais,
    IDLangue_Slovaque,
    IDLangue_Tcheque,
    IDLangue_Turque
};
using TIDLanguesSet = TEnumSet<TIDCfg_Langue>;

// Translation section of the captions of the G20 fields.
inline constexpr const char* IDConfigurationG20Section = "IDConfigurationG20";
// Translation section of the fault captions ("IDDefaut" + fault number).
inline constexpr const char* IDDefautsSection = "IDDefauts";

// Size of the controller frame of the configuration (sent and received).
inline constexpr int TailleTrameConfiguration = 183;

// The G20 configuration. Besides the base fields it has about 75 G20 fields, one access
// field per keypad screen (identifier = screen ID), one classification field per fault
// (identifier = fault number) and, on stations with fieldbus profile C1, one default-class
// field per fault ("Class" + number).
//
// What editors show depends on the EPROM description read at creation: current type
// (AC/MF), I/O type, hardware and profile C1; a field that does not apply is still
// created, encoded and decoded, but taken out of its tab sheet.
//
// The Mini and Maxi companions hold every field, screen and fault class at its minimum or
// maximum; RAZ holds the defaults. Companions encode nothing.
class G20SEQ_EXPORT TConfigurationG20 : public TConfiguration, public IConfigurationEx {
public:
    TConfigurationG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                      TInterfacedPersistent* aLogicalZone);
    ~TConfigurationG20() override;

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;
    // Copies the languages and the screens' flags, then the fields.
    void Assign(const TPersistent* Source) override;

    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // The 183-byte frame; a frame of another length is refused (SerErrDonnees) and the
    // zone is left unchanged.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    // Opens the configuration editor through the opener of the zone's type (false without
    // one).
    bool SaisieZoneCPS(void* aOwner, void* FormReference) override;
    // Writes the 183 bytes from Trame[LngTrame] on and answers LngTrame + 183; a companion
    // writes nothing and answers 0. A value that does not fit its bytes raises ERangeError.
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    std::string NomChamp(const std::string& IDChamp) const override;
    std::string DetailValeurChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                  std::string& IDValeur) const override;
    // Translated text of the fault ("IDDefaut" + number), "" for an unknown number.
    std::string GetDescriptionDefautID(const std::string& NumeroDefaut) const override;
    // The controller's name (IDNomCPS).
    std::string GetIdentifiantCPS() const override;

    // Keypad screens, in creation order.
    int GetNbEcrans() const { return static_cast<int>(FTabEcrans.size()); }
    TEcran* GetEcranParIndex(int IndexEcran) const;
    TEcran* GetEcranParNom(const std::string& NomEcran) const;
    TEcran* GetEcranParID(const std::string& IDEcran) const override;

    // Languages the controller offers, and as their 16-bit set value.
    TIDLanguesSet GetLangues() const { return FLangues; }
    void SetLangues(TIDLanguesSet Value) { FLangues = Value; }
    Word GetLanguesValue() const { return static_cast<Word>(FLangues.Bits()); }

    // One byte (index 0..3, 0 = first dotted part) of the station's addresses; -1 when the
    // index is outside 0..3, ignored on writes.
    int GetAdresseIPseg(int Index) const;
    void SetAdresseIPseg(int Index, int Value);
    int GetMasqueIPseg(int Index) const;
    void SetMasqueIPseg(int Index, int Value);
    int GetGatewayIPseg(int Index) const;
    void SetGatewayIPseg(int Index, int Value);
    // Entry PC (0..9) of the authorised PC addresses; another PC reads 0 / "" / -1 and
    // ignores writes.
    LongWord GetPCAdresseIP(int PC) const;
    void SetPCAdresseIP(int PC, LongWord Value);
    std::string GetPCAdresseIPstr(int PC) const;
    void SetPCAdresseIPstr(int PC, const std::string& Value);
    int GetPCAdresseIPseg(int PC, int Index) const;
    void SetPCAdresseIPseg(int PC, int Index, int Value);

    // Default class of a fault (field "Class%.2d" of aDefault); 0 / ignored without it.
    int GetDefaultClass(int aDefault) const;
    void SetDefaultClass(int aDefault, int Value);
    // The default-class fields exist (profile C1 at creation).
    bool AvecClassesDefauts() const { return FAvecClasses; }

protected:
    // Creation steps, in this order; each logs its error and swallows it.
    virtual void CreateFields();
    virtual void CreateScreens();
    virtual void CreateDefaults();

private:
    void CreateG20Fields();
    void AdjustBaseFields();
    void CreateScreensOfType(TTypeEcran Type);
    void CreateDefaultClasses();
    void SetToLimits(bool Maximum);
    TKEVAddressField* Adresse(const TFieldHandle& Handle) const;
    TKEVAddressField* AdressePC(int PC) const;
    // The bits of the frame that no field holds as they are: parity and starts per gun.
    void EncodeDerivedBits(TByteArray& Trame, int Start) const;
    void DecodeDerivedBits(const TByteArray& Trame);

    std::vector<std::unique_ptr<TEcran>> FTabEcrans;
    TIDLanguesSet FLangues;
    bool FAvecClasses = false;
};

} // namespace g20seq
