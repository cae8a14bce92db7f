#include "protocol/ZoneFiles.h"

#include <array>

namespace g20seq::host {

namespace {

struct TPrefixVariante {
    const char* Prefix;
    TVariante Variante;
};

// "GA" names the AC controller, "GM" the medium-frequency one.
constexpr std::array<TPrefixVariante, 2> Prefixes = {
    {{"GA", TVariante::AC}, {"GM", TVariante::MF}}};

} // namespace

std::unique_ptr<TKevCustomFileStream> CreateZoneFile(const std::string& Path) {
    return std::make_unique<TKevCustomFileStream>(Path, fmCreate, false);
}

std::unique_ptr<TKevCustomFileStream> OpenZoneFile(const std::string& Path, bool Writable) {
    const Word mode =
        Writable ? (fmOpenReadWrite | fmShareDenyWrite) : (fmOpenRead | fmShareDenyNone);
    return std::make_unique<TKevCustomFileStream>(Path, mode, false);
}

TVariante VarianteOfName(const std::string& NomStation) {
    for (const TPrefixVariante& prefix : Prefixes)
        if (NomStation.rfind(prefix.Prefix, 0) == 0)
            return prefix.Variante;
    return TVariante::Inconnue;
}

const char* VarianteText(TVariante Variante) {
    switch (Variante) {
    case TVariante::AC:
        return "AC";
    case TVariante::MF:
        return "MF";
    case TVariante::Inconnue:
        break;
    }
    return "unknown";
}

TZoneFileSummary ReadZoneFileSummary(const std::string& Path) {
    const auto stream = OpenZoneFile(Path, false);
    TZoneFileSummary summary;
    summary.Identification = stream->GetIdentification();
    for (const auto& [type, numbers] : stream->GetHeaderMap()) {
        summary.BlocsParType[type] = static_cast<int>(numbers.size());
        summary.Blocs += static_cast<int>(numbers.size());
    }
    return summary;
}

} // namespace g20seq::host
