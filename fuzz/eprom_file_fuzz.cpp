// G20 EPROM reading a zone file: arbitrary bytes are written to a scratch file, which a G20
// EPROM takes as its working file and reads the zones the file holds blocks for, the first
// two of each type (header checks, block index, blocks of any size and content, process links of
// the older layout converted and appended; zones without a block only take the missing-block path,
// exercised once per input). Then the first zone read is written back in place. Malformed files
// raise the system's exceptions when they are opened; after that, the EPROM answers every failure
// with false and a log entry, so anything else (a crash, a leak, an exception out of the EPROM, a
// hang) is a finding.
#include "FuzzEprom.h"

#include "eprom/EpromG20.h"
#include "eprom/KEVCustomFileStream.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// The blocks read per zone type: every decoder, the block index and the conversion of
// older blocks meet the file's blocks of each type, without reading the 255 programs of a
// whole image (the same decoder every time) for every input.
constexpr std::size_t MaxZonesParType = 2;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TFuzzProtocole protocole;
    // The parity of the size chooses the controller variant, so that every zone file
    // (the test vectors included) is a seed as it stands.
    const std::string nom = Size % 2 != 0 ? "GM_Fuzz" : "GA_Fuzz";
    const std::string& path = ScratchFile("eprom-file-fuzz", Data, Size);
    std::unique_ptr<TKevCustomFileStream> fichier;
    try {
        fichier =
            std::make_unique<TKevCustomFileStream>(path, fmOpenReadWrite | fmShareExclusive, true);
    } catch (const Exception&) {
        return 0; // a header the checks refuse
    }
    // Every zone the file holds a block for (a process link also for a block of the older
    // layout), and the first program and process link in any case.
    std::set<std::pair<int, int>> lues{{PrcProgrammes, 0}, {PrcLienProcessAvance, 0}};
    for (const auto& [type, numbers] : fichier->GetHeaderMap()) {
        std::size_t parType = 0;
        for (const auto& entry : numbers)
            if (parType++ < MaxZonesParType)
                lues.emplace(type == PrcLienProcess ? PrcLienProcessAvance : type, entry.first);
    }
    const std::unique_ptr<TEpromG20> eprom = TEpromG20::New(nom, &protocole);
    if (!eprom->ReadFromFile(fichier.release()))
        __builtin_trap();
    std::vector<TCustomZoneCPS*> zones;
    for (const auto& [type, numero] : lues)
        if (IsValidTypeZone(type))
            if (TCustomZoneCPS* zone =
                    eprom->GetPhysicalZone(static_cast<TTypeZones>(type), numero, true))
                zones.push_back(zone);
    if (!zones.empty())
        eprom->SaveZoneToFile(zones.front());
    for (TCustomZoneCPS* zone : zones)
        eprom->ReleasePhysicalZone(zone);
    return 0;
}
