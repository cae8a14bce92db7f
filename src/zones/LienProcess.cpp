#include "zones/LienProcess.h"

#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVStringFields.h"
#include "model/KEVTabSheet.h"
#include "model/PayloadLayout.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "support/Latin1.h"

#include <algorithm>
#include <array>

namespace g20seq {

namespace {

constexpr const char* SectionLienProcess = "IDLienProcess";
using namespace IDLienProcess;

constexpr std::array<TFieldCaption, 2> NomsChamps = {{
    {IDCommentaire, "Lien process : Commentaire"},
    {IDNumPointLienProcess, "Lien process : Numéros de points"},
}};

// A text that does not fit its field is refused before anything is stored.
void VerifierLongueur(const std::string& Value, int Taille) {
    const auto length = static_cast<int>(Utf8Length(Value));
    if (length > Taille)
        throw Exception(Format("String too long [%d/%d]", length, Taille));
}

// The zone-file block of a layout: the comment, then every point number, zero padded.
std::array<TPayloadItem, 2> ItemsBloc(const TTaillesLienProcess& Tailles) {
    return {payload::Text(0, Tailles.TailleCommentaire, IDCommentaire, 0),
            payload::Text(Tailles.TailleCommentaire, Tailles.TailleNumPointLienProcess,
                          IDNumPointLienProcess, 0, 0, Tailles.NumPointLienProcessCount)};
}

TInterfacedPersistent* OngletLienProcess(TInterfacedPersistent* aLogicalZone) {
    const auto* logicalZone = dynamic_cast<const TKEVLogicalZone*>(aLogicalZone);
    return logicalZone != nullptr ? logicalZone->GetTabByID(IDOnglet(IDTabLienProcess).IDZone)
                                  : nullptr;
}

} // namespace

// TLienProcess

TLienProcess::TLienProcess(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                           TInterfacedPersistent* aLogicalZone)
    : TLienProcess(AOwner, TypeZone, Numero, aLogicalZone, Tailles) {}

TLienProcess::TLienProcess(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                           TInterfacedPersistent* aLogicalZone, const TTaillesLienProcess& aTailles)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
    CreateFields(aTailles);
}

void TLienProcess::CreateFields(const TTaillesLienProcess& aTailles) {
    TInterfacedPersistent* onglet = OngletLienProcess(GetLogicalZone());
    AddField(IDCommentaire, std::make_unique<TKEVStringField>(IDCommentaire.ID(), this, onglet, "",
                                                              aTailles.TailleCommentaire));
    auto points = std::make_unique<TKEVArrayField>(IDNumPointLienProcess.ID(),
                                                   aTailles.NumPointLienProcessCount, this, onglet);
    for (int i = 0; i < aTailles.NumPointLienProcessCount; ++i)
        points->SetField(i, std::make_unique<TKEVStringField>(IDNumPointLienProcess.ID(), this,
                                                              nullptr, "",
                                                              aTailles.TailleNumPointLienProcess));
    AddField(IDNumPointLienProcess, std::move(points));
}

std::string TLienProcess::ClassName() const {
    return "TLienProcess";
}

std::unique_ptr<TCustomZoneCPS> TLienProcess::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                     Word Numero,
                                                     TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TLienProcess>(AOwner, TypeZone, Numero, aLogicalZone);
}

void TLienProcess::Assign(const TPersistent* Source) {
    if (dynamic_cast<const TLienProcess*>(Source) != nullptr)
        TZoneCPS::Assign(Source);
    else
        TPersistent::Assign(Source);
}

TErreurSerie TLienProcess::SerialDecode(const TByteArray&, int) {
    return SerErrDonnees;
}

int TLienProcess::SerialEncode(TByteArray&, int, int) const {
    return 0;
}

TErreurSerie TLienProcess::FileDecode(const TByteArray& Trame, int /*LngTrame*/) {
    const auto items =
        ItemsBloc({NumPointLienProcessCount(), TailleCommentaire(), TailleNumPointLienProcess()});
    int offset = 0;
    TPayloadLayout(items).Decode(*this, Trame, 0, offset);
    return SerSansErreur;
}

int TLienProcess::FileEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    const auto items =
        ItemsBloc({NumPointLienProcessCount(), TailleCommentaire(), TailleNumPointLienProcess()});
    return TPayloadLayout(items).Encode(*this, Trame, LngTrame);
}

std::string TLienProcess::NomChamp(const std::string& IDChamp) const {
    std::string caption;
    if (DetailParChamp(SectionLienProcess, NomsChamps, IDChamp, caption))
        return caption;
    return TZoneCPS::NomChamp(IDChamp);
}

