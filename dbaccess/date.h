#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace dbaccess {

// A calendar date without time of day, counted in days from 1970-01-01.
class Date final
{
public:
    constexpr Date() = default;
    static Date fromYmd(int year, int month, int day);
    static Date fromDayNumber(std::int32_t days) { Date d; d.m_days = days; return d; }
    // "yyyy-mm-dd"; nothing for any other text or an impossible date.
    static std::optional<Date> fromIsoText(const std::string &text);
    // Today on the machine's local clock.
    static Date today();

    int year() const;
    int month() const; // 1..12
    int day() const;   // 1..31
    // 1 = Monday … 7 = Sunday.
    int dayOfWeek() const;
    bool isSaturday() const { return dayOfWeek() == 6; }
    bool isSunday() const { return dayOfWeek() == 7; }
    bool isWeekend() const { return dayOfWeek() >= 6; }

    std::int32_t dayNumber() const { return m_days; }
    Date addDays(int days) const { return fromDayNumber(m_days + days); }
    // Whole days from this date to `later` (negative when `later` lies before).
    int daysTo(Date later) const { return later.m_days - m_days; }

    // "yyyy-mm-dd", the form the database reads and writes.
    std::string isoText() const;

    auto operator<=>(const Date &) const = default;
    bool operator==(const Date &) const = default;

private:
    std::int32_t m_days = 0;
};

// A timestamp without zone, as the ERP stores order dates.
struct Timestamp
{
    Date date;
    int secondsOfDay = 0;

    auto operator<=>(const Timestamp &) const = default;
    bool operator==(const Timestamp &) const = default;
};

} // namespace dbaccess
