// Process link zone-file decoder: arbitrary bytes are decoded as the block of each of the
// three process link layouts. Every block decodes; its texts fit their fields, and
// encoding then decoding again gives the same block. Controller payloads are always
// refused. Anything else (a crash, a leak, an exception) is a finding.
#include "FuzzEprom.h"

#include "support/Latin1.h"
#include "zones/LienProcess.h"

#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

void Exercer(TLienProcess& Lien, const TByteArray& Trame, int Longueur) {
    static TByteArray bloc;
    static TByteArray encore;
    if (Lien.SerialDecode(Trame, Longueur) != SerErrDonnees || Lien.SerialEncode(bloc, 0, 0) != 0)
        __builtin_trap();
    if (Lien.FileDecode(Trame, Longueur) != SerSansErreur)
        __builtin_trap();
    if (static_cast<int>(Utf8Length(Lien.GetCommentaire())) > Lien.TailleCommentaire())
        __builtin_trap();
    bloc.fill(0);
    const int taille = Lien.FileEncode(bloc, 0, 0);
    if (taille != Lien.TailleBloc())
        __builtin_trap();
    Lien.FileDecode(bloc, taille);
    encore.fill(0);
    Lien.FileEncode(encore, 0, 0);
    if (bloc != encore)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TLienProcess lien(nullptr, PrcLienProcess, 1, nullptr);
    static TLienProcessAvance avance(nullptr, PrcLienProcessAvance, 1, nullptr);
    static TLienProcessAvanceG20 g20(nullptr, PrcLienProcessAvance, 1, nullptr);
    const auto [trame, longueur] = Payload(Data, Size);
    for (TLienProcess* zone :
         {static_cast<TLienProcess*>(&lien), static_cast<TLienProcess*>(&avance),
          static_cast<TLienProcess*>(&g20)})
        Exercer(*zone, trame, longueur);
    return 0;
}
