#include "output/errorlines.h"

#include "platform/paths.h"

#include <QDir>

#include <algorithm>

namespace {

// An absolute name may hold blanks ("C:\Program Files\a.lum"); a relative one
// may not, or the words before a name ("In file included from a.h") would be
// taken for part of it.
#define QX_FILE R"((?<file>(?:[A-Za-z]:)?[\\/][^:*?"<>|()\r\n]*?|[^\s:*?"<>|()]+))"
#define QX_LINE R"((?<line>\d+)行?)"

// clang-format off
const std::vector<ErrorPattern> kDefaultPatterns = {
    {"FILE(LINE) / FILE(LINE,COL)", R"(^\s*)" QX_FILE R"(\()" QX_LINE R"((?:,\s*(?<col>\d+))?\))"},
    {"FILE:LINE: / FILE:LINE:COL:", R"(^\s*)" QX_FILE ":" QX_LINE R"(:(?:(?<col>\d+):)?)"},
};
// clang-format on

#undef QX_FILE
#undef QX_LINE

bool looksLikeFileName(const QString& file) {
    static const QRegularExpression extension(QStringLiteral(R"(\.\d*[A-Za-z_]\w*$)"));
    return extension.match(file).hasMatch();
}

QRegularExpression compile(const ErrorPattern& pattern) {
    QRegularExpression expression(QString::fromUtf8(pattern.expression));
    expression.optimize();
    return expression;
}

}  // namespace

const std::vector<ErrorPattern>& DefaultErrorPatterns() { return kDefaultPatterns; }

TErrorLineParser::TErrorLineParser() : TErrorLineParser(kDefaultPatterns) {}

TErrorLineParser::TErrorLineParser(const std::vector<ErrorPattern>& patterns) {
    for (const ErrorPattern& pattern : patterns) AddPattern(pattern);
}

void TErrorLineParser::AddPattern(const ErrorPattern& pattern) { patterns_.push_back(compile(pattern)); }

std::optional<ErrorPlace> TErrorLineParser::Parse(const QString& line) const {
    // Every shape has a line number: most lines are done with here.
    if (std::none_of(line.begin(), line.end(), [](QChar c) { return c.isDigit(); })) return std::nullopt;
    for (const QRegularExpression& pattern : patterns_) {
        const QRegularExpressionMatch match = pattern.match(line);
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
