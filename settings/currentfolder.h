#pragma once
// The editor's current folder as it holds it: a path of this system ending
// in "/". Only "/" separates here; a "\" at the end of a folder's name is a
// letter of that name, and a double-byte name such as "…表" (whose Shift-JIS
// trail byte is the backslash code) is never mistaken for a separator,
// because the test looks at characters, not bytes.
#include <QString>

// `folder` with a "/" appended unless it ends in one; empty stays empty.
QString currentFolderOf(const QString& folder);
