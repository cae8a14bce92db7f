#include "ImageLock.h"

#include "SafeSave.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace g20seq::host {

namespace {

// Opens (or creates) the lock file without following a symbolic link planted in its place.
// Read access is enough to lock, so every user who may change the image can wait on it.
int OpenLockFile(const std::string& Path) {
    for (;;) {
        const int handle = ::open(Path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (handle >= 0 || errno != EINTR)
            return handle;
    }
}

} // namespace

std::string TImageLock::LockFileOf(const std::string& Target) {
    const std::filesystem::path path(Target);
    const std::string parent = path.parent_path().string();
    return (parent.empty() ? std::string(".") : parent) + "/." + path.filename().string() + ".lock";
}

TImageLock::TImageLock(const std::string& Target, std::chrono::milliseconds Timeout) {
    const std::string path = LockFileOf(Target);
    FHandle = OpenLockFile(path);
    if (FHandle < 0)
        throw EHostIOError("cannot open the lock file '" + path + "': " + std::strerror(errno));
    const auto deadline = std::chrono::steady_clock::now() + Timeout;
    auto pause = std::chrono::milliseconds(2);
    while (::flock(FHandle, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK && error != EINTR) {
            ::close(FHandle);
            throw EHostIOError("cannot lock '" + path + "': " + std::strerror(error));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(FHandle);
            throw EHostIOError("'" + Target + "' is being changed by another command (waited " +
                               std::to_string(Timeout.count() / 1000) + " s for '" + path + "')");
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

TImageLock::~TImageLock() {
    // Closing the last descriptor of the open file releases the lock.
    ::close(FHandle);
}

} // namespace g20seq::host
