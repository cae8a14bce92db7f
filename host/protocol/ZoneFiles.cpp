#include "protocol/ZoneFiles.h"

#include "protocol/TableG20.h"
#include <g20seq/support/ByteArray.h>

#include <algorithm>
#include <array>
#include <iterator>

namespace g20seq::host {

namespace {

struct TPrefixVariante {
    const char* Prefix;
    TVariante Variante;
};

// "GA" names the AC controller, "GM" the medium-frequency one.
constexpr std::array<TPrefixVariante, 2> Prefixes = {
    {{"GA", TVariante::AC}, {"GM", TVariante::MF}}};

// In-file types of the memory map that a complete image does not always hold: the older
// process link (an older image holds it instead of the newer one, which is read from it),
// and the learning zones, which only medium-frequency controllers have.
struct TTypeFacultatif {
    TTypeZones TypeZone;
    TVariante SeulementSur; // Inconnue: on no controller
};
constexpr std::array<TTypeFacultatif, 2> TypesFacultatifs = {
    {{PrcLienProcess, TVariante::Inconnue}, {PrcApprentissage, TVariante::MF}}};

bool HasBlock(const THeaderMap& Blocs, TTypeZones TypeZone, int Numero) {
    const auto type = Blocs.find(static_cast<int>(TypeZone));
    return type != Blocs.end() && type->second.count(Numero) > 0;
}

// The data of block (Type, Numero) as the file holds it (at most a payload buffer); false
// when the file has no such block.
bool LireBloc(TKevCustomFileStream& File, int Type, int Numero, std::vector<Byte>& Data) {
    if (!File.SearchBlocHeader(Type, Numero))
        return false;
    Data.resize(static_cast<std::size_t>(
        std::clamp<std::int32_t>(File.GetLastBlocHeader().DataSize, 0, MaxBuffer)));
    Data.resize(static_cast<std::size_t>(File.Read(Data.data(), static_cast<int>(Data.size()))));
    return true;
}

} // namespace

bool ZoneDuControleur(TTypeZones TypeZone, TVariante Variante) {
    const auto facultatif =
        std::find_if(TypesFacultatifs.begin(), TypesFacultatifs.end(),
                     [&](const TTypeFacultatif& f) { return f.TypeZone == TypeZone; });
    return facultatif == TypesFacultatifs.end() || facultatif->SeulementSur == Variante;
}

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
    std::map<Int64, std::pair<int, int>> parPosition;
    for (const auto& [type, numbers] : stream->GetHeaderMap()) {
        summary.BlocsParType[type] = static_cast<int>(numbers.size());
        summary.Blocs += static_cast<int>(numbers.size());
        for (const auto& [numero, offset] : numbers)
            parPosition[offset] = {type, numero};
    }
    for (auto bloc = parPosition.begin(); bloc != parPosition.end(); ++bloc) {
        const auto suivant = std::next(bloc);
        const Int64 fin = suivant == parPosition.end() ? stream->Size() : suivant->first;
        const auto [type, numero] = bloc->second;
        const Int64 taille = stream->SearchBlocHeader(type, numero)
                                 ? stream->GetLastBlocHeader().DataSize
                                 : Int64{0};
        summary.Octets[bloc->second] =
            std::max<Int64>(0, std::min(taille, fin - bloc->first - TBlocHeader::Size));
    }
    return summary;
}

std::vector<std::pair<int, int>> BlocsAbsentsOuCourts(const TZoneFileSummary& Image,
                                                      const TZoneFileSummary& Reference) {
    std::vector<std::pair<int, int>> blocs;
    for (const auto& [bloc, octets] : Reference.Octets) {
        const auto image = Image.Octets.find(bloc);
        if (image == Image.Octets.end() || image->second < octets)
            blocs.push_back(bloc);
    }
    return blocs;
}

std::vector<std::pair<int, int>> BlocsDifferents(const std::string& Image,
                                                 const std::string& Reference) {
    const auto image = OpenZoneFile(Image, false);
    const auto reference = OpenZoneFile(Reference, false);
    std::vector<std::pair<int, int>> differents;
    std::vector<Byte> donneesImage;
    std::vector<Byte> donneesReference;
    for (const auto& [type, numeros] : reference->GetHeaderMap())
        for (const auto& [numero, offset] : numeros)
            if (!LireBloc(*reference, type, numero, donneesReference) ||
                !LireBloc(*image, type, numero, donneesImage) || donneesImage != donneesReference)
                differents.emplace_back(type, numero);
    return differents;
}

std::vector<std::pair<TTypeZones, int>> MissingZones(const TKevCustomFileStream& File,
                                                     const std::string& NomStation) {
    const TVariante variante = VarianteOfName(NomStation);
    const THeaderMap& blocs = File.GetHeaderMap();
    std::vector<std::pair<TTypeZones, int>> manquantes;
    for (const TZoneProtocoleRow& row : G20Zones) {
        if (!row.InFile || !ZoneDuControleur(row.TypeZone, variante))
            continue;
        for (int numero = 0; numero < std::max(row.Zones, 1); ++numero) {
            const bool ancienLien =
                row.TypeZone == PrcLienProcessAvance && HasBlock(blocs, PrcLienProcess, numero);
            if (!HasBlock(blocs, row.TypeZone, numero) && !ancienLien)
                manquantes.emplace_back(row.TypeZone, numero);
        }
    }
    return manquantes;
}

std::optional<std::pair<int, int>> BlockPastEnd(TKevCustomFileStream& File) {
    std::optional<std::pair<int, int>> dernier;
    Int64 position = -1;
    for (const auto& [type, numeros] : File.GetHeaderMap())
        for (const auto& [numero, offset] : numeros)
            if (offset > position) {
                position = offset;
                dernier = std::pair(type, numero);
            }
    if (!dernier || !File.SearchBlocHeader(dernier->first, dernier->second))
        return std::nullopt;
    const Int64 fin = position + TBlocHeader::Size + File.GetLastBlocHeader().DataSize;
    return fin > File.Size() ? dernier : std::nullopt;
}

} // namespace g20seq::host
