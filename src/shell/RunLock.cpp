#include "shell/RunLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

TRunLock::TState TRunLock::Acquire(const std::string& path)
{
    Release();
    // The copy before may remove the file between our open and our lock; the
    // lock counts only on the file that still carries the name.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return lsFailed;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int err = errno;
            ::close(fd);
            return err == EWOULDBLOCK ? lsBusy : lsFailed;
        }
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev
            && opened.st_ino == named.st_ino) {
            fd_ = fd;
            path_ = path;
            return lsHeld;
        }
        ::close(fd);
    }
    return lsFailed;
}

void TRunLock::Release()
{
    if (fd_ < 0)
        return;
    // Removed while still locked, so no other copy can lock the old file.
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    path_.clear();
}

} // namespace vorn
