#pragma once
// Shift-JIS test texts written in UTF-8 source: the macro tests speak the
// engine's byte strings, the test sources are UTF-8.
#include <iconv.h>

#include <string>
#include <string_view>

namespace macrotest {

inline std::string convert(std::string_view in, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    std::string out(in.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}
inline std::string sjis(std::string_view utf8) { return convert(utf8, "CP932", "UTF-8"); }
inline std::string utf8(std::string_view sjisText) { return convert(sjisText, "UTF-8", "CP932"); }

}  // namespace macrotest
