#pragma once
// Finds the lines of a file that contain a pattern: a plain, case-sensitive
// Shift-JIS substring that only matches at character boundaries (the
// second byte of a double-byte character never starts a match). Files are
// read in blocks, so large files are fine; lines end at CR LF, CR or LF.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

class TGrep {
public:
    // Called once per matching line, in file order, with the line's bytes
    // (without its line end), before GrepFile returns.
    std::function<void(const QByteArray& line)> OnMatch;
    // Set (for instance by OnMatch) to stop the file being read.
    bool Cancel = false;
    // Kept for the callers that set them; matching is always plain.
    bool UseFuzzyCharDic = false;
    bool UseSynonymDic = false;

    void SetPattern(QByteArrayView pattern) { pattern_ = pattern.toByteArray(); }
    const QByteArray& Pattern() const { return pattern_; }

    // False when the file cannot be read; no line is reported then.
    bool GrepFile(const QString& path);

private:
    // Where the pattern next starts at or after `from`, or -1.
    qsizetype find(QByteArrayView text, qsizetype from) const;
    // Reports the matching lines of `text`, which ends at a line end.
    void scanLines(QByteArrayView text);

    QByteArray pattern_;
    QByteArray buffer_;  // kept from file to file
};
