// A test-only interposer, loaded with LD_PRELOAD into a run of the tool: it counts the
// calls that move data towards the disk (write, pwrite, fsync, fdatasync, rename) and ends
// the process at once, as a power cut would, at the call number G20SEQ_CRASH_AT (from 1).
// Without that variable, or when the run ends first, it changes nothing; with
// G20SEQ_CRASH_COUNT naming a file, a run that ends normally writes there how many such
// calls it made. It is never part of a shipped program.
#include <dlfcn.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<long> Calls{0};

long CrashAt() {
    static const long at = [] {
        const char* text = std::getenv("G20SEQ_CRASH_AT");
        return text == nullptr ? 0L : std::atol(text);
    }();
    return at;
}

// Counts one call; ends the process when it is the chosen one.
void Tick() {
    const long call = ++Calls;
    if (call == CrashAt())
        ::_exit(86);
}

template <typename F> F Next(const char* Name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, Name));
}

// Writes the number of calls for the test, at the normal end of the run.
__attribute__((destructor)) void WriteCount() {
    const char* path = std::getenv("G20SEQ_CRASH_COUNT");
    if (path == nullptr)
        return;
    const long calls = Calls.load();
    if (std::FILE* file = std::fopen(path, "w")) {
        std::fprintf(file, "%ld\n", calls);
        std::fclose(file);
    }
}

} // namespace

extern "C" {

ssize_t write(int Handle, const void* Data, size_t Count) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    Tick();
    return next(Handle, Data, Count);
}

ssize_t pwrite(int Handle, const void* Data, size_t Count, off_t Offset) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    Tick();
    return next(Handle, Data, Count, Offset);
}

ssize_t pwrite64(int Handle, const void* Data, size_t Count, off_t Offset) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite64");
    Tick();
    return next(Handle, Data, Count, Offset);
}

int fsync(int Handle) {
    static const auto next = Next<int (*)(int)>("fsync");
    Tick();
    return next(Handle);
}

int fdatasync(int Handle) {
    static const auto next = Next<int (*)(int)>("fdatasync");
    Tick();
    return next(Handle);
}

int rename(const char* From, const char* To) {
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    Tick();
    return next(From, To);
}

} // extern "C"
