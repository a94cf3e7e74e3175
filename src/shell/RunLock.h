// TRunLock: a file lock that one copy of the program holds while it runs,
// so that a second copy keeps its hands off what the first one writes.  The
// lock is the system's lock on an open file: it ends with the process that
// holds it, however that process ends, so a lock file found unlocked was
// left by a copy that died.
#pragma once

#include <string>

namespace vorn {

class TRunLock {
public:
    enum TState {
        lsHeld,    // this copy holds the lock now
        lsBusy,    // a running copy holds it
        lsFailed,  // the lock file cannot be made or locked
    };

    TRunLock() = default;
    ~TRunLock() { Release(); }
    TRunLock(const TRunLock&) = delete;
    TRunLock& operator=(const TRunLock&) = delete;

    // Takes the lock on the file at path, made when missing; never waits.
    TState Acquire(const std::string& path);
    // Removes the lock file and gives the lock up; nothing when not held.
    void Release();
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    std::string path_;
};

} // namespace vorn
