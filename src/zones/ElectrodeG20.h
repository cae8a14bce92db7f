// The G20 electrode zone: wear compensation, tip dressing, transformer, current
// measurement, force sensors, thermal limits and water cooling, with the ampere-mode rule
// and the 79-byte controller payload (also the zone-file form).
#pragma once

#include "model/PayloadLayout.h"
#include "zones/Electrode.h"

#include <vector>

namespace g20seq {

// Coding of a field that travels as a code 0, 1, 2 standing for three allowed values.
struct TCodageChamp {
    TFieldHandle Champ;
    int Offset;
    int Valeurs[3];        // the value of code 0, 1, 2
    const char* SourceGet; // log source of a value that has no code (encoding)
    const char* SourceSet; // log source of a code outside 0..2 (decoding)
};

class G20SEQ_EXPORT TElectrodeG20 : public TElectrode, public IElectrodeEx {
public:
    static constexpr int TaillePayload = 79;

    // Builds the G20 fields (visibility from the EPROM description, 60 Hz or 50 Hz
    // defaults from the host settings) and sets the companions: Mini at the minimum of
    // every field, Maxi at the maximum, RAZ at the defaults. Errors are logged and
    // swallowed.
    TElectrodeG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                  TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    // Copies the zone, then follows the ampere mode of the values copied.
    void Assign(const TPersistent* Source) override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // The 79-byte payload from index 0; any other length, a value outside its field's
    // limits or a frequency or water-flow code outside 0..2 answers SerErrDonnees and leaves
    // the zone unchanged.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    // Only a PrcElectrodes zone encodes: the 79 bytes from LngTrame on, answering
    // LngTrame + 79; companions answer 0. A transformer frequency or water flow without a
    // code raises EFieldError "Valeur incorrecte pour le champ '<value>'".
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // Opens the electrode editor through the opener of the zone's type (false without one).
    bool SaisieZoneCPS(void* aOwner, void* FormReference) override;
    // G20 captions (section "IDElectrodeG20"), then those of TElectrode.
    std::string NomChamp(const std::string& IDChamp) const override;
    std::string DetailValeurChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                  std::string& IDValeur) const override;
    // Never on a medium-frequency controller; otherwise when the current-sensor gain
    // divided by the measure ratio (displayed values) is at least 1000.
    bool IsModeAmperes() const override;

    virtual void CreateFields();
    // The thermal current is counted in amperes (ratio 1) in ampere mode, else in tens of
    // amperes (ratio 10).
    void ChangeCoeffModeAmpere(TObject* Sender);

    // IElectrodeEx.
    int GetPostFDVE() const override;
    bool GetCURemplacementEtendu() const override;
    bool GetCURemplaceToutes() const override;
    bool GetCURodageNeuve() const override;
    bool GetCURodageInterPalier() const override;
    int GetNumeroFraise() const override;
    int GetTypeEnsembleTransfoDiode() const override;
    int GetGainBobineIntensite() const override;
    double GetRapportMesure() const override;
    int GetIntensiteThermique() const override;
    int GetDebitEau() const override;
    int GetTemperatureEau() const override;

    // The payload layout without the two coded bytes (TCodageChamp).
    static const TPayloadLayout& Layout();

private:
    void InitCompagnon();
    void EncoderCode(const TCodageChamp& Codage, TByteArray& Trame, int Start) const;
    void DecoderCode(const TCodageChamp& Codage, const TByteArray& Trame, int& Offset);
    int DecoderPayload(const TByteArray& Trame, int& Offset);

    // In a PrcElectrodes zone, the gain and ratio fields followed for the ampere mode.
    std::vector<TSubscription> FSuivisModeAmpere;
};

} // namespace g20seq
