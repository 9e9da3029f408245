#pragma once
// What the views of one text share besides the widget's document: the
// Shift-JIS line table and the modified flag set by hand.
#include "components/linelengthindex.h"

#include <QtGlobal>

#include <vector>

class TEditorEx;

struct TEditorDocState {
    // The views showing the text; a load shows its new document in each.
    std::vector<TEditorEx*> views;
    LineLengthIndex index;
    // Document length (UTF-8) that the index describes. Every view of the
    // text hears of every edit; the first to hear brings the index up to
    // date, the others find the lengths equal and leave it.
    qsizetype utf8Length = 0;
    quint64 version = 1;  // grows with every edit
    // Set by SetModified(true) until the next save point; edits count
    // through the save point of the widget's document.
    bool modified = false;
};
