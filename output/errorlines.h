#pragma once
// Compiler messages that name a place in a source file: which output lines
// are errors, and where they point. The shapes are rows of one table of
// regular expressions, each with the named groups "file", "line" and,
// optionally, "col"; a project can add its compiler's shape as another row.
//
// A line is matched after it was decoded (Shift-JIS to Unicode), so the
// second byte of a character such as 表 (0x95 0x5C) is never taken for a
// backslash. A match counts only when the file part looks like a file name:
// its last component has an extension with a letter in it ("a.lum",
// "src\b.c"), so that a time stamp such as "12:30:" is not an error.
#include <QRegularExpression>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

struct ErrorPlace {
    QString file;  // as the line writes it
    int line = 0;  // 1-based
    int col = 0;   // 1-based byte column; 0 when the line names none
};

struct ErrorPattern {
    const char* name;
    const char* expression;
};

// FILE(LINE), FILE(LINE,COL), FILE:LINE:, FILE:LINE:COL:, each with an
// optional "行" after the line number.
const std::vector<ErrorPattern>& DefaultErrorPatterns();

class TErrorLineParser {
public:
    TErrorLineParser();  // the default table
    explicit TErrorLineParser(const std::vector<ErrorPattern>& patterns);

    // Adds a row after the others; rows are tried in order.
    void AddPattern(const ErrorPattern& pattern);
    // The place the line names; nothing for a line that is no error.
    std::optional<ErrorPlace> Parse(const QString& line) const;

private:
    std::vector<QRegularExpression> patterns_;
};

// The file an error names as a path here: "\" separators, names relative to
// the batch's working folder (which ends in "/") and letter case resolved by
// the path helper.
QString ResolveErrorFile(const QString& file, const QString& workingFolder);
