#include "output/linesplitter.h"

namespace {

QByteArray withoutCr(QByteArrayView bytes) {
    if (bytes.endsWith('\r')) bytes.chop(1);
    return bytes.toByteArray();
}

}  // namespace

QByteArrayList TLineSplitter::Add(QByteArrayView bytes) {
    QByteArrayList lines;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf('\n'); end >= 0; end = bytes.indexOf('\n', start)) {
        if (partial_.isEmpty()) {
            lines << withoutCr(bytes.sliced(start, end - start));
        } else {
            partial_.append(bytes.sliced(start, end - start));
            lines << withoutCr(partial_);
            partial_.clear();
        }
        start = end + 1;
    }
    partial_.append(bytes.sliced(start));
    return lines;
}

QByteArrayList TLineSplitter::Finish() {
    if (partial_.isEmpty()) return {};
    QByteArrayList last{withoutCr(partial_)};
    partial_.clear();
    return last;
}
