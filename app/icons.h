#pragma once
// The pictures of the bar buttons and menu items. They are drawn at run time
// so the program carries no image files; the style's own icons are used where
// they say the same thing.
#include <QIcon>

enum class Glyph {
    None,
    NewFile,
    OpenFile,
    Save,
    SaveAs,
    SaveAll,
    Reload,
    Settings,
    Compile,
    Run,
    Find,
    FindNext,
    FindBack,
    Replace,
    Macro,
    Help,
    Contents,
    Undo,
    Redo,
    Copy,
    Cut,
    Paste,
    Split,
    SourceFile,   // the action tree's file nodes
    ActionEntry,  // the action tree's action nodes
};

QIcon iconFor(Glyph glyph);
