#include "model/Defaut.h"

#include "model/KEVTabSheet.h"
#include "model/TypeDefaut.h"
#include "support/Format.h"

#include <array>

namespace g20seq {

// ---- TKEVDefautField ----

TKEVDefautField::TKEVDefautField(std::string_view FieldID, TPersistent* Owner,
                                 TInterfacedPersistent* Parent, int MinValue, int MaxValue,
                                 int DefaultValue)
    : TKEVEnumField(FieldID, Owner, Parent) {
    SetRawRange(MinValue, MaxValue, DefaultValue);
}

std::string TKEVDefautField::ClassName() const {
    return "TKEVDefautField";
}

const IDescriptionDefauts* TKEVDefautField::Descriptions() const {
    return dynamic_cast<const IDescriptionDefauts*>(GetOwner());
}

void TKEVDefautField::Assign(const TPersistent* Source) {
    TKEVEnumField::Assign(Source);
    const auto* source = dynamic_cast<const TKEVDefautField*>(Source);
    if (FIDefaut != nullptr && source != nullptr && source->FIDefaut != nullptr)
        FIDefaut->Assign(source->FIDefaut);
}

std::string TKEVDefautField::GetName() const {
    const IDescriptionDefauts* descriptions = Descriptions();
    if (FIDefaut == nullptr || descriptions == nullptr)
        return GetFieldID();
    const std::string numero = FIDefaut->GetNumeroDefaut();
    return descriptions->GetDescriptionDefautID(numero) + " : " + numero;
}

std::unique_ptr<TKEVField> TKEVDefautField::Duplicate() const {
    auto copy = std::make_unique<TKEVDefautField>(GetFieldID(), GetOwner(), nullptr, GetRawMin(),
                                                  GetRawMax(), GetRawValue());
    copy->Assign(this);
    return copy;
}

void TKEVDefautField::Link(const std::string& RefFieldID, bool ForceField) {
    if (FIDefaut != nullptr && !FIDefaut->GetDefautConfigurable())
        return;
    // A definition made configurable again finds its field already shown.
    const TKEVTabSheet* sheet = ParentSheet();
    if (sheet != nullptr && sheet->GetFieldByID(GetFieldID()) == this)
        return;
    TKEVEnumField::Link(RefFieldID, ForceField);
}

std::string TKEVDefautField::GetEnum(int Index) const {
    const IDescriptionDefauts* descriptions = Descriptions();
    return descriptions != nullptr ? descriptions->GetDescriptionTypeDefaut(Index)
                                   : LibelleTypeDefaut(Index);
}

// ---- TDefaut ----

TDefaut::TDefaut(TPersistent* AOwner, const std::string& aNumero, bool aDefautGere,
                 bool aDefautConfigurable, TKEVDefautField* aTypeDefaut, TGroupeDefaut aGroupe)
    : FOwner(AOwner), FTypeDefaut(aTypeDefaut) {
    FTypeDefaut->SetDefaut(this);
    const Word minimum = FTypeDefaut->GetRawMin();
    const Word maximum = FTypeDefaut->GetRawMax();
    const int value = FTypeDefaut->GetAsInteger();
    FNumeroDefaut = aNumero;
    FTypeDefaut->SetRawMax(maximum);
    FTypeDefaut->SetRawMin(minimum);
    SetTypeDefaut(value);
    // The group is stored before SetParam so that an unmanaged fault ends in no group.
    FGroupe = aGroupe;
    SetParam(aDefautGere, aDefautConfigurable);
}

TDefaut::~TDefaut() {
    if (FTypeDefaut != nullptr && FTypeDefaut->GetDefaut() == this)
        FTypeDefaut->SetDefaut(nullptr);
}

THResult TDefaut::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVDefaut::IID)
        *Obj = static_cast<IKEVDefaut*>(this);
    else if (IID == IKEVDefautEx::IID)
        *Obj = static_cast<IKEVDefautEx*>(this);
    else
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    return THResult::S_OK;
}

void TDefaut::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TDefaut*>(Source);
    if (source == nullptr) {
        TInterfacedPersistent::Assign(Source);
        return;
    }
    FNumeroDefaut = source->FNumeroDefaut;
    FDefautGere = source->FDefautGere;
    FDefautConfigurable = source->FDefautConfigurable;
    FGroupe = source->FGroupe;
    FTypeDefaut->SetRawValue(source->FTypeDefaut->GetRawValue());
    FTypeDefaut->SetRawMin(source->FTypeDefaut->GetRawMin());
    FTypeDefaut->SetRawMax(source->FTypeDefaut->GetRawMax());
}

int TDefaut::GetTypeDefaut() const {
    return FTypeDefaut->GetAsInteger();
}

bool TDefaut::GetBloquant() const {
    return TypeDefautBloquant(GetTypeDefaut());
}

