#pragma once
// What the palette needs of the window it sits in, at the moment a snippet
// button or menu item is clicked.
class TEditorEx;

class TPaletteHost {
public:
    virtual ~TPaletteHost() = default;
    // The editor snippets go into; null when there is none.
    virtual TEditorEx* SnippetEditor() = 0;
    // Whether a line break with the line's indentation follows a snippet.
    virtual bool InsertNewLine() const = 0;
};
