// The lock that serialises the commands changing one file of the user.
//
// A command that changes an image (or a reference file) holds an exclusive lock on a lock
// file beside it, ".<name>.lock" in the same directory, for its whole read-change-commit
// cycle, so that two commands started at once never lose one of the changes. The lock is
// never taken on the file itself: the commit replaces its inode, and the zone file streams
// keep their share markers in its high bytes. The lock file is created once and never
// removed (removing it would let a waiting command lock a file nobody else sees).
#pragma once

#include <chrono>
#include <string>

namespace g20seq::host {

class TImageLock {
public:
    // How long a command waits for another one to finish before it gives up.
    static constexpr std::chrono::milliseconds DefaultTimeout{30000};

    // Waits up to Timeout for the lock of Target; raises EHostIOError when the lock file
    // cannot be created or another command holds the lock longer.
    explicit TImageLock(const std::string& Target,
                        std::chrono::milliseconds Timeout = DefaultTimeout);
    ~TImageLock();
    TImageLock(const TImageLock&) = delete;
    TImageLock& operator=(const TImageLock&) = delete;

    // ".<name>.lock" beside Target.
    static std::string LockFileOf(const std::string& Target);

private:
    int FHandle = -1;
};

} // namespace g20seq::host
