#pragma once
// The glyphs of the palette's buttons, read from Windows bitmaps. As with the
// classic speed-button glyphs, the colour of the bottom-left pixel is
// transparent, and a bitmap as wide as two to four squares holds the glyph in
// its first square (the others were the disabled and pressed looks).
// Each file is read once, however many buttons show it.
#include <QHash>
#include <QIcon>
#include <QString>
#include <QStringList>

class TPaletteGlyphs {
public:
    // The glyph of the bitmap at `path` (resolved already); a null icon when
    // the file cannot be read, with the reason noted in Unreadable().
    QIcon Glyph(const QString& path);

    const QStringList& Unreadable() const { return unreadable_; }

private:
    QHash<QString, QIcon> glyphs_;
    QStringList unreadable_;
};
