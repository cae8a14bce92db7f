// Safe saving of the user's files: the host never rewrites an image in place.
//
// A TSafeSave opens a working file next to the target (same directory, so the final
// rename stays on one file system), optionally starting as a byte copy of the target.
// The caller lets the EPROM work on the working file, closes it, and commits: the
// working file is flushed to the disk, renamed over the target and the directory is
// flushed too. Any failure before the rename, or a TSafeSave destroyed without commit,
// removes the working file and leaves the target byte-for-byte as it was.
#pragma once

#include <stdexcept>
#include <string>

namespace g20seq::host {

// A file of the user that cannot be read, written, flushed or renamed.
class EHostIOError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSafeSave {
public:
    enum class TStart { Empty, CopyOfTarget };

    // Creates the working file; raises EHostIOError when the directory cannot hold it or
    // the target cannot be copied (nothing is left behind then).
    TSafeSave(std::string Target, TStart Start);
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

    // Writes Bytes as the whole new content of Path, through a working file.
    static void WriteFile(const std::string& Path, const std::string& Bytes);

private:
    void CopyTarget(int WorkingHandle);
    [[noreturn]] void Fail(const std::string& What, const std::string& Path, int Error);

    std::string FTarget;
    std::string FDirectory;
    std::string FWorkingFile;
    bool FCommitted = false;
};

} // namespace g20seq::host
