#pragma once

#include "dbaccess/date.h"

#include <array>
#include <string>

namespace engine {

// Month names of the user's locale; the windows fill them from the system, tests
// and the plain layers use English.
struct MonthNames
{
    std::array<std::string, 12> abbreviated;
    std::array<std::string, 12> full;

    static const MonthNames &english();
};

// "d-mmm-yy", as due dates are shown: 9-Mar-26.
std::string dueDateText(dbaccess::Date date, const MonthNames &names = MonthNames::english());
// "d mmm", the start dates on the floor plan: 9 Mar.
std::string dayMonthText(dbaccess::Date date, const MonthNames &names = MonthNames::english());
// "mmm d", the calendar slot captions: Mar 9.
std::string monthDayText(dbaccess::Date date, const MonthNames &names = MonthNames::english());
// "mmmm", the month captions of the capacity panel: March.
std::string monthText(dbaccess::Date date, const MonthNames &names = MonthNames::english());
// "yyyymmdd", for sort keys.
std::string sortKeyText(dbaccess::Date date);

// The working day (Monday to Friday) before `date`.
dbaccess::Date previousWorkingDay(dbaccess::Date date);

} // namespace engine