int TLienProcess::NumPointLienProcessCount() const {
    return Tailles.NumPointLienProcessCount;
}

int TLienProcess::TailleCommentaire() const {
    return Tailles.TailleCommentaire;
}

int TLienProcess::TailleNumPointLienProcess() const {
    return Tailles.TailleNumPointLienProcess;
}

int TLienProcess::TailleBloc() const {
    return TailleCommentaire() + NumPointLienProcessCount() * TailleNumPointLienProcess();
}

std::string TLienProcess::GetCommentaire() const {
    return GetAsString(IDCommentaire);
}

void TLienProcess::SetCommentaire(const std::string& Value) {
    VerifierLongueur(Value, TailleCommentaire());
    SetAsString(IDCommentaire, Value);
}

TKEVField* TLienProcess::NumPoint(int Numero) const {
    const auto* points = dynamic_cast<const TKEVArrayField*>(FindField(IDNumPointLienProcess));
    if (points == nullptr || Numero < 1 || Numero > points->GetCount())
        return nullptr;
    return points->GetField(Numero - 1);
}

std::string TLienProcess::GetNumPointLienProcess(int Numero) const {
    const TKEVField* point = NumPoint(Numero);
    return point != nullptr ? point->GetAsString() : std::string();
}

void TLienProcess::SetNumPointLienProcess(int Numero, const std::string& Value) {
    VerifierLongueur(Value, TailleNumPointLienProcess());
    if (TKEVField* point = NumPoint(Numero))
        point->SetAsString(Value);
}

void TLienProcess::EffacerNumPointLienProcess(int Numero) {
    SetNumPointLienProcess(Numero, "");
}

void TLienProcess::CopierValeurs(const TLienProcess& Source) {
    SetCommentaire(Source.GetCommentaire());
    const int count = std::min(NumPointLienProcessCount(), Source.NumPointLienProcessCount());
    for (int numero = 1; numero <= count; ++numero)
        SetNumPointLienProcess(numero, Source.GetNumPointLienProcess(numero));
}

// TLienProcessAvance

TLienProcessAvance::TLienProcessAvance(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                       TInterfacedPersistent* aLogicalZone)
    : TLienProcessAvance(AOwner, TypeZone, Numero, aLogicalZone, Tailles) {}

TLienProcessAvance::TLienProcessAvance(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                       TInterfacedPersistent* aLogicalZone,
                                       const TTaillesLienProcess& aTailles)
    : TLienProcess(AOwner, TypeZone, Numero, aLogicalZone, aTailles) {}

std::string TLienProcessAvance::ClassName() const {
    return "TLienProcessAvance";
}

std::unique_ptr<TCustomZoneCPS>
TLienProcessAvance::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                           TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TLienProcessAvance>(AOwner, TypeZone, Numero, aLogicalZone);
}

void TLienProcessAvance::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    const auto* avance = dynamic_cast<const TLienProcessAvance*>(Source);
    if (avance != nullptr && avance->NumPointLienProcessCount() == NumPointLienProcessCount()) {
        TLienProcess::Assign(Source);
        return;
    }
    if (const auto* lien = dynamic_cast<const TLienProcess*>(Source))
        CopierValeurs(*lien);
    else
        TLienProcess::Assign(Source);
}

int TLienProcessAvance::NumPointLienProcessCount() const {
    return Tailles.NumPointLienProcessCount;
}

int TLienProcessAvance::TailleCommentaire() const {
    return Tailles.TailleCommentaire;
}

int TLienProcessAvance::TailleNumPointLienProcess() const {
    return Tailles.TailleNumPointLienProcess;
}

// TLienProcessAvanceG20

TLienProcessAvanceG20::TLienProcessAvanceG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                             TInterfacedPersistent* aLogicalZone)
    : TLienProcessAvance(AOwner, TypeZone, Numero, aLogicalZone, Tailles) {
    SetTailles(static_cast<Word>(Tailles.TailleCommentaire),
               static_cast<Word>(Tailles.TailleCommentaire));
    Field(IDNumPointLienProcess).Unlink();
}

std::string TLienProcessAvanceG20::ClassName() const {
    return "TLienProcessAvanceG20";
}

std::unique_ptr<TCustomZoneCPS>
TLienProcessAvanceG20::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                              TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TLienProcessAvanceG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

int TLienProcessAvanceG20::NumPointLienProcessCount() const {
    return Tailles.NumPointLienProcessCount;
}

int TLienProcessAvanceG20::TailleCommentaire() const {
    return Tailles.TailleCommentaire;
}

int TLienProcessAvanceG20::TailleNumPointLienProcess() const {
    return Tailles.TailleNumPointLienProcess;
}

} // namespace g20seq
