// Typed identity of a field.
//
// Each field identifier of a zone family is declared once, as a handle, in the family's
// header under src/zones/ ("...Fields.h"). A handle carries the identifier text (the
// field's FieldID, also its caption key, used where a host or a file meets the field) and
// the field's slot in its family: zones register their fields by handle, keep them in a
// slot-indexed table and resolve a handle by index, never by comparing texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace g20seq {

// The zone families whose fields have handles. A handle of one family never resolves in
// a zone of another: it then falls back to its identifier.
enum class TFieldFamily : std::uint8_t {
    None,
    Programme,
    Configuration,
    Electrode,
    LienProcess,
    Fraise,
    AssignationPoints
};

class TFieldHandle {
public:
    constexpr TFieldHandle() = default;
    constexpr TFieldHandle(TFieldFamily Family, std::uint16_t Slot, const char* ID)
        : FID(ID), FFamily(Family), FSlot(Slot) {}

    // The field's identifier (FieldID).
    constexpr const char* ID() const { return FID; }
    constexpr TFieldFamily Family() const { return FFamily; }
    constexpr std::size_t Slot() const { return FSlot; }
    // A handle that names no field (payload items without a field).
    constexpr bool Empty() const { return FID == nullptr; }

    constexpr bool operator==(const TFieldHandle& Other) const {
        return FFamily == Other.FFamily && FSlot == Other.FSlot;
    }

private:
    const char* FID = nullptr;
    TFieldFamily FFamily = TFieldFamily::None;
    std::uint16_t FSlot = 0;
};

// Caption of a field: the handle's identifier is the caption key, Libelle the default
// French caption. Zone families describe their field captions as tables of it.
struct TFieldCaption {
    TFieldHandle Field;
    const char* Libelle;
};

// Compile-time check of a family's handle list: slot i holds handle i, identifiers differ.
constexpr bool HandlesInSlotOrder(std::span<const TFieldHandle> Handles) {
    for (std::size_t i = 0; i < Handles.size(); ++i) {
        if (Handles[i].Slot() != i)
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (std::string_view(Handles[i].ID()) == std::string_view(Handles[j].ID()))
                return false;
    }
    return true;
}

} // namespace g20seq
