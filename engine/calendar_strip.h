#pragma once

#include "dbaccess/date.h"
#include "dbaccess/decimal.h"
#include "engine/colour.h"
#include "engine/date_text.h"

#include <array>
#include <optional>
#include <string>

namespace engine {

inline constexpr int calendarSlotCount = 23;

enum CalendarMode : int { Daily = 0, Weekly = 1 };

// One slot of the calendar strip: a day, or a week in the weekly mode.
struct CalendarSlot
{
    dbaccess::Date start;        // first day of the slot
    dbaccess::Date end;          // first day after the slot
    dbaccess::Decimal booked;    // booked hours of the shown work centre
    Rgb captionColour;           // the colour the strip gave the slot's caption
    std::string caption;         // "mmm d" of the slot's start
};

using CalendarDays = std::array<CalendarSlot, calendarSlotCount>;

// The 23 slots counted from `currentDate`: single days (weekends only coloured), or
// weeks, the first of which runs up to the first Monday on or after `currentDate`.
CalendarDays FillCalendarStrip(dbaccess::Date currentDate, int calendarMode,
                               const MonthNames &names = MonthNames::english());

// The slot a date jump lands on: the days from `currentDate` to `date`, divided by
// seven and rounded half to even in the weekly mode, and 0 for a date in the past.
int slotOfDate(dbaccess::Date currentDate, dbaccess::Date date, int calendarMode);

// The slot whose days contain `date` (from its start up to the day before its end):
// slot 0 for a date before the strip, nothing for a date after its last slot. An empty
// first week (a Monday working date in the weekly strip) contains no day.
std::optional<int> slotContaining(const CalendarDays &days, dbaccess::Date date);

} // namespace engine