int TDefaut::GetMinTypeDefaut() const {
    return FTypeDefaut->GetRawMin();
}

int TDefaut::GetMaxTypeDefaut() const {
    return FTypeDefaut->GetRawMax();
}

std::string TDefaut::GetDescription() const {
    const auto* descriptions = dynamic_cast<const IDescriptionDefauts*>(FOwner);
    return descriptions != nullptr ? descriptions->GetDescriptionDefautID(FNumeroDefaut)
                                   : FNumeroDefaut;
}

std::string TDefaut::GetDescriptionTypeDefaut(int TypeDefaut) const {
    return FTypeDefaut->GetEnum(TypeDefaut);
}

std::string TDefaut::GetLibelleTypeDefaut() const {
    return GetDescriptionTypeDefaut(GetTypeDefaut());
}

void TDefaut::SetParam(bool aDefautGere, bool aDefautConfigurable) {
    FDefautConfigurable = aDefautConfigurable;
    FDefautGere = aDefautGere;
    if (!FDefautGere) {
        FGroupe = gdAucun;
        FDefautConfigurable = false;
    }
    if (FDefautConfigurable)
        FTypeDefaut->Link("", false);
    else
        FTypeDefaut->Unlink();
}

void TDefaut::SetTypeDefaut(int Value) {
    const TTypeDefaut* type = GlobalFaultType(Value);
    FTypeDefaut->SetAsInteger(type != nullptr ? type->GetTypeDefaut() : Value);
}

void TDefaut::SetToMin() {
    FTypeDefaut->SetAsInteger(FTypeDefaut->GetRawMin());
}

void TDefaut::SetToMax() {
    FTypeDefaut->SetAsInteger(FTypeDefaut->GetRawMax());
}

// ---- TDefautListH35 ----

namespace {

struct TBitDefaut {
    Byte Octet;
    Byte Bit;
    Byte Defaut;
};

// The bits of the present-fault map that carry a fault, in decoding order (bytes in
// order, bits from 7 down to 0). Other bits are ignored.
constexpr std::array<TBitDefaut, 30> BitsDefauts = {{
    {0, 7, 7},  {0, 5, 5},  {0, 4, 4},  {0, 3, 3},  {0, 2, 2},  {0, 1, 1},  {0, 0, 0},  {1, 7, 15},
    {1, 5, 13}, {1, 4, 12}, {1, 3, 11}, {1, 2, 10}, {1, 1, 9},  {1, 0, 8},  {2, 7, 23}, {2, 5, 21},
    {2, 4, 20}, {2, 3, 19}, {2, 2, 18}, {2, 1, 17}, {2, 0, 16}, {3, 6, 30}, {3, 5, 29}, {3, 4, 28},
    {3, 3, 27}, {3, 1, 25}, {3, 0, 24}, {5, 2, 90}, {5, 1, 80}, {5, 0, 65},
}};

constexpr int TailleListeH35 = 6;

} // namespace

TDefautListH35::TDefautListH35() {
    FList.SetCaseSensitive(true);
}

void TDefautListH35::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TDefautListH35*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FList.Assign(&source->FList);
}

bool TDefautListH35::Equals(const TPersistent* Other) const {
    const auto* other = dynamic_cast<const TDefautListH35*>(Other);
    if (other == nullptr)
        throw Exception(Format("Invalid comparison between %s and %s", ClassName(),
                               Other != nullptr ? Other->ClassName() : std::string("nil")));
    if (FList.Count() != other->FList.Count())
        return false;
    for (int i = 0; i < FList.Count(); ++i)
        if (FList[i] != other->FList[i])
            return false;
    return true;
}

bool TDefautListH35::Decode(const TByteArray& Trame, int LngTrame) {
    try {
        for (const TBitDefaut& entry : BitsDefauts) {
            const std::string numero = IntToStr(static_cast<int>(entry.Defaut));
            const int index = FList.IndexOf(numero);
            const bool present = (GetByte(Trame, entry.Octet) >> entry.Bit & 1) != 0;
            if (present && index < 0)
                FList.Add(numero);
            else if (!present && index >= 0)
                FList.Delete(index);
        }
    } catch (const std::exception&) {
        return true;
    }
    return LngTrame != TailleListeH35;
}

void TDefautListH35::AddDefaut(int Defaut) {
    const std::string numero = IntToStr(Defaut);
    if (FList.IndexOf(numero) < 0)
        FList.Add(numero);
}

void TDefautListH35::Clear() {
    FList.Clear();
}

int TDefautListH35::GetItems(int Index) const {
    return Index >= 0 && Index < FList.Count() ? StrToIntDef(FList[Index], 0) : 0;
}

int TDefautListH35::Count() const {
    return FList.Count();
}

} // namespace g20seq
