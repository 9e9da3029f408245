#include "components/grep.h"

#include "platform/cp932.h"

#include <QFile>

#include <cstring>

namespace {

constexpr qint64 kBlock = qint64(1) << 20;

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the line holding byte `at` starts; no earlier than `floor`.
qsizetype lineStartOf(QByteArrayView text, qsizetype at, qsizetype floor) {
    while (at > floor && !isLineEnd(text[at - 1])) --at;
    return at;
}

qsizetype lineEndFrom(QByteArrayView text, qsizetype at) {
    while (at < text.size() && !isLineEnd(text[at])) ++at;
    return at;
}

// The start of the line after the one that ends at `end` (CR LF is one end).
qsizetype nextLineStart(QByteArrayView text, qsizetype end) {
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') return end + 2;
    return end + 1;
}

// The end of the lines `text` holds whole: past the last line end, except a
// CR at the very end, which may yet be followed by its LF.
qsizetype wholeLinesEnd(QByteArrayView text) {
    for (qsizetype at = text.size() - 1; at >= 0; --at) {
        if (text[at] == '\n' || (text[at] == '\r' && at + 1 < text.size())) return at + 1;
    }
    return 0;
}

}  // namespace

qsizetype TGrep::find(QByteArrayView text, qsizetype from) const {
    if (from >= text.size()) return -1;
    if (pattern_.isEmpty()) return from;
    const void* hit = memmem(text.data() + from, std::size_t(text.size() - from), pattern_.data(),
                             std::size_t(pattern_.size()));
    return hit ? static_cast<const char*>(hit) - text.data() : -1;
}

// The pattern is looked for in the whole text, and only the lines it turns
// up in are cut out: most lines are never looked at one by one.
void TGrep::scanLines(QByteArrayView text) {
    qsizetype floor = 0;
    for (qsizetype at = find(text, 0); at >= 0 && !Cancel;) {
        const qsizetype start = lineStartOf(text, at, floor);
        const qsizetype end = lineEndFrom(text, at);
        floor = start;
        const QByteArrayView line = text.sliced(start, end - start);
        if (at + pattern_.size() <= end && cp932::charStart(line, at - start) == at - start) {
            if (OnMatch) OnMatch(line.toByteArray());
            at = find(text, nextLineStart(text, end));
        } else {
            at = find(text, pattern_.isEmpty() ? nextLineStart(text, end) : at + 1);
        }
    }
}

bool TGrep::GrepFile(const QString& path) {
    Cancel = false;
    QFile file(path);
    // Blocks are large: the device's own buffer would only copy them once more.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    qsizetype kept = 0;  // the start of a line the last block did not finish
    while (!Cancel) {
        buffer_.resize(kept + kBlock);
        const qint64 got = file.read(buffer_.data() + kept, kBlock);
        if (got < 0) return false;
        const qsizetype filled = kept + qsizetype(got);
        const QByteArrayView text(buffer_.constData(), filled);
        const qsizetype whole = got == 0 ? filled : wholeLinesEnd(text);
        scanLines(text.first(whole));
        if (got == 0) break;
        kept = filled - whole;
        std::memmove(buffer_.data(), buffer_.data() + whole, std::size_t(kept));
    }
    return file.error() == QFileDevice::NoError;
}
