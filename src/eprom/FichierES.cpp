#include "eprom/FichierES.h"

#include <atomic>

#include <sys/stat.h>
#include <unistd.h>

namespace g20seq {

namespace {

class TFichierESSysteme final : public TFichierES {
public:
    ssize_t ReadAt(int Handle, void* Buffer, std::size_t Count, Int64 Offset) override {
        return ::pread(Handle, Buffer, Count, Offset);
    }
    ssize_t WriteAt(int Handle, const void* Buffer, std::size_t Count, Int64 Offset) override {
        return ::pwrite(Handle, Buffer, Count, Offset);
    }
    Int64 Size(int Handle) override {
        struct stat status {};
        return ::fstat(Handle, &status) == 0 ? static_cast<Int64>(status.st_size) : -1;
    }
    int Sync(int Handle) override { return ::fsync(Handle); }
    int Truncate(int Handle, Int64 Length) override { return ::ftruncate(Handle, Length); }
};

std::atomic<TFichierES*> Installe{nullptr};

} // namespace

TFichierES& FichierESSysteme() {
    static TFichierESSysteme systeme;
    return systeme;
}

TFichierES& FichierESCourant() {
    TFichierES* acces = Installe.load(std::memory_order_acquire);
    return acces != nullptr ? *acces : FichierESSysteme();
}

TFichierES* InstalleFichierES(TFichierES* Acces) {
    return Installe.exchange(Acces, std::memory_order_acq_rel);
}

} // namespace g20seq
