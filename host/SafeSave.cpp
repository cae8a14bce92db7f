#include "SafeSave.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace g20seq::host {

namespace {

std::string DirectoryOf(const std::string& Path) {
    const std::string parent = std::filesystem::path(Path).parent_path().string();
    return parent.empty() ? "." : parent;
}

// Permissions of the file that replaces Target: those of Target, or the defaults of a new
// file under the process's umask.
mode_t ModeFor(const std::string& Target) {
    struct stat status {};
    if (::stat(Target.c_str(), &status) == 0)
        return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Flushes a file or directory to the disk; answers errno, 0 on success.
int SyncPath(const std::string& Path, int Flags) {
    const int handle = ::open(Path.c_str(), Flags | O_CLOEXEC);
    if (handle < 0)
        return errno;
    const int result = ::fsync(handle) == 0 ? 0 : errno;
    ::close(handle);
    return result;
}

bool WriteAll(int Handle, const char* Data, std::size_t Count) {
    while (Count > 0) {
        const ssize_t written = ::write(Handle, Data, Count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        Data += written;
        Count -= static_cast<std::size_t>(written);
    }
    return true;
}

// Working files of Target are ".<name>.g20seq-" followed by six characters of mkstemp;
// session copies carry a mark before them.
constexpr const char* SessionMark = "session-";

std::string WorkingPrefix(const std::string& Target) {
    return "." + std::filesystem::path(Target).filename().string() + ".g20seq-";
}

} // namespace

TSafeSave::TSafeSave(std::string Target, TStart Start, TLocking Locking)
    : FTarget(std::move(Target)), FDirectory(DirectoryOf(FTarget)) {
    // A target to copy must exist before its lock file is made beside it.
    if (Start == TStart::CopyOfTarget && ::access(FTarget.c_str(), F_OK) != 0)
        throw EHostIOError("cannot open '" + FTarget + "': " + std::strerror(errno));
    if (Locking == TLocking::Exclusive) {
        FLock = std::make_unique<TImageLock>(FTarget);
        RemoveLeftovers();
    }
    std::string pattern = FDirectory + "/" + WorkingPrefix(FTarget) +
                          (Locking == TLocking::ByCaller ? SessionMark : "") + "XXXXXX";
    const int handle = ::mkstemp(pattern.data());
    if (handle < 0)
        throw EHostIOError("cannot create a working file in '" + FDirectory +
                           "': " + std::strerror(errno));
    FWorkingFile = pattern;
    struct stat created {};
    if (::fstat(handle, &created) != 0) {
        const int error = errno;
        ::close(handle);
        Fail("cannot examine", FWorkingFile, error);
    }
    FWorkingDevice = created.st_dev;
    FWorkingInode = created.st_ino;
    if (::fchmod(handle, ModeFor(FTarget)) != 0) {
        const int error = errno;
        ::close(handle);
        Fail("cannot set the permissions of", FWorkingFile, error);
    }
    if (Start == TStart::CopyOfTarget)
        CopyTarget(handle);
    if (::close(handle) != 0)
        Fail("cannot write", FWorkingFile, errno);
}

TSafeSave::~TSafeSave() {
    Discard();
}

void TSafeSave::CopyTarget(int WorkingHandle) {
    const int source = ::open(FTarget.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) {
        const int error = errno;
        ::close(WorkingHandle);
        Fail("cannot open", FTarget, error);
    }
    std::vector<char> chunk(1 << 16);
    for (;;) {
        const ssize_t count = ::read(source, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0)
            break;
        if (count < 0 || !WriteAll(WorkingHandle, chunk.data(), static_cast<std::size_t>(count))) {
            const int error = errno;
            ::close(source);
            ::close(WorkingHandle);
            Fail(count < 0 ? "cannot read" : "cannot write", count < 0 ? FTarget : FWorkingFile,
                 error);
        }
    }
    ::close(source);
}

// Only called under the lock: no other command is working on a file of the target then, so
// every working file of the target belongs to a command that ended before its commit.
void TSafeSave::RemoveLeftovers() const {
    const std::string prefix = WorkingPrefix(FTarget);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FDirectory, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            ::unlink(entry.path().c_str());
    }
}

void TSafeSave::CheckWorkingFile() {
    struct stat current {};
    if (::lstat(FWorkingFile.c_str(), &current) != 0)
        Fail("cannot examine", FWorkingFile, errno);
    if (!S_ISREG(current.st_mode) || current.st_dev != FWorkingDevice ||
        current.st_ino != FWorkingInode)
        Fail("the working file was replaced:", FWorkingFile, EEXIST);
}

void TSafeSave::Commit() {
    if (FCommitted)
        return;
    CheckWorkingFile();
    if (const int error = SyncPath(FWorkingFile, O_RDONLY | O_NOFOLLOW))
        Fail("cannot flush", FWorkingFile, error);
    if (::rename(FWorkingFile.c_str(), FTarget.c_str()) != 0)
        Fail("cannot replace", FTarget, errno);
    FCommitted = true;
    if (const int error = SyncPath(FDirectory, O_RDONLY | O_DIRECTORY))
        throw EHostIOError("saved '" + FTarget +
                           "' but cannot flush its directory: " + std::strerror(error));
}

void TSafeSave::Discard() {
    if (!FCommitted && !FWorkingFile.empty())
        ::unlink(FWorkingFile.c_str());
    FWorkingFile.clear();
}

void TSafeSave::Fail(const std::string& What, const std::string& Path, int Error) {
    Discard();
    throw EHostIOError(What + " '" + Path + "': " + std::strerror(Error));
}

void TSafeSave::WriteFile(const std::string& Path, const std::string& Bytes) {
    TSafeSave save(Path, TStart::Empty, TLocking::None);
    const int handle =
        ::open(save.WorkingFile().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
    if (handle < 0)
        save.Fail("cannot open", save.WorkingFile(), errno);
    save.CheckWorkingFile();
    const bool written = WriteAll(handle, Bytes.data(), Bytes.size());
    const int error = errno;
    if (::close(handle) != 0 || !written)
        save.Fail("cannot write", save.WorkingFile(), written ? errno : error);
    save.Commit();
}

} // namespace g20seq::host
