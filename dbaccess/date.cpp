#include "dbaccess/date.h"

#include <cstdio>
#include <ctime>

namespace dbaccess {

// Conversions between civil dates and day numbers (proleptic Gregorian calendar).
Date Date::fromYmd(int year, int month, int day)
{
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = unsigned((153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1);
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return fromDayNumber(era * 146097 + int(doe) - 719468);
}

namespace {

struct Ymd
{
    int year, month, day;
};

Ymd civilFromDays(std::int32_t days)
{
    const int z = days + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int y = int(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {y + (m <= 2 ? 1 : 0), int(m), int(d)};
}

} // namespace

std::optional<Date> Date::fromIsoText(const std::string &text)
{
    int year = 0, month = 0, day = 0;
    char end = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &end) != 3)
        return std::nullopt;
    const Date date = fromYmd(year, month, day);
    if (date.month() != month || date.day() != day)
        return std::nullopt;
    return date;
}

Date Date::today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return fromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

int Date::year() const { return civilFromDays(m_days).year; }
int Date::month() const { return civilFromDays(m_days).month; }
int Date::day() const { return civilFromDays(m_days).day; }

int Date::dayOfWeek() const
{
    // 1970-01-01 was a Thursday (4).
    const int offset = ((m_days % 7) + 7) % 7;
    return (offset + 3) % 7 + 1;
}

std::string Date::isoText() const
{
    const Ymd d = civilFromDays(m_days);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

} // namespace dbaccess
