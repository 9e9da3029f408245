// The option set handed to the editor and the choice of search call.
#include "search/searchstate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Records which search call ran and where the selection stood.
struct RecordingEditor {
    std::string calls;
    qsizetype selStart = 4;
    qsizetype selLength = 3;

    bool Find() { return record("Find"); }
    bool FindNext() { return record("FindNext"); }
    bool FindPrev() { return record("FindPrev"); }
    qsizetype GetSelStart() const { return selStart; }
    qsizetype GetSelLength() const { return selLength; }
    void SetSelStart(qsizetype at) {
        selStart = at;
        selLength = 0;
    }
    bool record(const char* call) {
        calls += std::string(calls.empty() ? "" : " ") + call + "@" + std::to_string(selStart);
        return true;
    }
};

TEST(SearchState, OptionsByTheirMembers) {
    SearchState state;
    EXPECT_EQ(BuildSearchOptions(state), TExSearchOptions{});
    state.MatchCase = state.WholeWord = true;
    EXPECT_EQ(BuildSearchOptions(state), (TExSearchOptions{TExSearchOption::MatchCase, TExSearchOption::WholeWord}));
    state = {};
    state.Regexp = state.Fuzzy = true;
    EXPECT_EQ(BuildSearchOptions(state), (TExSearchOptions{TExSearchOption::Regexp, TExSearchOption::Fuzzy}));
}

TEST(SearchState, BackwardTakesFindPrevWhateverTheLineBreak) {
    SearchState state;
    state.Backward = 1;
    state.MultiLine = true;
    RecordingEditor editor;
    RunSearch(editor, state);
    EXPECT_EQ(editor.calls, "FindPrev@4");
}

TEST(SearchState, ForwardTakesFindNextOrFindAfterTheSelectionForALineBreak) {
    SearchState state;
    RecordingEditor plain;
    RunSearch(plain, state);
    EXPECT_EQ(plain.calls, "FindNext@4");

    state.MultiLine = true;
    RecordingEditor multiLine;
    RunSearch(multiLine, state);
    EXPECT_EQ(multiLine.calls, "Find@7");  // past the hit, never the same one again
}

}  // namespace
