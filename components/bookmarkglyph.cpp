#include "components/bookmarkglyph.h"

#include <QPainter>

QImage bookmarkGlyph(int digit, QSize size, const QColor& block, const QColor& digitColour, const QFont& font) {
    QImage image(size, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(block);
    painter.drawRoundedRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QFont bold(font);
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(digitColour);
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(digit));
    return image;
}
