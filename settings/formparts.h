#pragma once
// What the settings windows are built from: controls named as their fields
// (tests and the layout find them by name), and the forms' font.
#include <QFont>
#include <QString>

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// "ＭＳ Ｐゴシック" (a Japanese font stands in for it) at `pixels`.
inline QFont formFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
