#include "engine/typed_number.h"

#include "dbaccess/leading_number.h"

#include <cmath>

namespace engine {

namespace {

bool blank(std::string_view text)
{
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            return false;
    return true;
}

} // namespace

TypedNumber readTypedNumber(std::string_view text, dbaccess::Decimal lowest,
                            dbaccess::Decimal highest, int places)
{
    const auto number = dbaccess::leadingNumber(text);
    if (!number.found && !blank(text))
        return {TypedNumber::Problem::NotANumber, {}, {}};
    // Far beyond any column: refused before it is turned into a decimal.
    if (std::fabs(number.value) > 1e15)
        return {TypedNumber::Problem::OutOfRange, {}, {}};
    const dbaccess::Decimal value = dbaccess::Decimal::fromDouble(number.value);
    const dbaccess::Decimal stored = value.rounded(places);
    if (stored < lowest || stored > highest)
        return {TypedNumber::Problem::OutOfRange, {}, {}};
    return {TypedNumber::Problem::None, value, stored};
}

} // namespace engine
