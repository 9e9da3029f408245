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
#include <QVarLengthArray>

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
    // Characters of which one stands right before the line number ("(" or
    // ":"): lines without such a character and a digit after it are passed
    // over without the expression. Empty: every line is tried.
    const char* beforeNumber = "";
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
    // The same for a line of Shift-JIS bytes, decoded only when a row's
    // characters before the number are in it.
    std::optional<ErrorPlace> Parse(QByteArrayView line) const;
    // False for a line no row can match (the cheap test Parse starts with).
    bool MayBeError(QByteArrayView line) const;

private:
    struct Row {
        QRegularExpression expression;
        QByteArray beforeNumber;
    };
    using Rows = QVarLengthArray<bool, 8>;  // one flag per row: worth trying
    template <typename Line>
    Rows rowsToTry(const Line& line) const;
    std::optional<ErrorPlace> match(const QString& line, const Rows& tried) const;

    std::vector<Row> rows_;
};

// The file an error names as a path here: "\" separators, names relative to
// the batch's working folder (which ends in "/") and letter case resolved by
// the path helper.
QString ResolveErrorFile(const QString& file, const QString& workingFolder);
