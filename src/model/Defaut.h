// Fault definitions of the configuration and the compact list of present faults.
//
// A fault definition (TDefaut) says whether the controller manages a numbered fault,
// whether the user may change its type, to which group it belongs, and holds its type in
// an enumerated field (TKEVDefautField) that editors show like any other field. The field
// belongs to the zone's field list; the definition to the zone's list of faults.
#pragma once

#include "interface/ProxyInterface.h"
#include "model/KEVNumericFields.h"
#include "support/ByteArray.h"
#include "support/StringList.h"

#include <string>

namespace g20seq {

class TDefaut;

// Groups of faults.
enum TGroupeDefaut : Byte {
    gdFonctionnement,
    gdAutomatisme,
    gdSoudage,
    gdMateriels,
    gdRepetitionPoint_PointSuivant,
    gdAucun
};

// Captions that a zone holding fault definitions (the configuration zone) gives them.
class IDescriptionDefauts {
public:
    // Caption of fault type NumeroTypeDefaut (0..4).
    virtual std::string GetDescriptionTypeDefaut(int NumeroTypeDefaut) const = 0;
    // Caption of the fault numbered NumeroDefaut ("03", "80", ...).
    virtual std::string GetDescriptionDefautID(const std::string& NumeroDefaut) const = 0;

protected:
    ~IDescriptionDefauts() = default;
};

// Host view of a fault definition. The operations and their order are ours; the order is
// pinned by a test.
class IKEVDefaut : public IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{6A0E3B57-91C2-4F8D-B7E4-2C5A8D1F3E96}");
    virtual std::string GetNumeroDefaut() const = 0;
    virtual bool GetDefautGere() const = 0;
    virtual bool GetDefautConfigurable() const = 0;
    virtual TGroupeDefaut GetGroupe() const = 0;
    virtual int GetTypeDefaut() const = 0;
    virtual bool GetBloquant() const = 0;
    virtual int GetMinTypeDefaut() const = 0;
    virtual int GetMaxTypeDefaut() const = 0;
    virtual std::string GetDescription() const = 0;
    virtual std::string GetDescriptionTypeDefaut(int TypeDefaut) const = 0;
    virtual TKEVField* GetTypeDefautField() const = 0;
    virtual void SetParam(bool aDefautGere, bool aDefautConfigurable) = 0;
    virtual void SetTypeDefaut(int Value) = 0;
    virtual void SetToMin() = 0;
    virtual void SetToMax() = 0;
    virtual void SetDefautGere(bool Value) = 0;
    virtual void SetDefautConfigurable(bool Value) = 0;

protected:
    ~IKEVDefaut() = default;
};

// Host view of a fault definition, extension. Operations and order are ours.
class IKEVDefautEx : public IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{C4D19F82-5E3B-4A70-8C6D-E07B2A954F13}");
    // The zone that owns the definition.
    virtual TPersistent* GetOwner() const = 0;
    // Caption of the current type.
    virtual std::string GetLibelleTypeDefaut() const = 0;

protected:
    ~IKEVDefautEx() = default;
};

// The type field of a fault definition: an enumeration of fault types whose captions
// and name come from the owner zone (IDescriptionDefauts).
class TKEVDefautField : public TKEVEnumField {
public:
    // An enumeration of the types MinValue..MaxValue with ratio 1.
    TKEVDefautField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                    int MinValue, int MaxValue, int DefaultValue);

    std::string ClassName() const override;
    // The numeric copy, then the definition's copy from the source's definition.
    void Assign(const TPersistent* Source) override;
    // With a definition: the owner's caption of the fault number, " : ", the number.
    std::string GetName() const override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    // A field of a definition goes into its tab sheet only while the fault is configurable;
    // a field already in its sheet stays where it is.
    void Link(const std::string& RefFieldID, bool ForceField) override;
    // The owner's caption of type Index (the global caption when the owner gives none).
    std::string GetEnum(int Index) const override;

    TDefaut* GetDefaut() const { return FIDefaut; }
    void SetDefaut(TDefaut* Value) { FIDefaut = Value; }

private:
    const IDescriptionDefauts* Descriptions() const;

    TDefaut* FIDefaut = nullptr;
};

// One fault definition.
class G20SEQ_EXPORT TDefaut : public TInterfacedPersistent, public IKEVDefaut, public IKEVDefautEx {
public:
    // aTypeDefaut is the existing type field; the definition attaches itself to it, keeps
    // the field's limits and value and applies SetParam.
    TDefaut(TPersistent* AOwner, const std::string& aNumero, bool aDefautGere,
            bool aDefautConfigurable, TKEVDefautField* aTypeDefaut, TGroupeDefaut aGroupe);
    // Detaches itself from its type field (the zone frees its definitions before its
    // fields).
    ~TDefaut() override;
    TDefaut(const TDefaut&) = delete;
    TDefaut& operator=(const TDefaut&) = delete;

    std::string ClassName() const override { return "TDefaut"; }
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    // From another definition: number, flags, group, then the type value and its limits.
    void Assign(const TPersistent* Source) override;

    std::string GetNumeroDefaut() const override { return FNumeroDefaut; }
    bool GetDefautGere() const override { return FDefautGere; }
    bool GetDefautConfigurable() const override { return FDefautConfigurable; }
    TGroupeDefaut GetGroupe() const override { return FGroupe; }
    int GetTypeDefaut() const override;
    // Blocking flag of the current type in the global table.
    bool GetBloquant() const override;
    int GetMinTypeDefaut() const override;
    int GetMaxTypeDefaut() const override;
    // The owner zone's caption of the fault number (the number itself without one).
    std::string GetDescription() const override;
    std::string GetDescriptionTypeDefaut(int TypeDefaut) const override;
    TKEVField* GetTypeDefautField() const override { return FTypeDefaut; }
    // An unmanaged fault is in no group and not configurable; the type field is shown
    // (linked) only while the fault is configurable.
    void SetParam(bool aDefautGere, bool aDefautConfigurable) override;
    // Value 0..4 (range error otherwise).
    void SetTypeDefaut(int Value) override;
    void SetToMin() override;
    void SetToMax() override;
    void SetDefautGere(bool Value) override { SetParam(Value, FDefautConfigurable); }
    void SetDefautConfigurable(bool Value) override { SetParam(FDefautGere, Value); }

    TPersistent* GetOwner() const override { return FOwner; }
    std::string GetLibelleTypeDefaut() const override;

private:
    TPersistent* FOwner;
    bool FDefautGere = false;
    bool FDefautConfigurable = false;
    TKEVDefautField* FTypeDefaut;
    std::string FNumeroDefaut;
    TGroupeDefaut FGroupe = gdAucun;
};

// The present faults as a list of fault numbers (decimal texts, no duplicates, in the
// order they appeared), decoded from a six-byte bit map.
class TDefautListH35 : public TPersistent {
public:
    TDefautListH35();

    std::string ClassName() const override { return "TDefautListH35"; }
    void Assign(const TPersistent* Source) override;
    // Same texts in the same order; another class raises Exception
    // "Invalid comparison between <own class> and <other class>".
    bool Equals(const TPersistent* Other) const;
    // Applies the bit map Trame[0..5]: a set bit adds its fault, a clear bit removes it.
    // Answers true when decoding failed (LngTrame is not 6, or an error occurred; the list
    // then keeps what was done).
    bool Decode(const TByteArray& Trame, int LngTrame);
    void AddDefaut(int Defaut);
    void Clear();
    // Fault number of entry Index, 0 outside the list.
    int GetItems(int Index) const;
    int Count() const;

private:
    TStringList FList;
};

} // namespace g20seq
