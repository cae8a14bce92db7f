#pragma once

#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <iterator>

namespace g20seq {

// A set of zone types: bit n stands for zone type n (0..159). Any zone type outside
// 0..159 given to an operation raises ERangeError. Iteration yields the members in
// increasing order.
class TSetOfTypesZones {
public:
    static constexpr int Size = 160;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = int;
        using difference_type = std::ptrdiff_t;
        using pointer = const int*;
        using reference = int;

        const_iterator() = default;
        int operator*() const { return FPos; }
        const_iterator& operator++();
        const_iterator operator++(int);
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.FPos == b.FPos;
        }

    private:
        friend class TSetOfTypesZones;
        const_iterator(const TSetOfTypesZones* set, int pos);
        void SkipAbsent();

        const TSetOfTypesZones* FSet = nullptr;
        int FPos = Size;
    };
    using iterator = const_iterator;

    TSetOfTypesZones() = default;
    TSetOfTypesZones(std::initializer_list<int> types);

    void Include(int type);
    void Exclude(int type);
    bool Contains(int type) const;
    // Includes every zone type from first to last, both included; nothing when last < first.
    void IncludeRange(int first, int last);
    int Count() const { return static_cast<int>(FBits.count()); }
    bool Empty() const { return FBits.none(); }

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, Size); }

    friend bool operator==(const TSetOfTypesZones& a, const TSetOfTypesZones& b) {
        return a.FBits == b.FBits;
    }
    // Intersection, union and difference.
    friend TSetOfTypesZones operator*(const TSetOfTypesZones& a, const TSetOfTypesZones& b);
    friend TSetOfTypesZones operator+(const TSetOfTypesZones& a, const TSetOfTypesZones& b);
    friend TSetOfTypesZones operator-(const TSetOfTypesZones& a, const TSetOfTypesZones& b);

private:
    static std::size_t Bit(int type);

    std::bitset<Size> FBits;
};

} // namespace g20seq
