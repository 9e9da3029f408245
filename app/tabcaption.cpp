#include "app/tabcaption.h"

const QString kModifiedMark = QStringLiteral(" [変更]");

QString untitledCaption(int number) { return QString("新規 (%1)").arg(number); }

QString withModifiedMark(const QString& caption) { return caption + kModifiedMark; }

QString withoutModifiedMark(const QString& caption) {
    if (!caption.endsWith(kModifiedMark)) return caption;
    return caption.chopped(kModifiedMark.size());
}
