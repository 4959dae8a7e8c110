#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dbaccess {

// The number a typed or stored text starts with: blanks, tabs and line feeds are
// ignored wherever they stand; then an optional sign, digits with at most one "."
// (whatever the locale) and an optional exponent. The number ends at the first
// character that cannot continue it, so "12abc" reads 12. A number too small for a
// double reads 0; one too large for a double counts as no number at all.
struct LeadingNumber
{
    bool found = false; // false: the text does not start with a usable number ("abc", "")
    double value = 0;   // 0 when nothing was found
};

LeadingNumber leadingNumber(std::string_view text);

// Rounds to the nearest whole number, a tie going to the even neighbour (6.5 → 6).
double roundHalfEven(double value);

// The leading number rounded half to even, if it fits a 16-bit signed integer.
std::optional<std::int16_t> leadingInt16(std::string_view text);

// The text as a whole number in the 16-bit signed range: an optional sign and decimal
// digits, nothing before, between or after them. Nothing for any other text, so that a
// number checked this way reads the same by the leading-number rule.
std::optional<std::int16_t> wholeInt16(std::string_view text);

} // namespace dbaccess
