// Position of a virtual operation in the virtual table of its class.
//
// The host calls the operations of the EPROM, of zones and of fields by their place in the
// table, so tests pin the declaration order. Under the Itanium C++ ABI (GCC and Clang on
// x86-64) a pointer to a virtual member function holds (offset in the table + 1) in its
// first word and the this-adjustment in its second; a pointer to a non-virtual function
// holds the (even) function address instead.
#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

namespace g20seq::testkit {

// Byte offset of the operation in the primary virtual table of C, or -1 when the
// operation is not virtual. Consecutive operations differ by sizeof(void*).
template <class C, class F> std::ptrdiff_t VtableSlot(F C::*pmf) {
    static_assert(sizeof(pmf) == 2 * sizeof(std::ptrdiff_t), "Itanium member pointer expected");
    std::ptrdiff_t words[2];
    std::memcpy(words, &pmf, sizeof words);
    if ((words[0] & 1) == 0)
        return -1;
    return words[0] - 1;
}

// The slots of several operations, in the order given.
template <class... P> std::vector<std::ptrdiff_t> VtableSlots(P... pmfs) {
    return {VtableSlot(pmfs)...};
}

// Index of the first slot that does not directly follow its predecessor, or -1.
inline int FirstGap(const std::vector<std::ptrdiff_t>& Slots) {
    for (std::size_t i = 1; i < Slots.size(); ++i)
        if (Slots[i] != Slots[i - 1] + static_cast<std::ptrdiff_t>(sizeof(void*)))
            return static_cast<int>(i);
    return -1;
}

} // namespace g20seq::testkit
