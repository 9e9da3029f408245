#include "output/linesplitter.h"

#include "platform/cp932.h"

namespace {

QString decodeLine(QByteArrayView bytes) {
    if (bytes.endsWith('\r')) bytes.chop(1);
    return cp932::decode(bytes);
}

}  // namespace

QStringList TLineSplitter::Add(QByteArrayView bytes) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf('\n'); end >= 0; end = bytes.indexOf('\n', start)) {
        if (partial_.isEmpty()) {
            lines << decodeLine(bytes.sliced(start, end - start));
        } else {
            partial_.append(bytes.sliced(start, end - start));
            lines << decodeLine(partial_);
            partial_.clear();
        }
        start = end + 1;
    }
    partial_.append(bytes.sliced(start));
    return lines;
}

QStringList TLineSplitter::Finish() {
    if (partial_.isEmpty()) return {};
    QStringList last{decodeLine(partial_)};
    partial_.clear();
    return last;
}
