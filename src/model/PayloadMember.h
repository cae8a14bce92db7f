// Payload items bound to members of a zone class.
//
// A zone that keeps plain members instead of fields describes its payloads with the same
// items as the field-based zones (model/PayloadLayout.h); each item names its member by
// an accessor table built here from a member pointer and a conversion:
//   Member<&TZone::FValue>               int, bool, TIntegerRange (range checked when
//                                        read) <-> the raw number; std::string <-> text
//   Member<&TZone::FValue, TScale<100>>  double, TDoubleRange = raw number / 100; written
//                                        as the value x 100 rounded to the nearest, ties
//                                        to even
//   Member<&TZone::FValue, TWordModulo>  int sent modulo 65536
//   Member<&TZone::FValue, TConversion>  any conversion of the zone family's own, a
//                                        struct of static Get/Set, GetText/SetText,
//                                        Write/Read and Copy over the member's type
//   Computed<&TZone::Store, &TZone::Extract>
//                                        a number handed to Store(TZone&, LongWord),
//                                        which raises for a value it refuses, and
//                                        produced by Extract(const TZone&) (no Extract:
//                                        the zone never writes it); never copied
// The builders below place a member in a payload; Copied names a member that travels in
// no payload but is copied with the zone.
#pragma once

#include "model/PayloadLayout.h"
#include "model/TypeRange.h"
#include "support/Rounding.h"

#include <stdexcept>
#include <string>
#include <type_traits>

