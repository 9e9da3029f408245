#pragma once
// Paths as the program holds them: "/" separates, folders end in "/".
// Paths read from data files and settings may have been written on Windows,
// with "\" as separator and letter case that need not match the disk;
// resolvePath() turns them into paths that name the file here.
#include <QString>

namespace paths {

// The path with every "\" turned into "/".
QString withSlashes(const QString& path);

// The one entry point for a path from a data file or the settings: separators
// become "/", then each component that does not exist in its exact letter
// case is replaced by the directory entry that matches it ignoring case.
// An entry that matches exactly always wins; among several entries that match
// only ignoring case the first in code point order is taken ("BUTTONS" before
// "Buttons" before "buttons"). From the first component that matches nothing
// on, the rest stays as written. A trailing "/" is kept; a relative path is
// looked up from the working folder and stays relative.
QString resolvePath(const QString& path);

// The folder with a trailing separator ("/" added unless it ends in "/" or
// "\"); an empty folder stays empty.
QString withTrailingSeparator(const QString& folder);

// The part after the last "/" or "\" (the whole path when there is none).
QString fileNamePart(const QString& path);

// The part up to and including the last "/" or "\" ("" when there is none).
QString folderPart(const QString& path);

// A folder that ends in a separator joined to a relative path: plain
// concatenation, as the data files expect.
QString joinPath(const QString& folder, const QString& relative);

}  // namespace paths
