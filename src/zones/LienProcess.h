// Process links: what the production process attaches to a weld program.
//
// A process link holds a free comment and the point numbers of the weld points that use
// the program. It lives in zone files only: the controller never sends it, so every
// payload from the controller is refused. Three layouts exist: the original one (short
// point numbers), the advanced one (longer point numbers) and the G20 one (comment only).
#pragma once

#include "model/FieldHandle.h"
#include "model/ZoneCPS.h"

#include <string>

namespace g20seq {

// Handles of the process link's fields (their identifiers are also their translation keys
// in the section "IDLienProcess").
namespace IDLienProcess {
inline constexpr TFieldFamily Family = TFieldFamily::LienProcess;
inline constexpr TFieldHandle IDCommentaire{Family, 0, "IDCommentaire"};
inline constexpr TFieldHandle IDNumPointLienProcess{Family, 1, "IDNumPointLienProcess"};
inline constexpr TFieldHandle Handles[] = {IDCommentaire, IDNumPointLienProcess};
static_assert(HandlesInSlotOrder(Handles));
} // namespace IDLienProcess

// Sizes of a process link layout.
struct TTaillesLienProcess {
    int NumPointLienProcessCount;
    int TailleCommentaire;
    int TailleNumPointLienProcess;
};

// Original process link (zone type PrcLienProcess, older zone files): a comment of 1000
// characters and 10 point numbers of 7 characters.
//
// Zone-file block: the comment, one byte per character padded with zero bytes to its size,
// then each point number the same way. Decoding trims trailing blanks and control
// characters.
class TLienProcess : public TZoneCPS {
public:
    static constexpr TTaillesLienProcess Tailles{10, 1000, 7};

    TLienProcess(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                 TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // Copies another process link through the zone base; any other source raises the
    // assignment error.
    void Assign(const TPersistent* Source) override;
    // The controller never sends a process link: SerErrDonnees; nothing is ever written.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // The zone-file block, from Trame[0] (decode; always SerSansErreur) or Trame[LngTrame]
    // (encode; answers the index after the block).
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // Captions of the fields (section "IDLienProcess").
    std::string NomChamp(const std::string& IDChamp) const override;

    virtual int NumPointLienProcessCount() const;
    virtual int TailleCommentaire() const;
    virtual int TailleNumPointLienProcess() const;

    std::string GetCommentaire() const;
    // A text longer than the comment raises Exception "String too long [<length>/<size>]"
    // and stores nothing.
    void SetCommentaire(const std::string& Value);
    // Point numbers count from 1; a missing point reads empty and is never written.
    std::string GetNumPointLienProcess(int Numero) const;
    // A text longer than a point number raises Exception "String too long [<length>/<size>]".
    void SetNumPointLienProcess(int Numero, const std::string& Value);
    void EffacerNumPointLienProcess(int Numero);

    // Bytes of the zone-file block.
    int TailleBloc() const;

protected:
    // Builds the fields with the sizes of the actual class (given by its constructor).
    TLienProcess(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                 TInterfacedPersistent* aLogicalZone, const TTaillesLienProcess& aTailles);

    // Copies the comment and the point numbers both layouts have, one by one (not the
    // zone's identity).
    void CopierValeurs(const TLienProcess& Source);
    TKEVField* NumPoint(int Numero) const;

private:
    void CreateFields(const TTaillesLienProcess& aTailles);
};

// Advanced process link (zone type PrcLienProcessAvance): 10 point numbers of 20
// characters.
class TLienProcessAvance : public TLienProcess {
public:
    static constexpr TTaillesLienProcess Tailles{10, 1000, 20};

    TLienProcessAvance(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // From a process link of the same layout: through the zone base. From a process link
    // of another layout (an older file's, or G20): the comment and the first point numbers
    // both have, one by one.
    void Assign(const TPersistent* Source) override;

    int NumPointLienProcessCount() const override;
    int TailleCommentaire() const override;
    int TailleNumPointLienProcess() const override;

protected:
    TLienProcessAvance(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone, const TTaillesLienProcess& aTailles);
};

// G20 process link: the comment only (the point-number field exists, empty and not
// shown); sent and received sizes are the comment's size.
class TLienProcessAvanceG20 : public TLienProcessAvance {
public:
    static constexpr TTaillesLienProcess Tailles{0, 1000, 20};

    TLienProcessAvanceG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                          TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;

    int NumPointLienProcessCount() const override;
    int TailleCommentaire() const override;
    int TailleNumPointLienProcess() const override;
};

} // namespace g20seq
