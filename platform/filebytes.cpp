#include "platform/filebytes.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filebytes {

namespace {

[[noreturn]] void failRead(const QString& path, int error) {
    throw FileError::fromErrno(FileError::Operation::Read, path, error);
}

[[noreturn]] void failSave(const QString& path, int error) {
    throw FileError::fromErrno(FileError::Operation::Save, path, error);
}

// Closes a descriptor when the scope ends, whatever way it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting the error a delayed write may surface only here.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// 0 on success, else the errno value.
int writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += written;
        size -= written;
    }
    return 0;
}

// The file a save really replaces: the end of a symbolic link chain.
QString saveTarget(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty()) return canonical;
    }
    return path;
}

QByteArray folderOf(const QByteArray& file) {
    const qsizetype slash = file.lastIndexOf('/');
    if (slash < 0) return ".";
    if (slash == 0) return "/";
    return file.left(slash);
}

// Creates a new, empty temporary file beside `target`; its name starts with a
// dot so that listings of the folder pass over it.
int createTemporary(const QByteArray& target, QByteArray& name) {
    const QByteArray folder = folderOf(target);
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray suffix = QByteArray::number(QRandomGenerator::global()->generate(), 16);
        name = folder + "/." + base + "." + suffix + ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void keepAttributes(int fd, const struct stat& old) {
    // chown may clear set-id bits, so the mode comes after it. Changing the
    // owner is allowed only to the superuser; the mode is what matters.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // The new file stays owned by whoever saves it.
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        // Keeps the umask's permissions; the content is still saved.
    }
}

void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // makes the rename itself durable; best effort
    ::close(fd);
}

// Writes, flushes and closes the temporary file; 0 or the errno value.
int fillTemporary(Descriptor& file, QByteArrayView bytes, const struct stat* old) {
    if (old) keepAttributes(file.get(), *old);
    if (const int error = writeAll(file.get(), bytes.data(), bytes.size())) return error;
    if (::fsync(file.get()) != 0) return errno;
    if (file.close() != 0) return errno;
    return 0;
}

}  // namespace

QByteArray read(const QString& path) {
    Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) failRead(path, errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) failRead(path, errno);
    if (S_ISDIR(info.st_mode)) failRead(path, EISDIR);
    QByteArray bytes;
    bytes.reserve(qsizetype(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            failRead(path, errno);
        }
        bytes.append(buffer, count);
    }
    return bytes;
}

void save(const QString& path, QByteArrayView bytes) {
    const QByteArray target = QFile::encodeName(saveTarget(path));
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) failSave(path, EISDIR);
    if (exists && ::access(target.constData(), W_OK) != 0) failSave(path, errno);

    QByteArray temporary;
    Descriptor file(createTemporary(target, temporary));
    if (file.get() < 0) failSave(path, errno);
    int error = fillTemporary(file, bytes, exists ? &old : nullptr);
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        failSave(path, error);
    }
    syncFolder(folderOf(target));
}

}  // namespace filebytes
