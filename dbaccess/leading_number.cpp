#include "dbaccess/leading_number.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <string>

namespace dbaccess {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// For a number out of a double's range ("1e-400", "1e400"): true when it lies below 1.
bool tooSmallForADouble(const std::string &number)
{
    long long exponent = 0;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string::npos) {
        const char *first = number.data() + e + 1;
        if (*first == '+')
            ++first;
        if (std::from_chars(first, number.data() + number.size(), exponent).ec != std::errc())
            exponent = *first == '-' ? -1'000'000 : 1'000'000; // beyond any double either way
    }
    // The place of the first significant digit: its power of ten before the exponent.
    const std::string mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    const long long place = firstSignificant < point ? (long long)(point - firstSignificant) - 1
                                                     : -(long long)(firstSignificant - point);
    return place + exponent < 0;
}

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
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a double is as good as 0; too large is no usable number.
        if (!tooSmallForADouble(number))
            return {};
        value = 0;
    }
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
