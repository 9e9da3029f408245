#pragma once
// The macro folder "Macro" under the program folder, the entries the macro
// menu makes of its files, and the name a macro is saved under.
#include <QString>
#include <QStringList>

#include <optional>

// The macro folder, ending in "/".
QString MacroFolder();

// The names (with extension) of the ".qmc" files in `folder`, letter case
// of the extension ignored, hidden files included, sorted by name ignoring
// letter case; empty when the folder does not exist.
QStringList ListMacroFiles(const QString& folder);

// The access key of the menu entry of file `index` (0-based): 1 to 9, then 0,
// then a to z; nothing from the 37th file on.
std::optional<QChar> MacroAccessKey(int index);

// The caption of the entry of file `index`: the name, shown as it is, then
// "(&" key ")".
QString MacroEntryCaption(const QString& fileName, int index);

// The file name a macro named `name` is saved under: its extension replaced
// by, or else completed with, ".qmc" (an empty name gives ".qmc").
QString MacroSaveName(const QString& name);
