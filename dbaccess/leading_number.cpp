#include "dbaccess/leading_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace dbaccess {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

LeadingNumber leadingNumber(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return {};
    std::size_t end = i;
    // An exponent counts only when at least one digit follows its letter.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            end = j;
        }
    }

    std::string number = s.substr(mantissaStart, end - mantissaStart);
    if (number.front() == '.')
        number.insert(number.begin(), '0');
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = HUGE_VAL;
    return {true, negative ? -value : value};
}

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<std::int16_t> leadingInt16(std::string_view text)
{
    const double rounded = roundHalfEven(leadingNumber(text).value);
    if (!(rounded >= -32768 && rounded <= 32767))
        return std::nullopt;
    return std::int16_t(rounded);
}

std::optional<std::int16_t> wholeInt16(std::string_view text)
{
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    if (digits.empty())
        return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 32768) // beyond the range whatever the sign; also stops any overflow
            return std::nullopt;
    }
    if (text.front() == '-')
        value = -value;
    if (value > 32767)
        return std::nullopt;
    return std::int16_t(value);
}

} // namespace dbaccess
