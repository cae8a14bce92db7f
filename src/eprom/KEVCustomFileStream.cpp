#include "eprom/KEVCustomFileStream.h"

#include "model/DataProxy.h"
#include "support/Format.h"
#include "support/TypeZones.h"

namespace g20seq {

namespace {

std::string ZoneTypeText(int TypeZone) {
    return IsValidTypeZone(TypeZone) ? TypeZoneName(static_cast<TTypeZones>(TypeZone))
                                     : IntToStr(TypeZone);
}

} // namespace

TKevCustomFileStream::TKevCustomFileStream(const std::string& Name, Word Mode,
                                           bool TestIdentification)
    : TKevCustomFileStream(Name, Mode, TestIdentification, StreamClassName) {}

TKevCustomFileStream::TKevCustomFileStream(const std::string& Name, Word Mode,
                                           bool TestIdentification,
                                           const std::string& ExpectedClassName)
    : TKEVFileStream(Name, Mode, TestIdentification, ExpectedClassName) {}

std::string TKevCustomFileStream::ClassName() const {
    return StreamClassName;
}

bool TKevCustomFileStream::ReadZone(int TypeZone, int NumeroZone, TByteArray& Buffer,
                                    int BufferSize) {
    TLockGuard guard(FFileAcessLock);
    if (!SearchBlocHeader(TypeZone, NumeroZone))
        return false;
    ReadBloc(TypeZone, BufferSize, Buffer);
    return true;
}

void TKevCustomFileStream::WriteZone(int TypeZone, int NumeroZone, const TByteArray& Buffer,
                                     int BufferSize) {
    TLockGuard guard(FFileAcessLock);
    WriteBloc(TypeZone, NumeroZone, Buffer, BufferSize);
}

bool TKevCustomFileStream::ReplaceZone(int TypeZone, int NumeroZone, const TByteArray& Buffer,
                                       int BufferSize) {
    TLockGuard guard(FFileAcessLock);
    if (SearchBlocHeader(TypeZone, NumeroZone)) {
        ReplaceBloc(TypeZone, NumeroZone, Buffer, BufferSize);
        return true;
    }
    LogEvent(this, "ReplaceZone", "SearchBlocHeader",
             Format("Pas trouver Zone = %s, Numero = %d, BufferSize = %d", ZoneTypeText(TypeZone),
                    NumeroZone, BufferSize),
             LogAnomaly, CatEprom);
    return false;
}

} // namespace g20seq
