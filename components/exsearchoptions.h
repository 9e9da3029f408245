#pragma once
// The set of extended search options, by the ordinal members the program
// builds it from: MatchCase 0, Regexp 1, Fuzzy 2, WholeWord 3.
#include <cstdint>
#include <initializer_list>

enum class TExSearchOption : int { MatchCase = 0, Regexp = 1, Fuzzy = 2, WholeWord = 3 };

// Why a search found nothing when it was not for want of a match.
enum class TSearchFailure {
    None,
    BadPattern,  // a regular expression that does not compile
    Stopped,     // the caller's stop check asked the search to end
    TooComplex,  // the regular-expression engine gave up (its backtracking limit)
};

class TExSearchOptions {
public:
    TExSearchOptions() = default;
    TExSearchOptions(std::initializer_list<TExSearchOption> members) {
        for (TExSearchOption m : members) Include(m);
    }

    bool Contains(TExSearchOption m) const { return bits_ & bit(m); }
    void Include(TExSearchOption m) { bits_ |= bit(m); }
    void Exclude(TExSearchOption m) { bits_ &= ~bit(m); }
    bool operator==(const TExSearchOptions&) const = default;

private:
    static std::uint8_t bit(TExSearchOption m) { return std::uint8_t(1u << int(m)); }
    std::uint8_t bits_ = 0;
};
