#pragma once
// The picture of bookmark n in the editor's bookmark margin: the digit on a
// block as wide as the margin and as high as a row, so a mark is seen at a
// glance. Drawn in the left bar's colours turned around.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>

QImage bookmarkGlyph(int digit, QSize size, const QColor& block, const QColor& digitColour, const QFont& font);
