#include "support/SetOfTypesZones.h"

#include "support/Exceptions.h"

namespace g20seq {

TSetOfTypesZones::const_iterator::const_iterator(const TSetOfTypesZones* set, int pos)
    : FSet(set), FPos(pos) {
    SkipAbsent();
}

void TSetOfTypesZones::const_iterator::SkipAbsent() {
    while (FPos < Size && !FSet->FBits.test(static_cast<std::size_t>(FPos)))
        ++FPos;
}

TSetOfTypesZones::const_iterator& TSetOfTypesZones::const_iterator::operator++() {
    ++FPos;
    SkipAbsent();
    return *this;
}

TSetOfTypesZones::const_iterator TSetOfTypesZones::const_iterator::operator++(int) {
    const_iterator before = *this;
    ++*this;
    return before;
}

TSetOfTypesZones::TSetOfTypesZones(std::initializer_list<int> types) {
    for (const int type : types)
        Include(type);
}

std::size_t TSetOfTypesZones::Bit(int type) {
    if (type < 0 || type >= Size)
        throw ERangeError();
    return static_cast<std::size_t>(type);
}

void TSetOfTypesZones::Include(int type) {
    FBits.set(Bit(type));
}

void TSetOfTypesZones::Exclude(int type) {
    FBits.reset(Bit(type));
}

bool TSetOfTypesZones::Contains(int type) const {
    return FBits.test(Bit(type));
}

void TSetOfTypesZones::IncludeRange(int first, int last) {
    if (last < first)
        return;
    Bit(first);
    Bit(last);
    for (int type = first; type <= last; ++type)
        FBits.set(static_cast<std::size_t>(type));
}

TSetOfTypesZones operator*(const TSetOfTypesZones& a, const TSetOfTypesZones& b) {
    TSetOfTypesZones result;
    result.FBits = a.FBits & b.FBits;
    return result;
}

TSetOfTypesZones operator+(const TSetOfTypesZones& a, const TSetOfTypesZones& b) {
    TSetOfTypesZones result;
    result.FBits = a.FBits | b.FBits;
    return result;
}

TSetOfTypesZones operator-(const TSetOfTypesZones& a, const TSetOfTypesZones& b) {
    TSetOfTypesZones result;
    result.FBits = a.FBits & ~b.FBits;
    return result;
}

} // namespace g20seq
