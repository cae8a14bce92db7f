// Result codes of every zone decode and of the host's communication layer.
//
// The zone codecs of the module produce only SerSansErreur (success), SerErrFonction
// (the zone class has no such codec), SerErrDonnees (payload refused) and SerErrZoneRead
// (the zone is never read from a file); the other codes come from the host's
// communication layer and are passed through by the callers. The numeric value of each
// code is its position and is part of the contract with the host.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace g20seq {

enum TErreurSerie : std::uint8_t {
    SerSansErreur,
    SerErrRequeteInterdite,
    SerErreurRS485,
    SerErreurCRC,
    SerErreurAdresse,
    SerErreurAdresseReponse,
    SerErrCoffretFonction,
    SerErrCoffretAdresse,
    SerErrCoffretDonnees,
    SerErrCoffretNonPret,
    SerErrCoffretEcriture,
    SerErrCoffretChevauchement,
    SerErrCoffretErreur,
    SerErrFonction,
    SerTimeOut,
    SerUnderFlow,
    SerOverFlow,
    SerErrDonnees,
    SerErrAdrWrite,
    SerErrNbrOctetsWrite,
    SerErrNbrOctetsRead,
    SerErrZoneWrite,
    SerErrZoneRead,
    SerErrHardDevice,
};

inline constexpr int ErreurSerieCount = 24;

// Identifier of every code, indexed by its value.
inline constexpr std::array<const char*, ErreurSerieCount> ErreurSerieNames = {
    "SerSansErreur",
    "SerErrRequeteInterdite",
    "SerErreurRS485",
    "SerErreurCRC",
    "SerErreurAdresse",
    "SerErreurAdresseReponse",
    "SerErrCoffretFonction",
    "SerErrCoffretAdresse",
    "SerErrCoffretDonnees",
    "SerErrCoffretNonPret",
    "SerErrCoffretEcriture",
    "SerErrCoffretChevauchement",
    "SerErrCoffretErreur",
    "SerErrFonction",
    "SerTimeOut",
    "SerUnderFlow",
    "SerOverFlow",
    "SerErrDonnees",
    "SerErrAdrWrite",
    "SerErrNbrOctetsWrite",
    "SerErrNbrOctetsRead",
    "SerErrZoneWrite",
    "SerErrZoneRead",
    "SerErrHardDevice",
};

// Identifier of a code ("SerErrDonnees"); a value outside the enumeration gives its
// decimal text.
inline std::string ErreurSerieName(TErreurSerie Code) {
    const auto index = static_cast<std::size_t>(Code);
    return index < ErreurSerieNames.size() ? ErreurSerieNames[index] : std::to_string(index);
}

} // namespace g20seq
