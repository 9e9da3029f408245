#include "macro/engine/ppa_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "macro/engine/ppa_error.h"

namespace ppa {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

}  // namespace

std::optional<std::int64_t> readInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::uint64_t value = 0;
    if (!text.empty() && text[0] == '$') {
        text.remove_prefix(1);
        if (text.empty()) return std::nullopt;
        for (char c : text) {
            const int d = hexValue(c);
            if (d < 0 || value > (std::numeric_limits<std::uint64_t>::max() >> 4)) return std::nullopt;
            value = value << 4 | static_cast<std::uint64_t>(d);
        }
    } else {
        if (text.empty()) return std::nullopt;
        const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
        for (char c : text) {
            if (!isDigit(c)) return std::nullopt;
            const std::uint64_t d = static_cast<std::uint64_t>(c - '0');
            if (value > (limit - d) / 10) return std::nullopt;
            value = value * 10 + d;
        }
    }
    if (negative) value = 0 - value;
    return static_cast<std::int64_t>(value);
}

std::optional<double> readReal(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t intEnd = skipDigits(text, i);
    std::size_t end = intEnd;
    std::size_t digits = intEnd - i;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fracEnd = skipDigits(text, end + 1);
        digits += fracEnd - end - 1;
        end = fracEnd;
    }
    if (digits == 0) return std::nullopt;
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        std::size_t e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        const std::size_t expEnd = skipDigits(text, e);
        if (expEnd == e) return std::nullopt;
        end = expEnd;
    }
    if (end != text.size()) return std::nullopt;
    // from_chars takes no leading plus sign.
    std::string_view number = text;
    if (!number.empty() && number[0] == '+') number.remove_prefix(1);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || ptr != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::string> decodeStringLiteral(std::string_view token) {
    if (!token.empty() && token.front() == '\'' && token.back() == '\'') {
        const std::string_view inner =
            token.size() >= 2 ? token.substr(1, token.size() - 2) : std::string_view();
        std::string out;
        out.reserve(inner.size());
        for (std::size_t i = 0; i < inner.size(); ++i) {
            out += inner[i];
            if (inner[i] == '\'' && i + 1 < inner.size() && inner[i + 1] == '\'') ++i;
        }
        return out;
    }
    const std::size_t hash = token.find('#');
    if (hash == std::string_view::npos) return std::string(token);
    std::optional<std::int64_t> code;
    if (hash + 1 < token.size() && token[hash + 1] == '$')
        code = readInteger("$" + std::string(token.substr(hash + 2, 3)));
    else
        code = readInteger(token.substr(hash + 1, 3));
    if (!code) return std::nullopt;
    if (*code < 0 || *code > 255) return std::string();
    return std::string(1, static_cast<char>(*code));
}

std::string floatToStr(double value) {
    if (value == 0.0) return "0";
    // Only a host can hand in such values; the arithmetic never makes them.
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    // buffer: [-]d.ddddddddddddddde[+-]xx
    std::string_view s(buffer);
    std::string sign;
    if (s[0] == '-') {
        sign = "-";
        s.remove_prefix(1);
    }
    const std::size_t ePos = s.find('e');
    std::string digits = std::string(s.substr(0, 1)) + std::string(s.substr(2, ePos - 2));
    int exponent = std::atoi(std::string(s.substr(ePos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = sign;
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return out;
}

void raiseDivisionByZero(std::string_view op) { raiseError(PPAMessage::DivisionByZero, op); }

double checkedReal(double result, std::string_view op) {
    if (!std::isfinite(result)) raiseError(PPAMessage::InvalidRealOperation, op);
    return result;
}

double checkedDivide(double a, double b, std::string_view op) {
    if (b == 0.0) raiseError(PPAMessage::DivisionByZero, op);
    return checkedReal(a / b, op);
}

namespace {

std::int64_t toInteger(double whole, double original) {
    // 2^63 is exact in a double; the range is [-2^63, 2^63).
    constexpr double kLimit = 9223372036854775808.0;
    if (!(whole >= -kLimit && whole < kLimit))
        raiseError(PPAMessage::IntegerOutOfRange, floatToStr(original));
    return static_cast<std::int64_t>(whole);
}

}  // namespace

std::int64_t truncToInteger(double value) { return toInteger(std::trunc(value), value); }

std::int64_t roundToInteger(double value) {
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    return toInteger(std::nearbyint(value), value);
}

}  // namespace ppa
