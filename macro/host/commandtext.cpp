#include "macro/host/commandtext.h"

#include "platform/cp932.h"

#include <algorithm>

namespace {

// "[変更]" in Shift-JIS.
constexpr std::string_view kMarkText = "[\x95\xcf\x8d\x58]";
constexpr std::size_t kMarkBytes = 7;

std::size_t unitLength(std::string_view s, std::size_t pos) {
    if (s[pos] == '\r' && pos + 1 < s.size() && s[pos + 1] == '\n') return 2;
    return std::size_t(cp932::charLength(QByteArrayView(s.data(), qsizetype(s.size())), qsizetype(pos)));
}

}  // namespace

std::string ReverseStr(std::string_view s, bool byCharacter) {
    if (!byCharacter) return std::string(s.rbegin(), s.rend());
    std::string out(s.size(), '\0');
    std::size_t end = s.size();
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t length = unitLength(s, pos);
        end -= length;
        std::copy_n(s.data() + pos, length, out.data() + end);
        pos += length;
    }
    return out;
}

std::string CaptionWithoutMark(std::string caption) {
    if (caption.find(kMarkText) == std::string::npos) return caption;
    caption.erase(caption.size() > kMarkBytes ? caption.size() - kMarkBytes : 0);
    return caption;
}

TExSearchOptions MacroSearchOptions(std::int64_t matchCase, std::int64_t wholeWord, std::int64_t regexp,
                                    std::int64_t fuzzy) {
    TExSearchOptions options;
    if (matchCase == 1) options.Include(TExSearchOption::MatchCase);
    if (regexp == 1) options.Include(TExSearchOption::Regexp);
    if (fuzzy == 1) options.Include(TExSearchOption::Fuzzy);
    if (wholeWord == 1) options.Include(TExSearchOption::WholeWord);
    return options;
}
