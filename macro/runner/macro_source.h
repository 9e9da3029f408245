#pragma once
// A macro file as the engine reads it: Shift-JIS lines. A file in UTF-8 (one
// that starts with a byte-order mark, or is valid UTF-8 and holds non-ASCII
// characters) is converted; a plain Shift-JIS file is read byte for byte.
#include <QStringList>

#include <string>
#include <vector>

struct MacroSource {
    struct Unencodable {
        int line;            // 1-based
        QStringList characters;  // each one once, in the order met
    };

    std::vector<std::string> lines;
    // Characters of a UTF-8 file that Shift-JIS cannot hold, by line. The
    // converted lines hold "?" for them: a source with any is not to be run.
    std::vector<Unencodable> unencodable;
};

// Throws FileError when the file cannot be read.
MacroSource readMacroSource(const QString& path);
