#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(QString name, QString folder)
    : path_(QDir(folder.isEmpty() ? defaultFolder() : folder).filePath(name))
{
    // Close-on-exec: a program started later must not keep the lock alive
    // after this instance has gone. No symlink following in a shared folder.
    fd_ = ::open(QFile::encodeName(path_).constData(),
                 O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        return;
    int result;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0)
        return;
    otherRunning_ = errno == EWOULDBLOCK;
    ::close(fd_);
    fd_ = -1;
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}
