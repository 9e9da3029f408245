#include "app/handover.h"

#include "platform/cp932.h"
#include "platform/filebytes.h"
#include "platform/textfile.h"
#include "platform/tickcount.h"

#include <QFileInfo>
#include <QThread>

namespace {

constexpr quint32 kWriterGraceMs = 100;
constexpr const char* kFileNameEntry = "FileName";
// Before a name that Shift-JIS cannot hold, written as percent-encoded UTF-8.
// Our writer hands over full paths only, which never start like this.
constexpr QLatin1StringView kUtf8Marker("utf8:");

QString encodedName(const QString& fileName) {
    if (cp932::decode(cp932::encode(fileName)) == fileName) return fileName;
    return kUtf8Marker + QString::fromLatin1(fileName.toUtf8().toPercentEncoding("/"));
}

QString decodedName(const QString& value) {
    if (!value.startsWith(kUtf8Marker)) return value;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(value.mid(kUtf8Marker.size()).toLatin1()));
}

QString handoverPath(const QString& programFolder) { return programFolder + kHandoverFileName; }

QByteArray resetBytes() {
    return textfile::joinLines({cp932::encode(QString(kFileNameEntry) + '=' + kHandoverNothing)});
}

// The file as it is now; nothing when it exists but cannot be read (still
// held by its writer, say). The name is left to the reader.
std::optional<HandoverSnapshot> look(const QString& path) {
    HandoverSnapshot snapshot;
    snapshot.exists = QFileInfo::exists(path);
    if (!snapshot.exists) return snapshot;
    try {
        snapshot.bytes = filebytes::read(path);
    } catch (const FileError&) {
        return std::nullopt;
    }
    return snapshot;
}

// Blocks the calling thread; the tick count wraps, so only differences count.
void waitForWriter() {
    const quint32 start = GetTickCount();
    while (GetTickCount() - start < kWriterGraceMs) QThread::msleep(5);
}

// The value of the first line "name=value" whose name is `name`, letter case
// ignored; empty when there is none.
QString valueOfName(const QStringList& lines, const QString& name) {
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0 && line.first(equals).compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1);
    }
    return {};
}

}  // namespace

void WriteHandoverFile(const QString& programFolder, const QString& fileName) {
    if (fileName.isEmpty()) return;
    textfile::saveLines(handoverPath(programFolder), {QString(kFileNameEntry) + '=' + encodedName(fileName)});
}

std::optional<HandoverSnapshot> ReadHandover(const QString& programFolder) {
    waitForWriter();
    // A file that cannot be read yet is read at the next change.
    std::optional<HandoverSnapshot> snapshot = look(handoverPath(programFolder));
    if (!snapshot || !snapshot->exists) return snapshot;
    QStringList lines;
    for (const QByteArray& line : textfile::splitLines(snapshot->bytes)) lines.append(cp932::decode(line));
    snapshot->fileName = decodedName(valueOfName(lines, kFileNameEntry));
    return snapshot;
}

bool ResetHandoverFile(const QString& programFolder, const HandoverSnapshot& seen) {
    const QString path = handoverPath(programFolder);
    const std::optional<HandoverSnapshot> now = look(path);
    if (!now || now->exists != seen.exists || now->bytes != seen.bytes) return false;
    const QByteArray reset = resetBytes();
    if (now->bytes != reset) filebytes::save(path, reset);
    return true;
}
