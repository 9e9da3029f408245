#include "platform/filebytes.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <limits>
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
    // Hands the descriptor over, no longer closing it.
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
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

// A write to the temporary file failed with this errno value.
struct WriteFailed {
    int error;
};

// Flushes and closes the temporary file; 0 or the errno value.
int finishTemporary(Descriptor& file) {
    if (::fsync(file.get()) != 0) return errno;
    if (file.close() != 0) return errno;
    return 0;
}

// Fills the temporary file from `produce`; 0 or the errno value of a failed
// write. Other exceptions go on to the caller.
int fillTemporary(Descriptor& file, const std::function<void(const ByteSink&)>& produce) {
    try {
        produce([&file](QByteArrayView piece) {
            if (const int error = writeAll(file.get(), piece.data(), piece.size())) throw WriteFailed{error};
        });
    } catch (const WriteFailed& failed) {
        return failed.error;
    }
    return finishTemporary(file);
}

// A descriptor for reading the file, which must not be a folder; `info`
// receives its status.
int openForReading(const QString& path, struct stat& info) {
    Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) failRead(path, errno);
    if (::fstat(file.get(), &info) != 0) failRead(path, errno);
    if (S_ISDIR(info.st_mode)) failRead(path, EISDIR);
    return file.release();
}

// Reads into `buffer`, retrying when interrupted; the count, 0 at the end.
qsizetype readSome(int fd, const QString& path, char* buffer, qsizetype size) {
    for (;;) {
        const ssize_t count = ::read(fd, buffer, std::size_t(size));
        if (count >= 0) return count;
        if (errno != EINTR) failRead(path, errno);
    }
}

}  // namespace

QByteArray read(const QString& path) {
    struct stat info {};
    Descriptor file(openForReading(path, info));
    // Straight into the result, in one piece when the file keeps its size;
    // a file that grows meanwhile (or reports no size) is read to its end.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    for (;;) {
        if (size == bytes.size()) bytes.resize(size + std::max<qsizetype>(size / 2, 65536));
        const qsizetype count = readSome(file.get(), path, bytes.data() + size, bytes.size() - size);
        if (count == 0) break;
        size += count;
    }
    bytes.truncate(size);
    return bytes;
}

void readPieces(const QString& path, qsizetype pieceBytes, const std::function<void(QByteArrayView)>& piece,
                ByteRange range) {
    struct stat info {};
    Descriptor file(openForReading(path, info));
    if (range.from > 0 && ::lseek(file.get(), off_t(range.from), SEEK_SET) < 0) failRead(path, errno);
    qsizetype left = range.to < 0 ? std::numeric_limits<qsizetype>::max() : std::max<qsizetype>(range.to - range.from, 0);
    QByteArray buffer(std::max<qsizetype>(std::min(pieceBytes, left), 1), Qt::Uninitialized);
    while (left > 0) {
        // A piece is filled whole where the file allows, so pieces are cut
        // where the caller expects them to be.
        const qsizetype wanted = std::min(buffer.size(), left);
        qsizetype size = 0;
        while (size < wanted) {
            const qsizetype count = readSome(file.get(), path, buffer.data() + size, wanted - size);
            if (count == 0) break;
            size += count;
        }
        if (size > 0) piece(QByteArrayView(buffer.constData(), size));
        if (size < wanted) return;
        left -= size;
    }
}

void save(const QString& path, QByteArrayView bytes) {
    save(path, [bytes](const ByteSink& write) { write(bytes); });
}

void save(const QString& path, const std::function<void(const ByteSink&)>& produce) {
    const QByteArray target = QFile::encodeName(saveTarget(path));
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) failSave(path, EISDIR);
    if (exists && ::access(target.constData(), W_OK) != 0) failSave(path, errno);

    QByteArray temporary;
    Descriptor file(createTemporary(target, temporary));
    if (file.get() < 0) failSave(path, errno);
    if (exists) keepAttributes(file.get(), old);
    int error = 0;
    try {
        error = fillTemporary(file, produce);
    } catch (...) {
        ::unlink(temporary.constData());
        throw;
    }
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        failSave(path, error);
    }
    syncFolder(folderOf(target));
}

}  // namespace filebytes
