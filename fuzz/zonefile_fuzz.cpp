// Zone file reader: arbitrary bytes are written to a scratch file, opened as a zone file
// (header checks, block index), and every indexed block is read and rewritten in place with
// the bytes read. Malformed files may raise the system's exceptions; anything else (a
// crash, a leak, a hang, an index entry that does not lead to its block) is a finding.
#include "FuzzEprom.h"

#include "eprom/KEVCustomFileStream.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

void ExerciseBloc(TKevCustomFileStream& Stream, int Type, int Number) {
    if (!Stream.SearchBlocHeader(Type, Number) || Stream.GetLastBlocHeader().DataType != Type ||
        Stream.GetLastBlocHeader().DataNumber != Number)
        __builtin_trap(); // the index leads to a block of another pair
    const int size = Stream.GetLastBlocHeader().DataSize;
    TByteArray buffer{};
    try {
        if (!Stream.ReadZone(Type, Number, buffer, size))
            __builtin_trap();
        Stream.ReplaceZone(Type, Number, buffer, size);
    } catch (const Exception&) {
        // A block cut short or larger than a zone buffer.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string& path = ScratchFile("zonefile-fuzz", Data, Size);
    try {
        TKevCustomFileStream stream(path, fmOpenReadWrite | fmShareExclusive, true);
        (void)stream.GetIdentification();
        for (const auto& [type, numbers] : stream.GetHeaderMap())
            for (const auto& entry : numbers)
                ExerciseBloc(stream, type, entry.first);
    } catch (const Exception&) {
        // A header the checks refuse.
    }
    return 0;
}
