#include "zones/AssignationPoints.h"

#include "interface/CustomEprom.h"
#include "model/DataProxy.h"
#include "model/EditorOpeners.h"
#include "model/EpromDescription.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVStringFields.h"
#include "model/KEVTabSheet.h"
#include "model/PayloadLayout.h"
#include "model/ZoneCodec.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "support/Latin1.h"
#include "zones/ConfigurationFields.h"

#include <algorithm>
#include <iterator>

namespace g20seq {

namespace {

using namespace IDAssignationPoints;
namespace pl = payload;

constexpr int TailleNumPointDefaut = 20;
// Stored point numbers of the family.part.point mode have 11 characters.
constexpr int TailleFormatPSA = 11;
constexpr const char* SStringTooLong = "String too long [%d/%d]";

// Captions of the fields, in creation order.
constexpr TFieldCaption NomsChamps[] = {
    {IDPointValide, "Point valide"},
    {IDNumPoint, "Point"},
    {IDProgAssocie, "Programme"},
};

// The point number block is written and read by the zone itself (an invalid entry is
// marked by its first byte); the layout carries the program.
constexpr TPayloadItem ItemsAssignation[] = {
    pl::Skip(0, TailleNumPointDefaut),
    pl::Number(20, 2, IDProgAssocie),
};
constexpr TPayloadLayout LayoutAssignation(ItemsAssignation);
static_assert(LayoutAssignation.Size() == TAssignationPoints::TaillePayload);

// Program numbers when the owner has no description of them.
constexpr int ProgrammeMinDefaut = 0;
constexpr int ProgrammeMaxDefaut = 0xFFFF;

// Count characters from 1-based position Index, clamped at the end of Text.
std::string Copie(const std::string& Text, std::size_t Index, std::size_t Count) {
    return Utf8Copy(Text, Index - 1, Count);
}

} // namespace

std::string NumPointAffiche(const std::string& Stocke) {
    if (Stocke.empty())
        return Stocke;
    const std::string texte = Copie(Stocke, 1, TailleFormatPSA);
    return Format("%s.%s.%s", Copie(texte, 10, 2), Copie(texte, 7, 3), Copie(texte, 1, 6));
}

std::string NumPointStocke(const std::string& Affiche) {
    if (Affiche.empty())
        return Affiche;
    const std::string texte = TrimRight(Affiche);
    return Copie(Format("%s%s%s", Copie(texte, 8, 6), Copie(texte, 4, 3), Copie(texte, 1, 2)), 1,
                 TailleFormatPSA);
}

TAssignationPoints::TAssignationPoints(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                       TInterfacedPersistent* aLogicalZone)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
    try {
        CreateFields();
    } catch (const std::exception& e) {
        LogEvent(this, "Create", e.what(), ZoneLabel(), LogAnomaly, CatZRT);
    }
}

std::string TAssignationPoints::ClassName() const {
    return "TAssignationPoints";
}

std::unique_ptr<TCustomZoneCPS>
TAssignationPoints::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                           TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TAssignationPoints>(AOwner, TypeZone, Numero, aLogicalZone);
}

void TAssignationPoints::CreateFields() {
    auto* logicalZone = dynamic_cast<TKEVLogicalZone*>(GetLogicalZone());
    TKEVTabSheet* sheet = logicalZone != nullptr ? logicalZone->GetTabByID(Section) : nullptr;

    int progMin = ProgrammeMinDefaut;
    int progMax = ProgrammeMaxDefaut;
    TCustomEprom* eprom = GetEprom();
    if (TCustomEpromDescription* description = eprom ? eprom->GetDescription() : nullptr) {
        if (description->GetMinZone(PrcProgrammes) >= 0 &&
            description->GetMaxZone(PrcProgrammes) >= description->GetMinZone(PrcProgrammes)) {
            progMin = description->GetMinZone(PrcProgrammes);
            progMax = description->GetMaxZone(PrcProgrammes);
        }
    }

    AddField(IDPointValide,
             std::make_unique<TKEVBooleanField>(IDPointValide.ID(), this, sheet, false));
    auto numPoint =
        std::make_unique<TKEVStringField>(IDNumPoint.ID(), this, sheet, "", TailleNumPointDefaut);
    numPoint->SetOutputFormatProc([this](std::string& Texte) {
        if (ModeAssignation() == ModeFormatPSA)
            Texte = NumPointAffiche(Texte);
    });
    numPoint->SetInputFormatProc([this](std::string& Texte) {
        if (ModeAssignation() == ModeFormatPSA)
            Texte = NumPointStocke(Texte);
    });
    AddField(IDNumPoint, std::move(numPoint));
    AddField(IDProgAssocie, std::make_unique<TKEVIntegerField>(IDProgAssocie.ID(), this, sheet,
                                                               progMin, progMax, progMin, 1.0));
}

