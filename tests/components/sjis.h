#pragma once
// Shift-JIS bytes of a UTF-8 literal, so tests can be written readably.
#include "platform/cp932.h"

#include <QByteArray>
#include <QString>

inline QByteArray sj(const char* utf8) { return cp932::encode(QString::fromUtf8(utf8)); }
