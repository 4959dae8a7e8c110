#include "engine/typed_number.h"

#include "dbaccess/leading_number.h"

#include <cmath>

namespace engine {

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

TypedNumber readTypedNumber(std::string_view text, dbaccess::Decimal lowest,
                            dbaccess::Decimal highest, int places)
{
    const auto number = dbaccess::leadingNumber(text);
    if (!number.found && !isBlank(text))
        return {TypedNumber::Problem::NotANumber, {}, {}};
    // Far beyond any column: refused before it is turned into a decimal.
    if (std::fabs(number.value) > 1e15)
        return {number.value < 0 ? TypedNumber::Problem::BelowRange
                                 : TypedNumber::Problem::AboveRange,
                {}, {}};
    const dbaccess::Decimal value = dbaccess::Decimal::fromDouble(number.value);
    const dbaccess::Decimal stored = value.rounded(places);
    if (stored < lowest)
        return {TypedNumber::Problem::BelowRange, {}, {}};
    if (stored > highest)
        return {TypedNumber::Problem::AboveRange, {}, {}};
    return {TypedNumber::Problem::None, value, stored};
}

} // namespace engine
