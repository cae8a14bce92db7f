// Table-driven payload layouts.
//
// A zone describes its controller payload as a constant table of items, each at a byte
// offset from the start of the zone's payload:
//   Number   an unsigned big-endian integer of 1, 2 or 4 bytes <-> the raw value of a
//            numeric field (a signed field: two's complement, sign-extended when read;
//            an address field: 4 bytes, first dotted part first); with Count > 1, the
//            consecutive elements Index .. Index+Count-1 of an array field, Width bytes each
//   Bits     BitCount bits from bit Bit (0 = least significant) of one byte <-> a raw
//            value. The rows of one bit-packed byte follow each other: the encoder clears
//            the byte at the first of them, then sets the bits row by row
//   Text     Width bytes, one Latin-1 byte per character, padded with Pad (space or 0);
//            read back with trailing blanks and control characters removed
//   Constant Width bytes holding Value (big-endian); skipped by the decoder
//   Skip     Width bytes neither written nor read
//   Raw      Width bytes that a member reads and writes itself (a date and time)
// An item names its field by handle and, for an element of an array field, by the
// element's index, or a member of the zone class through its accessor table
// (TPayloadMember, built by model/PayloadMember.h); a member item is one value (Count 1)
// and its numbers are unsigned. A Skip item of no bytes that names a member travels in no
// payload: it only says that copying the zone copies that member (CopyMembers). Values
// travel as raw values, never scaled. A value that does not fit its bytes or bits, a
// character above 255 or a text longer than its bytes raises ERangeError; a value outside
// its field's limits raises the field's error; any access outside the payload buffer
// raises ERangeError.
#pragma once

#include "model/ErreurSerie.h"
#include "model/FieldHandle.h"
#include "support/ByteArray.h"

#include <span>
#include <string>

namespace g20seq {

class TZoneCPS;

enum class TPayloadKind : Byte { Number, Bits, Text, Constant, Skip, Raw };

// How an item reaches a member of a zone class: the operations the member's kind of value
// supports, the others null. The zone handed in is always of the member's class.
struct TPayloadMember {
    // The value as an unsigned raw number (Number and Bits items).
    Int64 (*Get)(const TZoneCPS& Zone) = nullptr;
    void (*Set)(TZoneCPS& Zone, Int64 Value) = nullptr;
    // The value as UTF-8 text (Text items).
    std::string (*GetText)(const TZoneCPS& Zone) = nullptr;
    void (*SetText)(TZoneCPS& Zone, const std::string& Value) = nullptr;
    // The value as the item's bytes at Trame[Index] (Raw items).
    void (*Write)(const TZoneCPS& Zone, TByteArray& Trame, int Index) = nullptr;
    void (*Read)(TZoneCPS& Zone, const TByteArray& Trame, int Index) = nullptr;
    // Copies the member from Source to Dest, two zones of the member's class; null for a
    // value computed from other members.
    void (*Copy)(TZoneCPS& Dest, const TZoneCPS& Source) =
        nullptr; // Which of the pairs above are set (known while tables are compiled).
    bool Numbers = false;
    bool Texts = false;
    bool Bytes = false;
};

struct TPayloadItem {
    int Offset = 0;
    TPayloadKind Kind = TPayloadKind::Skip;
    // Bytes of one value (numbers, texts), of the constant or of the skipped block.
    int Width = 0;
    TFieldHandle Field;
    // Element of an array field (the first one when Count > 1); -1 for a plain field.
    int Index = -1;
    int Count = 1;
    int Bit = 0;
    int BitCount = 0;
    Byte Pad = ' ';
    LongWord Value = 0;
    // The member the item reads and writes instead of a field.
    const TPayloadMember* Member = nullptr;
    // A text read keeps its trailing blanks and control characters.
    bool KeepBlanks = false;

    // Bytes the item covers.
    constexpr int Length() const { return Kind == TPayloadKind::Bits ? 1 : Width * Count; }
};

// Builders of the table rows.
namespace payload {

constexpr TPayloadItem Number(int Offset, int Width, const TFieldHandle& Field, int Index = -1,
                              int Count = 1) {
    return {Offset, TPayloadKind::Number, Width, Field, Index, Count};
}

constexpr TPayloadItem Bits(int Offset, int Bit, const TFieldHandle& Field, int BitCount = 1,
                            int Index = -1) {
    return {Offset, TPayloadKind::Bits, 1, Field, Index, 1, Bit, BitCount};
}

constexpr TPayloadItem Text(int Offset, int Length, const TFieldHandle& Field, Byte Pad = ' ',
                            int Index = -1, int Count = 1) {
    return {Offset, TPayloadKind::Text, Length, Field, Index, Count, 0, 0, Pad};
}

constexpr TPayloadItem Constant(int Offset, int Width, LongWord Value = 0) {
    return {Offset, TPayloadKind::Constant, Width, {}, -1, 1, 0, 0, ' ', Value};
}

constexpr TPayloadItem Skip(int Offset, int Width) {
    return {Offset, TPayloadKind::Skip, Width, {}};
}

} // namespace payload

class TPayloadLayout {
public:
    // The payload size is the end of the item that ends last.
    constexpr explicit TPayloadLayout(std::span<const TPayloadItem> Items)
        : FItems(Items), FSize(0) {
        for (const TPayloadItem& item : Items)
            FSize = item.Offset + item.Length() > FSize ? item.Offset + item.Length() : FSize;
    }

    constexpr int Size() const { return FSize; }
    constexpr std::span<const TPayloadItem> Items() const { return FItems; }

    // Writes the zone's fields from Trame[Start] on and answers Start + Size().
    int Encode(const TZoneCPS& Zone, TByteArray& Trame, int Start) const;
    // The same; Position holds the index of the item being written, so that a caller
    // that catches a failure knows how far encoding went.
    int Encode(const TZoneCPS& Zone, TByteArray& Trame, int Start, int& Position) const;
    // Reads the fields from Trame[Start] on through their raw setters and answers the
    // number of bytes consumed (Size()); Offset holds the index of the item being read.
    int Decode(TZoneCPS& Zone, const TByteArray& Trame, int Start, int& Offset) const;
    // The whole decode rule: Trame[0..LngTrame-1] into a duplicate of Zone, assigned when
    // it is exactly this layout (DecodeIntoCopy).
    TErreurSerie DecodeZone(TZoneCPS& Zone, const TByteArray& Trame, int LngTrame) const;
    // Copies every member the items name from Source to Dest, two zones of the class the
    // layout describes (computed values excepted); fields are the zone's own business.
    void CopyMembers(TZoneCPS& Dest, const TZoneCPS& Source) const;

private:
    std::span<const TPayloadItem> FItems;
    int FSize;
};

} // namespace g20seq
