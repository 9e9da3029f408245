#include "components/grep.h"

#include "platform/cp932.h"

#include <QFile>

#include <cstring>

namespace {

constexpr qint64 kBlock = qint64(1) << 20;

}  // namespace

bool TGrep::matches(QByteArrayView line) const {
    for (qsizetype at = line.indexOf(pattern_); at >= 0; at = line.indexOf(pattern_, at + 1)) {
        if (cp932::charStart(line, at) == at) return true;
    }
    return false;
}

// A line may still hold lone CRs, each of which ends a line too.
void TGrep::take(QByteArrayView line) {
    qsizetype start = 0;
    while (!Cancel) {
        const qsizetype cr = line.indexOf('\r', start);
        const QByteArrayView piece = line.sliced(start, (cr < 0 ? line.size() : cr) - start);
        if (matches(piece) && OnMatch) OnMatch(piece.toByteArray());
        if (cr < 0) return;
        start = cr + 1;
        if (start == line.size()) return;  // a line end, not another line
    }
}

bool TGrep::GrepFile(const QString& path) {
    Cancel = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray pending;
    while (!Cancel) {
        const QByteArray block = file.read(kBlock);
        if (block.isEmpty()) break;
        pending += block;
        qsizetype start = 0;
        while (!Cancel) {
            const qsizetype lf = pending.indexOf('\n', start);
            if (lf < 0) break;
            take(QByteArrayView(pending).sliced(start, lf - start));
            start = lf + 1;
        }
        pending.remove(0, start);
    }
    if (!Cancel && !pending.isEmpty()) take(pending);
    return file.error() == QFileDevice::NoError;
}