namespace {

// Display modes read before a comparison, by EPROM, for the thread that compares.
struct TModeLu {
    const TCustomEprom* Eprom = nullptr;
    int Mode = 0;
};
thread_local TModeLu ModesLus[2];

class TModesFiges {
public:
    TModesFiges(const TAssignationPoints& Zone, const TPersistent* Other) : FAnciens{} {
        std::copy(std::begin(ModesLus), std::end(ModesLus), FAnciens);
        const auto* autre = dynamic_cast<const TAssignationPoints*>(Other);
        const TModeLu modes[2] = {
            {Zone.GetEprom(), Zone.ModeAssignation()},
            {autre ? autre->GetEprom() : nullptr, autre ? autre->ModeAssignation() : 0}};
        std::copy(std::begin(modes), std::end(modes), ModesLus);
    }
    ~TModesFiges() { std::copy(std::begin(FAnciens), std::end(FAnciens), ModesLus); }
    TModesFiges(const TModesFiges&) = delete;
    TModesFiges& operator=(const TModesFiges&) = delete;

private:
    TModeLu FAnciens[2];
};

} // namespace

bool TAssignationPoints::Equals(const TPersistent* Other) const {
    const TModesFiges modes(*this, Other);
    return TZoneCPS::Equals(Other);
}

bool TAssignationPoints::EqualsDetails(const TPersistent* Other,
                                       TStringList* ListeDifferences) const {
    const TModesFiges modes(*this, Other);
    return TZoneCPS::EqualsDetails(Other, ListeDifferences);
}

int TAssignationPoints::ModeAssignation() const {
    for (const TModeLu& lu : ModesLus)
        if (lu.Eprom != nullptr && lu.Eprom == GetEprom())
            return lu.Mode;
    TZoneHolder configuration(GetEprom(), PrcConfiguration, 0);
    if (!configuration)
        return ModeSansAssignation;
    const auto* zone = configuration.As<TZoneCPS>();
    TKEVField* mode =
        zone != nullptr ? zone->FindField(ChampsConfiguration::IDModeAssignationPoint) : nullptr;
    return mode != nullptr ? mode->GetAsInteger() : ModeSansAssignation;
}

// --- Properties ---

bool TAssignationPoints::GetPointValide() const {
    TKEVField* field = FindField(IDPointValide);
    return field != nullptr && field->GetAsBoolean();
}

void TAssignationPoints::SetPointValide(bool Value) {
    if (TKEVField* field = FindField(IDPointValide))
        field->SetAsBoolean(Value);
}

std::string TAssignationPoints::GetNumPointCPS() const {
    auto* field = dynamic_cast<TKEVStringField*>(FindField(IDNumPoint));
    if (field == nullptr || !GetPointValide())
        return {};
    // A plain text field holding a copy answers the stored text, without the display form.
    TKEVStringField stocke(IDNumPoint.ID(), nullptr, nullptr, "", field->GetSize());
    stocke.Assign(field);
    return stocke.GetAsString();
}

void TAssignationPoints::SetNumPointCPS(const std::string& Value) {
    auto* field = dynamic_cast<TKEVStringField*>(FindField(IDNumPoint));
    if (field == nullptr)
        return;
    VerifierTaille(Value);
    // Copied from a plain text field, the text bypasses the input conversion.
    const TKEVStringField stocke(IDNumPoint.ID(), nullptr, nullptr, Value, field->GetSize());
    field->Assign(&stocke);
}

