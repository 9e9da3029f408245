#pragma once
// An editor on screen (offscreen), laid out, with a property set applied,
// and keys typed into it as a user types them.
#include "components/editorex.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QTest>

struct ShownEditor {
    TEditorEx e;
    explicit ShownEditor(const TEditorExProp& prop = {}, int width = 600) {
        e.ApplyProp(prop);
        e.resize(width, 400);
        e.show();
        QApplication::processEvents();
    }
    long sci(unsigned int msg, unsigned long w = 0, long l = 0) { return e.Scintilla()->SendScintilla(msg, w, l); }
};

inline void key(TEditorEx& e, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(e.Scintilla(), Qt::Key(k), mods);
}
