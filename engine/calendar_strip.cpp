#include "engine/calendar_strip.h"

#include "dbaccess/leading_number.h"

namespace engine {

CalendarDays FillCalendarStrip(dbaccess::Date currentDate, int calendarMode,
                               const MonthNames &names)
{
    CalendarDays days;
    dbaccess::Date d = currentDate;
    bool firstWeekDone = false;
    Rgb colour = colours::darkGrey;
    for (auto &slot : days) {
        slot.caption = monthDayText(d, names);
        slot.start = d;
        if (calendarMode != Weekly) {
            colour = d.isWeekend() ? colours::silver : colours::darkGrey;
            d = d.addDays(1);
        } else if (!firstWeekDone) {
            while (d.dayOfWeek() != 1)
                d = d.addDays(1);
            firstWeekDone = true;
        } else {
            d = d.addDays(7);
            colour = colours::darkGrey;
        }
        slot.end = d;
        slot.captionColour = colour;
        slot.booked = {};
    }
    return days;
}

int slotOfDate(dbaccess::Date currentDate, dbaccess::Date date, int calendarMode)
{
    double d = currentDate.daysTo(date);
    if (calendarMode == Weekly)
        d = dbaccess::roundHalfEven(d / 7);
    return d < 0 ? 0 : int(d);
}

std::optional<int> slotContaining(const CalendarDays &days, dbaccess::Date date)
{
    if (date < days.front().start)
        return 0;
    for (int i = 0; i < calendarSlotCount; ++i) {
        const CalendarSlot &slot = days[std::size_t(i)];
        if (slot.start <= date && date < slot.end)
            return i;
    }
    return std::nullopt;
}

} // namespace engine
