#pragma once
// Captions of the document tabs: the file name part of the path, or
// "新規 (n)" for an untitled document, followed by the modified mark while the
// document has unsaved changes.
#include <QString>

// " [変更]": seven bytes in Shift-JIS.
extern const QString kModifiedMark;

QString untitledCaption(int number);

// The caption with the mark after it.
QString withModifiedMark(const QString& caption);

// The caption without its trailing mark. Only a mark at the very end counts:
// a file whose name merely contains "[変更]" keeps its whole name.
QString withoutModifiedMark(const QString& caption);
