#pragma once

namespace g20seq {

// A translation key with its default French caption. Arrays of it describe zone types,
// tab sheets and the captions of enumerated values; the members are plain C strings so
// that those arrays can be constexpr tables.
struct TIDZone {
    const char* IDZone;
    const char* Libelle;
};

} // namespace g20seq
