#pragma once
// The program's own folder, where its data files sit beside the executable.
#include <QString>

// The folder of the program file, ending in "/".
QString AppFolder();

// Makes AppFolder() answer `folder` (a trailing "/" is added); an empty
// folder returns to the executable's folder. For tests.
void setAppFolderOverride(const QString& folder);
QString appFolderOverride();
