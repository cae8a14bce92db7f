// Acknowledgement commands (written only): two bytes, the kind of acknowledgement, then
// its argument:
//   1 fault acknowledgement        fault number, 255 for every fault
//   2 tip dressing done            electrode number
//   3 electrode changed            electrode number
//   4 repeat the point, 5 do not   0
//   7 tip dresser (G20)            cutter number
// For any other kind (6 among them) the second byte is left as it was in the buffer.
#pragma once

#include "interface/ZoneInterfaces.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"

namespace g20seq {

class TAcquittements : public TZoneCPS {
public:
    static constexpr int TaillePayload = 2;
    // Fault number that stands for every fault.
    static constexpr int TousLesDefauts = 255;

    TAcquittements(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                   TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TAcquittements"; }
    // The zone base's copy, then, from an acknowledgement zone of the same EPROM, the
    // acknowledgement.
    void Assign(const TPersistent* Source) override;
    // Writes the kind and its argument at Trame[LngTrame]; answers LngTrame + 2. An
    // argument that does not fit a byte raises ERangeError.
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;

    // Each prepares the zone for one acknowledgement and answers it. Declared in this order,
    // the tip dresser acknowledgement of the G20 comes after them.
    // Fault NumeroDefaut, or every fault for 255.
    virtual TAcquittements* AcquittementDefaut(int NumeroDefaut) = 0;
    // Tip dressing done (Rodage) or electrode changed, on electrode NumeroElectrode.
    virtual TAcquittements* AcquittementElectrode(bool Rodage, int NumeroElectrode) = 0;
    // Repeat the point or not.
    virtual TAcquittements* RepetitionPoint(bool RepetitionDuPoint) = 0;

    int GetTypeAcquittement() const;
    bool GetTousDefauts() const;
    int GetNumeroDefaut() const;
    int GetNumeroElectrode() const;
    int GetNumeroFraise() const;

protected:
    int FTypeAcquittement = 1;
    bool FTousDefauts = true;
    int FNumeroDefaut = 0;
    int FNumeroElectrode = 0;
    int FNumeroFraise = 0;
};

class TAcquittementsG20 : public TWriteOnlyZone<TAcquittements>, public IAcquittements {
public:
    TAcquittementsG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                      TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TAcquittementsG20"; }
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;

    TAcquittements* AcquittementDefaut(int NumeroDefaut) override;
    TAcquittements* AcquittementElectrode(bool Rodage, int NumeroElectrode) override;
    TAcquittements* RepetitionPoint(bool RepetitionDuPoint) override;
    // Tip dresser acknowledgement for cutter NumeroFraise.
    virtual TAcquittementsG20* AcquittementFraise(int NumeroFraise);

    // IAcquittements: the same preparations for the host.
    void AcquitterDefaut(int NumeroDefaut) override { AcquittementDefaut(NumeroDefaut); }
    void AcquitterElectrode(bool Rodage, int NumeroElectrode) override {
        AcquittementElectrode(Rodage, NumeroElectrode);
    }
    void AcquitterFraise(int NumeroFraise) override { AcquittementFraise(NumeroFraise); }
};

} // namespace g20seq
