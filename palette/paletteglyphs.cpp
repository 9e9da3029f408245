#include "palette/paletteglyphs.h"

#include "platform/fileerror.h"

#include <QBitmap>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace {

const QString badBitmapReason = QStringLiteral("画像として読み込めません");

QImage firstSquare(const QImage& image) {
    const int side = image.height();
    if (side <= 0 || image.width() == side || image.width() % side != 0 || image.width() / side > 4) return image;
    return image.copy(0, 0, side, side);
}

QPixmap withTransparentBackground(const QImage& image) {
    QPixmap pixmap = QPixmap::fromImage(image);
    if (image.hasAlphaChannel() || image.isNull()) return pixmap;
    const QRgb background = image.pixel(0, image.height() - 1);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(background, Qt::MaskInColor)));
    return pixmap;
}

QImage readBitmap(const QString& path) {
    requireExistingFile(path);
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) throw FileError(FileError::Operation::Read, path, badBitmapReason);
    return image;
}

}  // namespace

QIcon TPaletteGlyphs::Glyph(const QString& path) {
    const auto known = glyphs_.constFind(path);
    if (known != glyphs_.cend()) return *known;
    QIcon glyph;
    try {
        glyph = QIcon(withTransparentBackground(firstSquare(readBitmap(path))));
    } catch (const FileError& error) {
        unreadable_.append(error.message());
    }
    glyphs_.insert(path, glyph);
    return glyph;
}
