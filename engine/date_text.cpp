#include "engine/date_text.h"

#include <cstdio>

namespace engine {

const MonthNames &MonthNames::english()
{
    static const MonthNames names{
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"}};
    return names;
}

std::string dueDateText(dbaccess::Date date, const MonthNames &names)
{
    char year[4];
    std::snprintf(year, sizeof year, "%02d", date.year() % 100);
    return std::to_string(date.day()) + "-" + names.abbreviated[date.month() - 1] + "-" + year;
}

std::string dayMonthText(dbaccess::Date date, const MonthNames &names)
{
    return std::to_string(date.day()) + " " + names.abbreviated[date.month() - 1];
}

std::string monthDayText(dbaccess::Date date, const MonthNames &names)
{
    return names.abbreviated[date.month() - 1] + " " + std::to_string(date.day());
}

std::string monthText(dbaccess::Date date, const MonthNames &names)
{
    return names.full[date.month() - 1];
}

std::string sortKeyText(dbaccess::Date date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year(), date.month(), date.day());
    return text;
}

dbaccess::Date previousWorkingDay(dbaccess::Date date)
{
    dbaccess::Date d = date.addDays(-1);
    if (d.isSunday())
        d = d.addDays(-2);
    else if (d.isSaturday())
        d = d.addDays(-1);
    return d;
}

} // namespace engine
