#include "dbaccess/decimal.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace dbaccess {

namespace {

constexpr Int128 pow10(int n)
{
    Int128 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

constexpr Int128 unitsPerOne = pow10(Decimal::places);

Int128 absolute(Int128 v) { return v < 0 ? -v : v; }

// numerator / denominator, rounded to the nearest integer, ties to even.
Int128 divideHalfEven(Int128 numerator, Int128 denominator)
{
    if (denominator == 0)
        throw std::domain_error("division by zero");
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    Int128 q = numerator / denominator;
    Int128 r = numerator % denominator;
    const Int128 twice = absolute(r) * 2;
    if (twice > denominator || (twice == denominator && (q % 2 != 0)))
        q += numerator < 0 ? -1 : 1;
    return q;
}

std::string digitsOf(Int128 v)
{
    if (v == 0)
        return "0";
    std::string s;
    while (v > 0) {
        s.insert(s.begin(), char('0' + int(v % 10)));
        v /= 10;
    }
    return s;
}

} // namespace

Decimal Decimal::fromInt(std::int64_t value) { return fromUnits(Int128(value) * unitsPerOne); }

std::optional<Decimal> Decimal::parse(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t wholeStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    const std::string_view wholeDigits = text.substr(wholeStart, i - wholeStart);
    std::string_view fractionDigits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (i != text.size() || (wholeDigits.empty() && fractionDigits.empty()))
        return std::nullopt;

    Int128 units = 0;
    for (char c : wholeDigits) {
        units = units * 10 + (c - '0');
        if (units > pow10(27))
            return std::nullopt;
    }
    for (int k = 0; k < places; ++k)
        units = units * 10 + (k < int(fractionDigits.size()) ? fractionDigits[k] - '0' : 0);

    // Digits beyond the ninth place round the last kept one, ties to even.
    if (int(fractionDigits.size()) > places) {
        const int first = fractionDigits[places] - '0';
        bool restNonZero = false;
        for (std::size_t k = places + 1; k < fractionDigits.size(); ++k)
            restNonZero = restNonZero || fractionDigits[k] != '0';
        if (first > 5 || (first == 5 && (restNonZero || units % 2 != 0)))
            ++units;
    }
    return fromUnits(negative ? -units : units);
}

Decimal Decimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw std::domain_error("not a finite number");
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        throw std::domain_error("number out of range");
    auto parsed = parse(std::string_view(buffer, end - buffer));
    if (!parsed)
        throw std::domain_error("number out of range");
    return *parsed;
}

Decimal Decimal::operator*(Decimal other) const
{
    return fromUnits(divideHalfEven(m_units * other.m_units, unitsPerOne));
}

Decimal Decimal::operator/(Decimal other) const
{
    return fromUnits(divideHalfEven(m_units * unitsPerOne, other.m_units));
}

Decimal Decimal::rounded(int toPlaces) const
{
    if (toPlaces >= places)
        return *this;
    const Int128 step = pow10(places - (toPlaces < 0 ? 0 : toPlaces));
    return fromUnits(divideHalfEven(m_units, step) * step);
}

std::optional<std::int64_t> Decimal::toInt64() const
{
    const Int128 whole = divideHalfEven(m_units, unitsPerOne);
    if (whole > INT64_MAX || whole < INT64_MIN)
        return std::nullopt;
    return std::int64_t(whole);
}

std::string Decimal::toString() const
{
    std::string text = toFixed(places);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string Decimal::toFixed(int fixedPlaces) const
{
    if (fixedPlaces < 0)
        fixedPlaces = 0;
    if (fixedPlaces > places)
        fixedPlaces = places;
    const Int128 scaled = rounded(fixedPlaces).m_units / pow10(places - fixedPlaces);
    std::string digits = digitsOf(absolute(scaled));
    if (fixedPlaces > 0) {
        if (int(digits.size()) <= fixedPlaces)
            digits.insert(0, std::string(fixedPlaces + 1 - digits.size(), '0'));
        digits.insert(digits.size() - fixedPlaces, ".");
    }
    return scaled < 0 ? "-" + digits : digits;
}

} // namespace dbaccess
