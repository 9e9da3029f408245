#include "output/errorlines.h"

#include "platform/cp932.h"
#include "platform/paths.h"

#include <QDir>

namespace {

// An absolute name may hold blanks ("C:\Program Files\a.lum"); a relative one
// may not, or the words before a name ("In file included from a.h") would be
// taken for part of it.
#define QX_FILE R"((?<file>(?:[A-Za-z]:)?[\\/][^:*?"<>|()\r\n]*?|[^\s:*?"<>|()]+))"
#define QX_LINE R"((?<line>\d+)行?)"

// clang-format off
const std::vector<ErrorPattern> kDefaultPatterns = {
    {"FILE(LINE) / FILE(LINE,COL)", R"(^\s*)" QX_FILE R"(\()" QX_LINE R"((?:,\s*(?<col>\d+))?\))", "("},
    {"FILE:LINE: / FILE:LINE:COL:", R"(^\s*)" QX_FILE ":" QX_LINE R"(:(?:(?<col>\d+):)?)", ":"},
};
// clang-format on

#undef QX_FILE
#undef QX_LINE

bool looksLikeFileName(const QString& file) {
    static const QRegularExpression extension(QStringLiteral(R"(\.\d*[A-Za-z_]\w*$)"));
    return extension.match(file).hasMatch();
}

int codeOf(QChar c) { return c.unicode(); }
int codeOf(char c) { return static_cast<unsigned char>(c); }

}  // namespace

const std::vector<ErrorPattern>& DefaultErrorPatterns() { return kDefaultPatterns; }

TErrorLineParser::TErrorLineParser() : TErrorLineParser(kDefaultPatterns) {}

TErrorLineParser::TErrorLineParser(const std::vector<ErrorPattern>& patterns) {
    for (const ErrorPattern& pattern : patterns) AddPattern(pattern);
}

void TErrorLineParser::AddPattern(const ErrorPattern& pattern) {
    QRegularExpression expression(QString::fromUtf8(pattern.expression));
    expression.optimize();
    rows_.push_back({expression, QByteArray(pattern.beforeNumber)});
}

template <typename Line>
TErrorLineParser::Rows TErrorLineParser::rowsToTry(const Line& line) const {
    Rows tried(qsizetype(rows_.size()));
    for (std::size_t i = 0; i < rows_.size(); ++i) tried[qsizetype(i)] = rows_[i].beforeNumber.isEmpty();
    // One pass over the line: at each digit, the rows whose characters stand
    // just before it.
    for (qsizetype i = 1; i < line.size(); ++i) {
        const int c = codeOf(line[i]);
        if (c < '0' || c > '9') continue;
        const int before = codeOf(line[i - 1]);
        if (before >= 0x80) continue;
        for (std::size_t row = 0; row < rows_.size(); ++row)
            if (rows_[row].beforeNumber.contains(char(before))) tried[qsizetype(row)] = true;
    }
    return tried;
}

std::optional<ErrorPlace> TErrorLineParser::Parse(const QString& line) const {
    return match(line, rowsToTry(QStringView(line)));
}

// "(" and ":" are never the second byte of a double-byte character, so the
// bytes are looked at as they are.
bool TErrorLineParser::MayBeError(QByteArrayView line) const { return rowsToTry(line).contains(true); }

std::optional<ErrorPlace> TErrorLineParser::Parse(QByteArrayView line) const {
    const Rows tried = rowsToTry(QByteArrayView(line));
    if (!tried.contains(true)) return std::nullopt;
    return match(cp932::decode(line), tried);
}

std::optional<ErrorPlace> TErrorLineParser::match(const QString& line, const Rows& tried) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!tried[qsizetype(i)]) continue;
        const QRegularExpressionMatch match = rows_[i].expression.match(line);
        if (!match.hasMatch()) continue;
        ErrorPlace place{match.captured(u"file").trimmed(), match.captured(u"line").toInt(),
                         match.captured(u"col").toInt()};
        if (place.line > 0 && looksLikeFileName(place.file)) return place;
    }
    return std::nullopt;
}

QString ResolveErrorFile(const QString& file, const QString& workingFolder) {
    QString path = paths::withSlashes(file);
    if (!QDir::isAbsolutePath(path)) path = paths::joinPath(workingFolder, path);
    return paths::resolvePath(QDir::cleanPath(path));
}
