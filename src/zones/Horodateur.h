// The controller's clock (zone of six bytes, the date-and-time format of TDateHeure).
// Read, it gives the controller's date and time; sent, it sets the controller's clock to
// the computer's local time at the moment of encoding. Never stored in zone files.
#pragma once

#include "interface/ProxyInterface.h"
#include "interface/ZoneInterfaces.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "zones/DateHeure.h"

#include <functional>

namespace g20seq {

// Source of the computer's local time.
using THorloge = std::function<TDateTime()>;

class THorodateur : public TNotInFilesZone<TZoneCPS>, public IHorodateur {
public:
    static constexpr int TaillePayload = TDateHeure::Taille;

    THorodateur(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "THorodateur"; }
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // The zone base's copy, then, from a clock zone of the same EPROM, the date and time.
    void Assign(const TPersistent* Source) override;

    // Six bytes into a duplicate: SerSansErreur (duplicate assigned) only for a possible
    // date and time and a LngTrame of 6, SerErrDonnees otherwise.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    // Takes the computer's local time (Horloge) as the zone's date and time, then writes it
    // at Trame[LngTrame]; answers LngTrame + 6.
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;

    TDateTime GetDateHeure() const override;

    // The clock SerialEncode reads, for every clock zone of the process: the computer's
    // local time (Now) unless another one is installed; an empty clock restores it.
    static void SetHorloge(THorloge Horloge);
    static TDateTime Maintenant();

private:
    // Changed by SerialEncode too, which is const for its callers.
    mutable TDateHeure FDateHeure;
};

} // namespace g20seq
