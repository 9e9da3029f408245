#include "macro/runner/macro_source.h"

#include <QStringDecoder>
#include <QStringList>

#include "platform/cp932.h"
#include "platform/filebytes.h"
#include "platform/textfile.h"

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

bool hasNonAscii(QByteArrayView bytes) {
    for (const char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80) return true;
    return false;
}

bool isValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);  // decodes only when made a string
    return !decoder.hasError();
}

// The characters (a surrogate pair is one) the encoder has to write as "?".
QStringList unencodableIn(const QString& line) {
    QStringList found;
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype n = line[i].isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        const QString c = line.mid(i, n);
        if (c != u"?" && cp932::encode(c) == "?" && !found.contains(c)) found.append(c);
        i += n;
    }
    return found;
}

MacroSource fromSjis(const QList<QByteArray>& lines) {
    MacroSource source;
    for (const QByteArray& line : lines) source.lines.push_back(line.toStdString());
    return source;
}

MacroSource fromUtf8Lines(const QList<QByteArray>& lines) {
    MacroSource source;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = QString::fromUtf8(lines[i]);
        source.lines.push_back(cp932::encode(text).toStdString());
        if (const QStringList missing = unencodableIn(text); !missing.isEmpty())
            source.unencodable.push_back({int(i + 1), missing});
    }
    return source;
}

}  // namespace

MacroSource readMacroSource(const QString& path) {
    QByteArray bytes = filebytes::read(path);
    const bool bom = bytes.startsWith(kBom);
    if (bom) bytes.remove(0, 3);
    // A line break never falls inside a UTF-8 sequence, so lines split alike.
    const QList<QByteArray> lines = textfile::splitLines(bytes);
    if (bom || (hasNonAscii(bytes) && isValidUtf8(bytes))) return fromUtf8Lines(lines);
    return fromSjis(lines);
}
