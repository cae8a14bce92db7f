// The zone file streams the host opens before it hands them to an EPROM (which owns them
// from then on), and what the host reads from a zone file without an EPROM.
#pragma once

#include <g20seq/eprom/KEVCustomFileStream.h>
#include <g20seq/support/TypeZones.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace g20seq::host {

// A new, empty zone file (an existing file is emptied). Raises the stream's errors.
std::unique_ptr<TKevCustomFileStream> CreateZoneFile(const std::string& Path);
// An existing zone file, read-only or for reading and writing; the header is checked
// (format, checksum, class name) and the blocks indexed. Raises the stream's errors: the
// module's messages ("#TKEVFileStream#...") for a malformed header.
std::unique_ptr<TKevCustomFileStream> OpenZoneFile(const std::string& Path, bool Writable);

// Controller variant of a station, from the prefix of its name.
enum class TVariante { AC, MF, Inconnue };
TVariante VarianteOfName(const std::string& NomStation);
const char* VarianteText(TVariante Variante);
// Whether a controller of Variante holds zones of TypeZone: every type of the memory map
// but the older process link (on no controller) and the learning zones (MF only).
bool ZoneDuControleur(TTypeZones TypeZone, TVariante Variante);

// What a zone file holds: its identification (the first characters of the station name),
// the number of blocks of every zone type and the bytes of data of every block (type,
// number) that the file really holds: its size, cut at the next block or the end of file.
struct TZoneFileSummary {
    std::string Identification;
    std::map<int, int> BlocsParType;
    int Blocs = 0;
    std::map<std::pair<int, int>, Int64> Octets;
};
// Reads the summary of a zone file (read-only). Raises the stream's errors.
TZoneFileSummary ReadZoneFileSummary(const std::string& Path);
// The blocks of Reference that Image has no block of, or holds fewer bytes of, in (type,
// number) order: the zones a comparison of Image with Reference cannot read whole.
std::vector<std::pair<int, int>> BlocsAbsentsOuCourts(const TZoneFileSummary& Image,
                                                      const TZoneFileSummary& Reference);
// The blocks of Reference whose data Image holds otherwise (other bytes or another size),
// or does not hold, in (type, number) order, read raw from both files without an EPROM. A
// zone whose block is the same in both reads the same values from both.
std::vector<std::pair<int, int>> BlocsDifferents(const std::string& Image,
                                                 const std::string& Reference);

// The zones a complete image of station NomStation holds and File has no block of, in
// memory map order: what a file cut at a block boundary lacks. The module would read such
// zones with their default values, silently.
std::vector<std::pair<TTypeZones, int>> MissingZones(const TKevCustomFileStream& File,
                                                     const std::string& NomStation);
// The zone (type, number) of File's last block when that block claims more bytes than
// the file has; the blocks before it are bounded by the ones that follow them.
std::optional<std::pair<int, int>> BlockPastEnd(TKevCustomFileStream& File);

} // namespace g20seq::host
