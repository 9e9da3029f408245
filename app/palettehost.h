#pragma once
// The main window as the palette sees it: snippets go into the current
// document, followed by a line break while the line-break toggle is on.
#include "app/mainunit.h"
#include "palette/palettehost.h"

class TMainWindowPaletteHost final : public TPaletteHost {
public:
    explicit TMainWindowPaletteHost(TMF& mf) : mf_(mf) {}
    TEditorEx* SnippetEditor() override { return mf_.CurEditor; }
    bool InsertNewLine() const override { return mf_.Settings.InsertNewLine; }

private:
    TMF& mf_;
};
