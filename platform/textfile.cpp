#include "platform/textfile.h"

#include "platform/cp932.h"

namespace textfile {

QList<QByteArray> splitLines(QByteArrayView bytes, Nul nul) {
    if (nul == Nul::EndsText) {
        const qsizetype end = bytes.indexOf('\0');
        if (end >= 0) bytes = bytes.first(end);
    }
    QList<QByteArray> lines;
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.append(bytes.sliced(start, i - start).toByteArray());
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.append(bytes.sliced(start).toByteArray());
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines) {
    qsizetype size = 0;
    for (const QByteArray& line : lines) size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QByteArray& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

QList<QByteArray> readByteLines(const QString& path, Nul nul) {
    return splitLines(filebytes::read(path), nul);
}

void saveByteLines(const QString& path, const QList<QByteArray>& lines) {
    filebytes::save(path, joinLines(lines));
}

QStringList readLines(const QString& path, Nul nul) {
    QStringList lines;
    for (const QByteArray& line : readByteLines(path, nul)) lines.append(cp932::decode(line));
    return lines;
}

void saveLines(const QString& path, const QStringList& lines) {
    QList<QByteArray> encoded;
    encoded.reserve(lines.size());
    for (const QString& line : lines) encoded.append(cp932::encode(line));
    saveByteLines(path, encoded);
}

}  // namespace textfile
