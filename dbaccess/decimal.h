#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dbaccess {

__extension__ typedef __int128 Int128;

// An exact decimal number with nine places after the point, as the database's
// numeric columns deliver them: 7.5 stays 7.5 and 0.1 + 0.2 is 0.3. Division
// and rounding go to the even neighbour on a tie.
class Decimal final
{
public:
    static constexpr int places = 9;

    constexpr Decimal() = default;
    static Decimal fromInt(std::int64_t value);
    // Parses plain decimal text ("-12.500", "3", ".5"); more than nine places
    // round to nine. Returns nothing for anything else.
    static std::optional<Decimal> parse(std::string_view text);
    // Nearest decimal to a double, by the double's shortest text.
    static Decimal fromDouble(double value);
    static Decimal fromUnits(Int128 units) { Decimal d; d.m_units = units; return d; }

    Int128 units() const { return m_units; }

    Decimal operator+(Decimal other) const { return fromUnits(m_units + other.m_units); }
    Decimal operator-(Decimal other) const { return fromUnits(m_units - other.m_units); }
    Decimal operator-() const { return fromUnits(-m_units); }
    Decimal operator*(Decimal other) const;
    // Throws std::domain_error on division by zero.
    Decimal operator/(Decimal other) const;
    Decimal &operator+=(Decimal other) { m_units += other.m_units; return *this; }
    Decimal &operator-=(Decimal other) { m_units -= other.m_units; return *this; }

    auto operator<=>(const Decimal &) const = default;
    bool operator==(const Decimal &) const = default;

    bool isZero() const { return m_units == 0; }
    // Rounds to the given number of places (0..9), halves to the even neighbour.
    Decimal rounded(int toPlaces) const;
    // Whole number, halves to even; nothing if it does not fit 64 bits.
    std::optional<std::int64_t> toInt64() const;

    // Shortest form: no trailing zeros, no point for whole numbers ("5", "1.5", "-0.25").
    std::string toString() const;
    // Fixed number of places, as "0.000" formats it ("15.000").
    std::string toFixed(int fixedPlaces) const;

private:
    Int128 m_units = 0;
};

} // namespace dbaccess
