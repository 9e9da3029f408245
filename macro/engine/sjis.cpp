#include "macro/engine/sjis.h"

namespace ppa::sjis {
namespace {

template <typename Map>
std::string mapSingleBytes(std::string_view s, Map map) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t n = charLength(out, i);
        if (n == 1) out[i] = map(out[i]);
        i += n;
    }
    return out;
}

}  // namespace

std::string upper(std::string_view s) {
    return mapSingleBytes(s, [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
}

std::string lower(std::string_view s) {
    return mapSingleBytes(s, [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
}

}  // namespace ppa::sjis
