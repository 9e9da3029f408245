#pragma once
// Literal reading, number writing and the checked arithmetic of the macro language.
// Integers wrap around on 64 bits; real results that are not finite numbers
// and conversions out of the 64-bit range raise instead of giving garbage.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ppa {

// Optional sign, then decimal digits or $ and hexadecimal digits, nothing
// else. Decimal values beyond the 64-bit range do not convert; hexadecimal
// ones may fill all 64 bits.
std::optional<std::int64_t> readInteger(std::string_view text);

// Optional sign, digits with an optional fraction, optional exponent.
std::optional<double> readReal(std::string_view text);

// The value of a string literal token: 'text' with doubled quotes undone, a
// #code or #$code (up to three digits) as one byte, anything else as it is.
// A code that is no number yields nothing: the caller raises NotANumber.
std::optional<std::string> decodeStringLiteral(std::string_view token);

// Shortest general form with up to 15 significant digits: 1.5, 1E20, 1E-6.
std::string floatToStr(double value);

// Integer arithmetic without undefined behaviour.
inline std::int64_t wrapAdd(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}
inline std::int64_t wrapSub(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}
inline std::int64_t wrapMul(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}
inline std::int64_t wrapNeg(std::int64_t a) { return wrapSub(0, a); }
inline std::int64_t shiftLeft(std::int64_t a, std::int64_t n) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) << (n & 63));
}
inline std::int64_t shiftRight(std::int64_t a, std::int64_t n) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) >> (n & 63));
}
// Raise on a zero divisor (`op` names the operator in the message).
[[noreturn]] void raiseDivisionByZero(std::string_view op);
inline std::int64_t checkedDiv(std::int64_t a, std::int64_t b, std::string_view op) {
    if (b == 0) raiseDivisionByZero(op);
    if (b == -1) return wrapNeg(a);  // -2^63 div -1 wraps to -2^63
    return a / b;
}
inline std::int64_t checkedMod(std::int64_t a, std::int64_t b, std::string_view op) {
    if (b == 0) raiseDivisionByZero(op);
    if (b == -1) return 0;
    return a % b;
}

// Real results: a division by zero, an overflow or an invalid operation raises.
double checkedReal(double result, std::string_view op);
double checkedDivide(double a, double b, std::string_view op);

// Toward zero / halves to even; raise outside the 64-bit range.
std::int64_t truncToInteger(double value);
std::int64_t roundToInteger(double value);

}  // namespace ppa
