#pragma once

#include <cstdint>
#include <initializer_list>

namespace g20seq {

// A set of the values of a small enumeration (at most 32 values), stored as a 32-bit mask
// with bit n standing for the value of ordinal n.
template <typename E> class TEnumSet {
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> Values) {
        for (E value : Values)
            Include(value);
    }

    constexpr void Include(E Value) { FBits |= Bit(Value); }
    constexpr void Exclude(E Value) { FBits &= ~Bit(Value); }
    constexpr bool Contains(E Value) const { return (FBits & Bit(Value)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr std::uint32_t Bits() const { return FBits; }

    friend constexpr bool operator==(const TEnumSet& A, const TEnumSet& B) = default;

private:
    static constexpr std::uint32_t Bit(E Value) {
        return std::uint32_t{1} << static_cast<unsigned>(Value);
    }

    std::uint32_t FBits = 0;
};

} // namespace g20seq
