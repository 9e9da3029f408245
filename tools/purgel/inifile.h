#pragma once
// Reading values from the lines of a Windows INI file, the way the system's
// profile functions read them: "[Section]" headers and "Name=Value" lines,
// names compared ignoring case, blanks around names and values dropped, a
// value in matching quotes taken without them, ";" comment lines skipped.
// Only the first section of a name counts, and in it the first entry.
#include <QString>
#include <QStringList>

QString readIniString(const QStringList& lines, const QString& section, const QString& name,
                      const QString& def = {});