std::string TAssignationPoints::GetNumPoint() const {
    TKEVField* field = FindField(IDNumPoint);
    return field != nullptr && GetPointValide() ? field->GetAsString() : std::string();
}

void TAssignationPoints::SetNumPoint(const std::string& Value) {
    TKEVField* field = FindField(IDNumPoint);
    if (field == nullptr)
        return;
    VerifierTaille(Value);
    field->SetAsString(Value);
}

int TAssignationPoints::GetNumProg() const {
    TKEVField* field = FindField(IDProgAssocie);
    return field != nullptr ? field->GetAsInteger() : -1;
}

void TAssignationPoints::SetNumProg(int Value) {
    if (TKEVField* field = FindField(IDProgAssocie))
        field->SetAsInteger(Value);
}

int TAssignationPoints::GetTailleNumPoint() const {
    auto* field = dynamic_cast<TKEVStringField*>(FindField(IDNumPoint));
    return field != nullptr ? field->GetSize() : -1;
}

void TAssignationPoints::VerifierTaille(const std::string& Value) const {
    const auto longueur = static_cast<int>(Utf8Length(Value));
    if (longueur > GetTailleNumPoint())
        throw Exception(Format(SStringTooLong, longueur, GetTailleNumPoint()));
}

// --- Codecs ---

void TAssignationPoints::EncodeNumPoint(TByteArray& Trame, int Start) const {
    const bool valide = GetPointValide();
    const std::string octets = valide ? Utf8ToLatin1(GetNumPointCPS()) : std::string();
    if (static_cast<int>(octets.size()) > TailleNumPointDefaut)
        throw ERangeError();
    for (int i = 0; i < TailleNumPointDefaut; ++i) {
        Byte octet = ' ';
        if (i < static_cast<int>(octets.size()))
            octet = static_cast<Byte>(octets[i]);
        else if (i == 0 && !valide)
            octet = OctetInvalide;
        PutByte(Trame, Start + i, octet);
    }
}

void TAssignationPoints::DecodeNumPoint(const TByteArray& Trame) {
    if (GetByte(Trame, 0) == OctetInvalide) {
        SetPointValide(false);
        SetNumPointCPS("");
        return;
    }
    std::string octets;
    for (int i = 0; i < TailleNumPointDefaut; ++i)
        octets += static_cast<char>(GetByte(Trame, i));
    SetPointValide(true);
    SetNumPointCPS(Latin1ToUtf8(TrimRight(octets)));
}

TErreurSerie TAssignationPoints::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return DecodeIntoCopy(*this, Trame, LngTrame,
                          [](TAssignationPoints& Copy, const TByteArray& Data, int& Offset) {
                              Offset = 0;
                              Copy.DecodeNumPoint(Data);
                              return LayoutAssignation.Decode(Copy, Data, 0, Offset);
                          });
}

int TAssignationPoints::SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    int position = LngTrame;
    try {
        EncodeNumPoint(Trame, LngTrame);
        return LayoutAssignation.Encode(*this, Trame, LngTrame, position);
    } catch (const std::exception& e) {
        LogEvent(this, "SerialEncode", e.what(), ZoneLabel(), LogAnomaly, CatZRT);
        return position;
    }
}

TErreurSerie TAssignationPoints::FileDecode(const TByteArray& Trame, int LngTrame) {
    return SerialDecode(Trame, LngTrame);
}

int TAssignationPoints::FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const {
    return SerialEncode(Trame, LngTrame, TailleZone);
}

// --- Editor and captions ---

bool TAssignationPoints::SaisieZoneCPS(void* aOwner, void* FormReference) {
    return OpenEditor(*this, aOwner, FormReference);
}

std::string TAssignationPoints::NomChamp(const std::string& IDChamp) const {
    std::string caption;
    if (DetailParChamp(Section, NomsChamps, IDChamp, caption))
        return caption;
    return TZoneCPS::NomChamp(IDChamp);
}

} // namespace g20seq
