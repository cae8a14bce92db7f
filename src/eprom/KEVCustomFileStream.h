#pragma once

#include "eprom/KEVFileStream.h"
#include "support/ByteArray.h"
#include "support/G20SeqExport.h"
#include "support/Lock.h"

#include <string>

namespace g20seq {

// The zone file as the EPROM uses it: the zone-level operations, each holding the
// stream's lock for its whole duration (search, seek and transfer), so that several
// threads may share one stream. A zone's block holds its file encoding; BufferSize says
// how many bytes of the buffer are meaningful.
class G20SEQ_EXPORT TKevCustomFileStream : public TKEVFileStream {
public:
    static constexpr const char* StreamClassName = "TKevCustomFileStream";

    TKevCustomFileStream(const std::string& Name, Word Mode, bool TestIdentification);

    std::string ClassName() const override;

    // Reads the first block of the zone into Buffer; false when the file has none. A block
    // of another size raises EKEVFileStreamError, a block cut short EReadError.
    bool ReadZone(int TypeZone, int NumeroZone, TByteArray& Buffer, int BufferSize);
    // Appends a block for the zone (found by look-ups after the file is opened again).
    void WriteZone(int TypeZone, int NumeroZone, const TByteArray& Buffer, int BufferSize);
    // Rewrites the zone's first block in place; false (and an anomaly in the event log)
    // when the file has none. Never appends. A block of another size raises
    // EKEVFileStreamError.
    bool ReplaceZone(int TypeZone, int NumeroZone, const TByteArray& Buffer, int BufferSize);

    // The lock of the zone-level operations, for callers that combine several raw stream
    // operations (copying the whole file, rewriting the header) on a shared stream.
    TCriticalSection& FileAccessLock() { return FFileAcessLock; }

protected:
    TKevCustomFileStream(const std::string& Name, Word Mode, bool TestIdentification,
                         const std::string& ExpectedClassName);

private:
    TCriticalSection FFileAcessLock;
};

} // namespace g20seq
