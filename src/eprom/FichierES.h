#pragma once

#include "support/Types.h"

#include <cstddef>

#include <sys/types.h>

namespace g20seq {

// The raw file calls of zone file streams, on an open descriptor: read and write at an
// offset, size, flush to the disk, truncate. The answers follow the system calls: a byte
// count or -1, 0 or -1, with errno set on failure. A stream takes the access installed when
// it is opened and keeps it; the default one calls the system.
class TFichierES {
public:
    virtual ~TFichierES() = default;
    virtual ssize_t ReadAt(int Handle, void* Buffer, std::size_t Count, Int64 Offset) = 0;
    virtual ssize_t WriteAt(int Handle, const void* Buffer, std::size_t Count, Int64 Offset) = 0;
    // The size of the file, -1 on failure.
    virtual Int64 Size(int Handle) = 0;
    virtual int Sync(int Handle) = 0;
    virtual int Truncate(int Handle, Int64 Length) = 0;
};

// The access that calls the system.
TFichierES& FichierESSysteme();

// The access streams opened from now on use; never null.
TFichierES& FichierESCourant();
// Installs the access of the streams opened from now on (nullptr: the system's again) and
// answers the one it replaces. Tests install faulty ones; the access must outlive the
// streams opened with it.
TFichierES* InstalleFichierES(TFichierES* Acces);

} // namespace g20seq
