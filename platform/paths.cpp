#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace paths {

namespace {

qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

bool isSpecialComponent(const QString& part) {
    return part.isEmpty() || part == u"." || part == u"..";
}

QString child(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool existsOnDisk(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

// The entry of `folder` whose name equals `name` ignoring case; "" if none.
QString entryIgnoringCase(const QString& folder, const QString& name) {
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Unsorted);
    QString best;
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0) continue;
        if (best.isEmpty() || entry < best) best = entry;
    }
    return best;
}

}  // namespace

QString withSlashes(const QString& path) {
    QString result = path;
    return result.replace(u'\\', u'/');
}

QString resolvePath(const QString& path) {
    const QString slashed = withSlashes(path);
    if (slashed.isEmpty() || existsOnDisk(slashed)) return slashed;
    const QDir workingFolder = QDir::current();
    const QStringList parts = slashed.split(u'/');
    QString resolved;
    bool searching = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (searching && !isSpecialComponent(part)) {
            const QString folder = workingFolder.absoluteFilePath(resolved.isEmpty() ? QStringLiteral(".") : resolved);
            if (!existsOnDisk(child(folder, part))) {
                const QString entry = entryIgnoringCase(folder, part);
                if (entry.isEmpty()) searching = false;
                else part = entry;
            }
        }
        resolved += part;
        if (i + 1 < parts.size()) resolved += u'/';
    }
    return resolved;
}

QString withTrailingSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\')) return folder;
    return folder + u'/';
}

QString fileNamePart(const QString& path) {
    return path.mid(lastSeparator(path) + 1);
}

QString folderPart(const QString& path) {
    return path.left(lastSeparator(path) + 1);
}

QString joinPath(const QString& folder, const QString& relative) {
    return folder + relative;
}

}  // namespace paths
