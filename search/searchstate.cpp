#include "search/searchstate.h"

TExSearchOptions BuildSearchOptions(const SearchState& state) {
    TExSearchOptions options;
    if (state.MatchCase) options.Include(TExSearchOption::MatchCase);
    if (state.Regexp) options.Include(TExSearchOption::Regexp);
    if (state.Fuzzy) options.Include(TExSearchOption::Fuzzy);
    if (state.WholeWord) options.Include(TExSearchOption::WholeWord);
    return options;
}
