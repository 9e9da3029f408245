#pragma once
// What the settings windows are built from: controls named as their fields
// (tests and the layout find them by name), and the forms' font.
#include "platform/prompt.h"

#include <QFont>
#include <QObject>
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

// Runs `handler` on `signal`, with an exception it throws shown in the error
// box rather than let into Qt's event handling.
template <typename Sender, typename Signal, typename Handler>
void onSignal(Sender* sender, Signal signal, QObject* context, Handler handler) {
    QObject::connect(sender, signal, context, [handler] { runGuarded(handler); });
}
