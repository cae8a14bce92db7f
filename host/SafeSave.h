// Safe saving of the user's files: the host never rewrites an image in place.
//
// A TSafeSave opens a working file next to the target (same directory, so the final
// rename stays on one file system), optionally starting as a byte copy of the target.
// The caller lets the EPROM work on the working file, closes it, and commits: the
// working file is flushed to the disk, renamed over the target and the directory is
// flushed too. Any failure before the rename, or a TSafeSave destroyed without commit,
// removes the working file and leaves the target byte-for-byte as it was.
//
// While it lives, a TSafeSave of an image holds the image's lock (TImageLock) from before
// the copy of the target until after the commit, so the read-change-commit cycles of two
// commands never interleave; under the lock it removes the working files that a command
// killed before its commit left behind. The working file is checked to be the file it
// created (not a link or another file put in its place) whenever it is reopened by name.
#pragma once

#include "ImageLock.h"

#include <memory>
#include <stdexcept>
#include <string>

#include <sys/types.h>

namespace g20seq::host {

// A file of the user that cannot be read, written, flushed or renamed.
class EHostIOError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSafeSave {
public:
    enum class TStart { Empty, CopyOfTarget };
    // Images and reference files are locked; texts the host writes for itself (settings,
    // exports) are not, so no lock file is left beside them. A working copy that stays open
    // for a whole session (the studio's) is locked by its caller around the commit only; it
    // is named apart, so that the commands which clear leftovers under the lock keep it.
    enum class TLocking { Exclusive, None, ByCaller };

    // Takes the lock, then creates the working file; raises EHostIOError when the lock
    // cannot be had, the directory cannot hold the working file or the target cannot be
    // copied (nothing is left behind then).
    TSafeSave(std::string Target, TStart Start, TLocking Locking = TLocking::Exclusive);
    // Removes the working file unless it was committed.
    ~TSafeSave();
    TSafeSave(const TSafeSave&) = delete;
    TSafeSave& operator=(const TSafeSave&) = delete;

    const std::string& Target() const { return FTarget; }
    const std::string& WorkingFile() const { return FWorkingFile; }
    bool Committed() const { return FCommitted; }

    // Flushes the working file, renames it over the target and flushes the directory.
    // Raises EHostIOError; a failure before the rename removes the working file.
    void Commit();
    // Removes the working file now (nothing happens after a commit).
    void Discard();
    // Raises EHostIOError unless the working file is still the regular file this save
    // created (same device and inode, not a symbolic link).
    void CheckWorkingFile();

    // Writes Bytes as the whole new content of Path, through a working file.
    static void WriteFile(const std::string& Path, const std::string& Bytes);

private:
    void RemoveLeftovers() const;
    void CopyTarget(int WorkingHandle);
    [[noreturn]] void Fail(const std::string& What, const std::string& Path, int Error);

    std::string FTarget;
    std::string FDirectory;
    std::unique_ptr<TImageLock> FLock;
    std::string FWorkingFile;
    dev_t FWorkingDevice = 0;
    ino_t FWorkingInode = 0;
    bool FCommitted = false;
};

} // namespace g20seq::host
