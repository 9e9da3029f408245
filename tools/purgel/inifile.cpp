#include "tools/purgel/inifile.h"

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The section a header line opens, or a null text when it is no header.
QString headerName(const QString& line)
{
    if (!line.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = line.indexOf(QLatin1Char(']'));
    if (close < 0)
        return {};
    return line.mid(1, close - 1).trimmed();
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

QString readIniString(const QStringList& lines, const QString& section, const QString& name,
                      const QString& def)
{
    bool inSection = false;
    bool seenSection = false;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        const QString header = headerName(line);
        if (!header.isNull()) {
            if (seenSection)
                return def;
            inSection = sameName(header, section);
            seenSection = inSection;
            continue;
        }
        if (!inSection || line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || !sameName(line.left(equals).trimmed(), name))
            continue;
        return unquoted(line.mid(equals + 1).trimmed());
    }
    return def;
}
