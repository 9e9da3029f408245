#pragma once
// The two files the function palette is made from, shared by the editor and
// Palettor. Both are Shift-JIS text, one record per line, fields separated by
// one TAB, no quoting:
//   button package (.qbp)     caption TAB definition file
//   button definition (.qbt)  text TAB description TAB arguments TAB bitmap
// File paths in them are relative to the editor's program folder, joined to
// it by plain concatenation, possibly written with "\" separators.
//
// Reading accepts CR LF, a lone CR or a lone LF as a line end and stops at the
// first NUL byte; an empty line is a record with one empty field. Writing ends
// every line with CR LF, the last one included, and replaces the file
// atomically. Both throw FileError naming the file and the reason.
#include <QString>
#include <QStringList>

namespace palettefile {

// Field `index` (from 0) of a TAB-separated line: the text after the
// index-th TAB up to the next TAB or the end. A line with fewer TABs gives
// its last field, so a line without TAB gives the whole line for every
// index. Nothing is trimmed.
QString Field(const QString& line, int index);

// A line of a button package.
struct PackageLine {
    QString caption;         // of the tab and of its context-menu submenu
    QString definitionFile;  // relative to the program folder
};
PackageLine ReadPackageLine(const QString& line);

// A line of a button definition file.
struct ButtonLine {
    QString text;         // inserted into the document; the menu item's caption
    QString description;  // the last part of the hint
    QString arguments;    // the middle of the hint
    QString bitmap;       // the glyph, relative to the program folder
};
ButtonLine ReadButtonLine(const QString& line);

// text, arguments, description, four spaces between them.
QString HintOf(const ButtonLine& button);

// The fields joined into one line, a TAB between each two.
QString JoinFields(const QStringList& fields);

// A text that can stand as a field: one without TAB, CR, LF or NUL, any of
// which would split or end the line when it is read back.
bool IsStorableField(const QString& text);

QStringList ReadLines(const QString& path);
void SaveLines(const QString& path, const QStringList& lines);

}  // namespace palettefile
