#include "model/PayloadLayout.h"

#include "model/KEVField.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "support/Format.h"
#include "support/Latin1.h"

namespace g20seq {

namespace {

// Index of element k of an item: -1 for a plain field.
int ElementIndex(const TPayloadItem& Item, int k) {
    if (Item.Index < 0 && Item.Count == 1)
        return -1;
    return (Item.Index < 0 ? 0 : Item.Index) + k;
}

// The field of element k of an item, with its raw views: the item's slot in the zone; an
// element is resolved when it is reached (arrays may replace their elements).
TFieldSlot ItemField(const TZoneCPS& Zone, const TPayloadItem& Item, int Element) {
    const TFieldSlot slot = Zone.Slot(Item.Field);
    if (Element < 0)
        return slot;
    TKEVField* element = slot.Array != nullptr ? slot.Array->GetField(Element) : nullptr;
    if (element == nullptr)
        throw Exception(Format("Unable to access field: %s[%d]", Item.Field.ID(), Element));
    return TFieldSlot::Of(*element);
}

[[noreturn]] void NotANumber(const TKEVField& Field) {
    throw EFieldError(Format(SFieldTypeAccess, Field.GetFieldID(), "Integer"));
}

bool IsSigned(const TFieldSlot& Slot) {
    return Slot.Signed != nullptr;
}

Int64 RawOf(const TFieldSlot& Slot, int Width) {
    if (Slot.Raw != nullptr)
        return Slot.Raw->GetRawValue();
    if (Slot.Signed != nullptr)
        return Slot.Signed->GetRawValue();
    if (Slot.Address != nullptr && Width == 4)
        return Slot.Address->GetAddress();
    NotANumber(*Slot.Field);
}

void SetRawOf(const TFieldSlot& Slot, int Width, Int64 Value) {
    if (Slot.Raw != nullptr)
        return Slot.Raw->SetRawValue(Value);
    if (Slot.Signed != nullptr)
        return Slot.Signed->SetRawValue(Value);
    if (Slot.Address != nullptr && Width == 4)
        return Slot.Address->SetAddress(static_cast<LongWord>(Value));
    NotANumber(*Slot.Field);
}

// Sign extension of a two's complement value of Width bytes.
Int64 Signed(LongWord Value, int Width) {
    const int bits = 8 * Width;
    const Int64 value = Value;
    return value >= (Int64{1} << (bits - 1)) ? value - (Int64{1} << bits) : value;
}

// Constants of any width: the low 32 bits of Value at the end, zeros before.
void PutConstant(TByteArray& Trame, int Index, const TPayloadItem& Item) {
    for (int i = 0; i < Item.Width; ++i) {
        const int shift = 8 * (Item.Width - 1 - i);
        PutByte(Trame, Index + i, shift < 32 ? static_cast<Byte>(Item.Value >> shift) : 0);
    }
}

LongWord BitMask(const TPayloadItem& Item) {
    return (LongWord{1} << Item.BitCount) - 1;
}

void EncodeText(TByteArray& Trame, int Index, int Width, Byte Pad, const std::string& Text) {
    const std::string bytes = Utf8ToLatin1(Text);
    if (static_cast<int>(bytes.size()) > Width)
        throw ERangeError();
    for (int i = 0; i < Width; ++i)
        PutByte(Trame, Index + i,
                i < static_cast<int>(bytes.size()) ? static_cast<Byte>(bytes[i]) : Pad);
}

std::string DecodeText(const TByteArray& Trame, int Index, int Width, bool KeepBlanks = false) {
    std::string bytes;
    for (int i = 0; i < Width; ++i)
        bytes += static_cast<char>(GetByte(Trame, Index + i));
    return Latin1ToUtf8(KeepBlanks ? bytes : TrimRight(bytes));
}

// The first row of a bit-packed byte clears it; later rows of the same byte add to it.
bool StartsByte(std::span<const TPayloadItem> Items, std::size_t i) {
    return i == 0 || Items[i - 1].Kind != TPayloadKind::Bits ||
           Items[i - 1].Offset != Items[i].Offset;
}

void PutBits(TByteArray& Trame, int Index, std::span<const TPayloadItem> Items, std::size_t i,
             Int64 Value) {
    if (Value < 0 || Value > static_cast<Int64>(BitMask(Items[i])))
        throw ERangeError();
    const Byte current = StartsByte(Items, i) ? 0 : GetByte(Trame, Index);
    PutByte(Trame, Index, static_cast<Byte>(current | (Value << Items[i].Bit)));
}

// An item bound to a member: one unsigned value, read and written by the member's
// accessors.
void EncodeMember(const TZoneCPS& Zone, TByteArray& Trame, std::span<const TPayloadItem> Items,
                  std::size_t i, int Position) {
    const TPayloadItem& item = Items[i];
    const TPayloadMember& member = *item.Member;
    switch (item.Kind) {
    case TPayloadKind::Number:
        return PutNumber(Trame, Position, item.Width, member.Get(Zone), false);
    case TPayloadKind::Bits:
        return PutBits(Trame, Position, Items, i, member.Get(Zone));
    case TPayloadKind::Text:
        return EncodeText(Trame, Position, item.Width, item.Pad, member.GetText(Zone));
    case TPayloadKind::Raw:
        return member.Write(Zone, Trame, Position);
    case TPayloadKind::Constant:
    case TPayloadKind::Skip:
        return;
    }
}

void DecodeMember(TZoneCPS& Zone, const TByteArray& Trame, const TPayloadItem& Item, int Offset) {
    const TPayloadMember& member = *Item.Member;
    switch (Item.Kind) {
    case TPayloadKind::Number:
        return member.Set(Zone, GetNumber(Trame, Offset, Item.Width));
    case TPayloadKind::Bits:
        return member.Set(Zone, GetByte(Trame, Offset) >> Item.Bit & BitMask(Item));
    case TPayloadKind::Text:
        return member.SetText(Zone, DecodeText(Trame, Offset, Item.Width, Item.KeepBlanks));
    case TPayloadKind::Raw:
        return member.Read(Zone, Trame, Offset);
    case TPayloadKind::Constant:
    case TPayloadKind::Skip:
        return;
    }
}

void EncodeItem(const TZoneCPS& Zone, TByteArray& Trame, int Start,
                std::span<const TPayloadItem> Items, std::size_t i, int& Position) {
    const TPayloadItem& item = Items[i];
    Position = Start + item.Offset;
    if (item.Member != nullptr)
        return EncodeMember(Zone, Trame, Items, i, Position);
    switch (item.Kind) {
    case TPayloadKind::Number:
        for (int k = 0; k < item.Count; ++k) {
            Position = Start + item.Offset + k * item.Width;
            const TFieldSlot field = ItemField(Zone, item, ElementIndex(item, k));
            PutNumber(Trame, Position, item.Width, RawOf(field, item.Width), IsSigned(field));
        }
        return;
    case TPayloadKind::Bits: {
        return PutBits(Trame, Position, Items, i,
                       RawOf(ItemField(Zone, item, ElementIndex(item, 0)), 1));
    }
    case TPayloadKind::Text:
        for (int k = 0; k < item.Count; ++k) {
            Position = Start + item.Offset + k * item.Width;
            EncodeText(Trame, Position, item.Width, item.Pad,
                       ItemField(Zone, item, ElementIndex(item, k)).Field->GetAsString());
        }
        return;
    case TPayloadKind::Constant:
        return PutConstant(Trame, Position, item);
    case TPayloadKind::Skip:
    case TPayloadKind::Raw:
        return;
    }
}

void DecodeItem(TZoneCPS& Zone, const TByteArray& Trame, int Start, const TPayloadItem& Item,
                int& Offset) {
    Offset = Start + Item.Offset;
    if (Item.Member != nullptr)
        return DecodeMember(Zone, Trame, Item, Offset);
    switch (Item.Kind) {
    case TPayloadKind::Number:
        for (int k = 0; k < Item.Count; ++k) {
            Offset = Start + Item.Offset + k * Item.Width;
            const TFieldSlot field = ItemField(Zone, Item, ElementIndex(Item, k));
            const LongWord bytes = GetNumber(Trame, Offset, Item.Width);
            SetRawOf(field, Item.Width, IsSigned(field) ? Signed(bytes, Item.Width) : bytes);
        }
        return;
    case TPayloadKind::Bits:
        SetRawOf(ItemField(Zone, Item, ElementIndex(Item, 0)), 1,
                 GetByte(Trame, Offset) >> Item.Bit & BitMask(Item));
        return;
    case TPayloadKind::Text:
        for (int k = 0; k < Item.Count; ++k) {
            Offset = Start + Item.Offset + k * Item.Width;
            ItemField(Zone, Item, ElementIndex(Item, k))
                .Field->SetAsString(DecodeText(Trame, Offset, Item.Width));
        }
        return;
    case TPayloadKind::Constant:
    case TPayloadKind::Skip:
    case TPayloadKind::Raw:
        return;
    }
}

} // namespace

int TPayloadLayout::Encode(const TZoneCPS& Zone, TByteArray& Trame, int Start) const {
    int position = Start;
    return Encode(Zone, Trame, Start, position);
}

int TPayloadLayout::Encode(const TZoneCPS& Zone, TByteArray& Trame, int Start,
                           int& Position) const {
    Position = Start;
    for (std::size_t i = 0; i < FItems.size(); ++i)
        EncodeItem(Zone, Trame, Start, FItems, i, Position);
    return Start + FSize;
}

int TPayloadLayout::Decode(TZoneCPS& Zone, const TByteArray& Trame, int Start, int& Offset) const {
    Offset = Start;
    for (const TPayloadItem& item : FItems)
        DecodeItem(Zone, Trame, Start, item, Offset);
    return FSize;
}

TErreurSerie TPayloadLayout::DecodeZone(TZoneCPS& Zone, const TByteArray& Trame,
                                        int LngTrame) const {
    return DecodeIntoCopy(Zone, Trame, LngTrame,
                          [this](TZoneCPS& Copy, const TByteArray& Data, int& Offset) {
                              return Decode(Copy, Data, 0, Offset);
                          });
}

void TPayloadLayout::CopyMembers(TZoneCPS& Dest, const TZoneCPS& Source) const {
    for (const TPayloadItem& item : FItems)
        if (item.Member != nullptr && item.Member->Copy != nullptr)
            item.Member->Copy(Dest, Source);
}

} // namespace g20seq
