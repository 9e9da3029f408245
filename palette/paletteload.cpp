#include "palette/paletteload.h"

#include "palette/palettefile.h"
#include "platform/fileerror.h"
#include "platform/paths.h"

namespace {

// The file's lines; none, with the failure noted, when it cannot be read.
QStringList readOrNote(const QString& path, QStringList& unreadable) {
    try {
        return palettefile::ReadLines(path);
    } catch (const FileError& error) {
        if (!unreadable.contains(error.message())) unreadable.append(error.message());
        return {};
    }
}

}  // namespace

QString PaletteFilePath(const QString& appFolder, const QString& relative) {
    return paths::resolvePath(paths::joinPath(appFolder, relative));
}

TPaletteContents ReadPalette(const QString& appFolder, const QString& packageFile) {
    TPaletteContents contents;
    const QStringList package = readOrNote(paths::resolvePath(packageFile), contents.unreadable);
    for (const QString& line : package) {
        const palettefile::PackageLine entry = palettefile::ReadPackageLine(line);
        const QString definition = PaletteFilePath(appFolder, entry.definitionFile);
        contents.tabs.append({entry.caption, readOrNote(definition, contents.unreadable)});
    }
    return contents;
}
