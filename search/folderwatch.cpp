#include "search/folderwatch.h"

#include <QFile>

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Names created, deleted or moved in and out, and contents written.
constexpr uint32_t kChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_CLOSE_WRITE;

}  // namespace

std::unique_ptr<FolderWatch> FolderWatch::open(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (path.isEmpty())
        return nullptr;
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    if (inotify_add_watch(fd, path.constData(), kChanges | IN_ONLYDIR) < 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<FolderWatch>(new FolderWatch(fd));
}

FolderWatch::~FolderWatch()
{
    ::close(fd_);
}

bool FolderWatch::rearm()
{
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        return n < 0 && errno == EAGAIN;
    }
}
