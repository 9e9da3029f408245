#pragma once
// Reading a button package with its definition files, before any button is
// made. A file that cannot be read leaves its part empty and is named in
// Unreadable, so that the editor always finishes starting and can tell the
// user once what is missing.
#include <QList>
#include <QString>
#include <QStringList>

struct TPaletteTab {
    QString caption;
    QStringList buttonLines;  // the lines of its definition file, in order
};

struct TPaletteContents {
    QList<TPaletteTab> tabs;  // one per package line
    // One message per file that could not be read, naming it and the reason.
    QStringList unreadable;
};

// `packageFile` a full path as stored in the settings; definition files are
// taken relative to `appFolder` (ending in "/").
TPaletteContents ReadPalette(const QString& appFolder, const QString& packageFile);

// A path from a palette file joined to the program folder by concatenation
// and resolved to the file on disk ("Buttons\x.bmp" names buttons/x.bmp).
QString PaletteFilePath(const QString& appFolder, const QString& relative);
