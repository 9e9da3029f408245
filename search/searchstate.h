#pragma once
// What the find and replace commands remember between them: the texts, the
// options, the direction and where the last search started, and whether F3
// and Shift+F3 may search on their own. Texts are Shift-JIS bytes.
#include "components/exsearchoptions.h"

#include <QByteArray>

struct SearchState {
    QByteArray FindText;     // as typed; escapes expanded by the commands
    QByteArray ReplaceText;  // the same
    bool MatchCase = false;
    bool WholeWord = false;
    bool Regexp = false;
    bool Fuzzy = false;
    int Backward = 0;          // 1: towards the start of the text
    qsizetype FromCaret = 0;   // 0: from the top ("全て"); a backward search holds the text length
    qsizetype StartPos = 0;    // the caret when "カーソル位置から" was chosen
    bool MultiLine = false;    // the pattern holds a line break: searched with Find
    bool Confirmed = false;    // F3 and Shift+F3 search instead of opening the dialog
};

// The option set the editor searches with.
TExSearchOptions BuildSearchOptions(const SearchState& state);

// A forward search from where the last hit ended: Find for a pattern with a
// line break (from the end of the selection, so that a hit is never found
// twice in a row), FindNext otherwise. True when a hit was selected.
template <typename Editor>
bool SearchForward(Editor& editor, bool multiLine) {
    if (!multiLine) return editor.FindNext();
    if (editor.GetSelLength() > 0) editor.SetSelStart(editor.GetSelStart() + editor.GetSelLength());
    return editor.Find();
}

// The search of the find and replace commands: backward with FindPrev,
// otherwise forward as above. True when a hit was selected.
template <typename Editor>
bool RunSearch(Editor& editor, const SearchState& state) {
    if (state.Backward != 0) return editor.FindPrev();
    return SearchForward(editor, state.MultiLine);
}