namespace g20seq::payload {

// The class and the type of a member pointer.
template <class> struct TMemberPointer;
template <class TZone, class TValue> struct TMemberPointer<TValue TZone::*> {
    using Zone = TZone;
    using Value = TValue;
};

// Conversions of the plain member types.
template <class TValue> struct TDirect;

template <> struct TDirect<int> {
    static Int64 Get(int Value) { return Value; }
    static void Set(int& Value, Int64 Raw) { Value = static_cast<int>(Raw); }
    static void Copy(int& Dest, const int& Source) { Dest = Source; }
};

template <> struct TDirect<bool> {
    static Int64 Get(bool Value) { return Value ? 1 : 0; }
    static void Set(bool& Value, Int64 Raw) { Value = Raw != 0; }
    static void Copy(bool& Dest, const bool& Source) { Dest = Source; }
};

template <> struct TDirect<TIntegerRange> {
    static Int64 Get(const TIntegerRange& Value) { return Value.GetValue(); }
    static void Set(TIntegerRange& Value, Int64 Raw) { Value.SetValue(static_cast<int>(Raw)); }
    static void Copy(TIntegerRange& Dest, const TIntegerRange& Source) { Dest.Assign(&Source); }
};

template <> struct TDirect<std::string> {
    static std::string GetText(const std::string& Value) { return Value; }
    static void SetText(std::string& Value, const std::string& Text) { Value = Text; }
    static void Copy(std::string& Dest, const std::string& Source) { Dest = Source; }
};

// A real value carried as a number of 1/Divisor units.
template <int Divisor> struct TScale {
    static Int64 Get(double Value) { return RoundToEven(Value * Divisor); }
    static void Set(double& Value, Int64 Raw) { Value = static_cast<double>(Raw) / Divisor; }
    static void Copy(double& Dest, const double& Source) { Dest = Source; }
    static Int64 Get(const TDoubleRange& Value) { return RoundToEven(Value.GetValue() * Divisor); }
    static void Set(TDoubleRange& Value, Int64 Raw) {
        Value.SetValue(static_cast<double>(Raw) / Divisor);
    }
    static void Copy(TDoubleRange& Dest, const TDoubleRange& Source) { Dest.Assign(&Source); }
};

// A counter sent modulo 65536.
struct TWordModulo {
    static Int64 Get(int Value) { return static_cast<Word>(Value); }
    static void Set(int& Value, Int64 Raw) { Value = static_cast<int>(Raw); }
    static void Copy(int& Dest, const int& Source) { Dest = Source; }
};

// The accessor table of member M through conversion TConversion (void: TDirect).
template <auto M, class TConversion = void> struct TMemberAccess {
    using Zone = typename TMemberPointer<decltype(M)>::Zone;
    using Value = typename TMemberPointer<decltype(M)>::Value;
    using Conversion = std::conditional_t<std::is_void_v<TConversion>, TDirect<Value>, TConversion>;

    static Value& Of(TZoneCPS& Z) { return static_cast<Zone&>(Z).*M; }
    static const Value& Of(const TZoneCPS& Z) { return static_cast<const Zone&>(Z).*M; }

    static Int64 Get(const TZoneCPS& Z) { return Conversion::Get(Of(Z)); }
    static void Set(TZoneCPS& Z, Int64 Raw) { Conversion::Set(Of(Z), Raw); }
    static std::string GetText(const TZoneCPS& Z) { return Conversion::GetText(Of(Z)); }
    static void SetText(TZoneCPS& Z, const std::string& Text) { Conversion::SetText(Of(Z), Text); }
    static void Write(const TZoneCPS& Z, TByteArray& Trame, int Index) {
        Conversion::Write(Of(Z), Trame, Index);
    }
    static void Read(TZoneCPS& Z, const TByteArray& Trame, int Index) {
        Conversion::Read(Of(Z), Trame, Index);
    }
    static void Copy(TZoneCPS& Dest, const TZoneCPS& Source) {
        Conversion::Copy(Of(Dest), Of(Source));
    }

    static constexpr TPayloadMember Table() {
        TPayloadMember table;
        if constexpr (requires(Value & V) { Conversion::Set(V, Int64{}); }) {
            table.Get = &Get;
            table.Set = &Set;
            table.Numbers = true;
        }
        if constexpr (requires(Value & V) { Conversion::SetText(V, std::string()); }) {
            table.GetText = &GetText;
            table.SetText = &SetText;
            table.Texts = true;
        }
        if constexpr (requires(Value & V, const TByteArray& T) { Conversion::Read(V, T, 0); }) {
            table.Write = &Write;
            table.Read = &Read;
            table.Bytes = true;
        }
        table.Copy = &Copy;
        return table;
    }
};

template <auto M, class TConversion = void>
inline constexpr TPayloadMember Member = TMemberAccess<M, TConversion>::Table();

// The zone class of a store function void(TZone&, Value).
template <class> struct TStoreFunction;
template <class TZone, class TValue> struct TStoreFunction<void (*)(TZone&, TValue)> {
    using Zone = TZone;
    using Value = TValue;
};

template <auto Store, auto Extract> struct TComputedAccess {
    using Zone = typename TStoreFunction<decltype(Store)>::Zone;
    using Value = typename TStoreFunction<decltype(Store)>::Value;

    static Int64 Get(const TZoneCPS& Z) { return Extract(static_cast<const Zone&>(Z)); }
    static void Set(TZoneCPS& Z, Int64 Raw) {
        Store(static_cast<Zone&>(Z), static_cast<Value>(Raw));
    }

    static constexpr TPayloadMember Table() {
        TPayloadMember table;
        table.Set = &Set;
        table.Numbers = true;
        if constexpr (!std::is_null_pointer_v<decltype(Extract)>)
            table.Get = &Get;
        return table;
    }
};

template <auto Store, auto Extract = nullptr>
inline constexpr TPayloadMember Computed = TComputedAccess<Store, Extract>::Table();

// A member whose value the item's kind cannot carry stops the compilation of its table.
constexpr const TPayloadMember* Carried(const TPayloadMember& Member, bool Carries) {
    if (!Carries)
        throw std::logic_error("a payload item bound to a member of another kind");
    return &Member;
}

// Builders of the rows bound to a member.
constexpr TPayloadItem Number(int Offset, int Width, const TPayloadMember& Member) {
    TPayloadItem item{Offset, TPayloadKind::Number, Width, {}};
    item.Member = Carried(Member, Member.Numbers);
    return item;
}

constexpr TPayloadItem Bits(int Offset, int Bit, const TPayloadMember& Member, int BitCount = 1) {
    TPayloadItem item{Offset, TPayloadKind::Bits, 1, {}};
    item.Bit = Bit;
    item.BitCount = BitCount;
    item.Member = Carried(Member, Member.Numbers);
    return item;
}

// Texts bound to a member are padded with spaces; KeepBlanks keeps what was read as is.
constexpr TPayloadItem Text(int Offset, int Width, const TPayloadMember& Member, bool KeepBlanks) {
    TPayloadItem item{Offset, TPayloadKind::Text, Width, {}};
    item.Member = Carried(Member, Member.Texts);
    item.KeepBlanks = KeepBlanks;
    return item;
}

constexpr TPayloadItem Raw(int Offset, int Width, const TPayloadMember& Member) {
    TPayloadItem item{Offset, TPayloadKind::Raw, Width, {}};
    item.Member = Carried(Member, Member.Bytes);
    return item;
}

constexpr TPayloadItem Copied(const TPayloadMember& Member) {
    TPayloadItem item{0, TPayloadKind::Skip, 0, {}};
    item.Member = &Member;
    return item;
}

} // namespace g20seq::payload
