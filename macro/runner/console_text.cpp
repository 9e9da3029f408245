#include "macro/runner/console_text.h"

#include <QString>

#include "platform/cp932.h"

namespace {

// The codec's own marks: a variation selector after a duplicate code, and
// U+F700 + byte for a byte that is no character (the user-defined area of
// Shift-JIS ends at U+E757, so nothing else decodes there).
bool isSelector(char16_t c) { return c == 0xFE00 || c == 0xFE01; }
bool isInvalidByte(char16_t c) { return c >= 0xF700 && c <= 0xF7FF; }

}  // namespace

std::string consoleText(const std::string& sjis, bool rawSjis) {
    if (rawSjis) return sjis;
    const QString decoded = cp932::decode(QByteArrayView(sjis.data(), qsizetype(sjis.size())));
    QString shown;
    shown.reserve(decoded.size());
    for (const QChar c : decoded) {
        if (isSelector(c.unicode())) continue;
        shown += isInvalidByte(c.unicode()) ? QChar(QChar::ReplacementCharacter) : c;
    }
    return shown.toUtf8().toStdString();
}

void writeLine(std::FILE* stream, const std::string& text) {
    if (stream != stdout) std::fflush(stdout);
    const std::string line = text + "\n";
    std::fwrite(line.data(), 1, line.size(), stream);
}
