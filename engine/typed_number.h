#pragma once

#include "dbaccess/decimal.h"

#include <string_view>

namespace engine {

// A number typed into a box of the window, read by the leading-number rule (empty
// gives 0, "12abc" gives 12), checked before anything is stored: a text that holds no
// number at all ("abc"), or a number that, rounded half to even to the places its
// column keeps, lies outside [lowest, highest], is refused.
struct TypedNumber
{
    enum class Problem { None, NotANumber, BelowRange, AboveRange };

    Problem problem = Problem::None;
    dbaccess::Decimal value;  // as typed (to nine places), when accepted
    dbaccess::Decimal stored; // rounded to the column's places, when accepted

    bool accepted() const { return problem == Problem::None; }
};

// Only blanks, tabs and line ends: an empty box.
bool isBlank(std::string_view text);

TypedNumber readTypedNumber(std::string_view text, dbaccess::Decimal lowest,
                            dbaccess::Decimal highest, int places);

} // namespace engine
