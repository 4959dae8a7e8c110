// The calendar strip's slots in the daily and weekly modes, from different weekdays.
#include "engine/calendar_strip.h"

#include <gtest/gtest.h>

using dbaccess::Date;
using engine::CalendarDays;
using engine::FillCalendarStrip;

namespace {

const Date friday = Date::fromYmd(2026, 12, 11);
const Date sunday = friday.addDays(2);
const Date monday = friday.addDays(3);
const Date tuesday = friday.addDays(4);

TEST(CalendarStrip, DailySlotsAreSingleDaysWithWeekendsGreyed)
{
    const CalendarDays days = FillCalendarStrip(friday, engine::Daily);
    for (int i = 0; i < engine::calendarSlotCount; ++i) {
        EXPECT_EQ(days[i].start, friday.addDays(i)) << i;
        EXPECT_EQ(days[i].end, friday.addDays(i + 1)) << i;
    }
    EXPECT_EQ(days[0].caption, "Dec 11");
    EXPECT_EQ(days[21].caption, "Jan 1");
    EXPECT_EQ(days[0].captionColour, engine::colours::darkGrey);
    EXPECT_EQ(days[1].captionColour, engine::colours::silver);
    EXPECT_EQ(days[2].captionColour, engine::colours::silver);
    EXPECT_EQ(days[3].captionColour, engine::colours::darkGrey);
}

TEST(CalendarStrip, WeeklySlotsStartOnMondays)
{
    struct Case
    {
        const char *name;
        Date today;
        Date firstMonday;
        const char *firstCaption;
        const char *secondCaption;
        Date lastEnd;
    };
    const Date mondayAfterTuesday = Date::fromYmd(2026, 12, 21);
    const Case cases[] = {
        {"friday: the first slot runs to Monday", friday, monday, "Dec 11", "Dec 14",
         Date::fromYmd(2027, 5, 17)},
        {"sunday: the first slot is that Sunday alone", sunday, monday, "Dec 13", "Dec 14",
         Date::fromYmd(2027, 5, 17)},
        {"monday: the first slot is empty", monday, monday, "Dec 14", "Dec 14",
         Date::fromYmd(2027, 5, 17)},
        {"tuesday: the first slot runs to Sunday", tuesday, mondayAfterTuesday, "Dec 15",
         "Dec 21", Date::fromYmd(2027, 5, 24)},
    };
    for (const auto &c : cases) {
        const CalendarDays days = FillCalendarStrip(c.today, engine::Weekly);
        EXPECT_EQ(days[0].start, c.today) << c.name;
        EXPECT_EQ(days[0].end, c.firstMonday) << c.name;
        EXPECT_EQ(days[1].start, c.firstMonday) << c.name;
        EXPECT_EQ(days[1].end, c.firstMonday.addDays(7)) << c.name;
        EXPECT_EQ(days[22].end, c.lastEnd) << c.name;
        EXPECT_EQ(days[0].caption, c.firstCaption) << c.name;
        EXPECT_EQ(days[1].caption, c.secondCaption) << c.name;
        EXPECT_EQ(days[5].captionColour, engine::colours::darkGrey) << c.name;
    }
}

TEST(CalendarStrip, DateJumpsLandOnDaysOrRoundedWeeks)
{
    struct Case { int daysAhead; int mode; int slot; };
    const Case cases[] = {
        {3, engine::Daily, 3},  {-2, engine::Daily, 0}, {30, engine::Daily, 30},
        {10, engine::Weekly, 1}, {4, engine::Weekly, 1}, {3, engine::Weekly, 0},
        {-10, engine::Weekly, 0}, {7 * 2 + 3, engine::Weekly, 2}, {24, engine::Weekly, 3}, {-1, engine::Weekly, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(engine::slotOfDate(friday, friday.addDays(c.daysAhead), c.mode), c.slot)
            << c.daysAhead << " days ahead, mode " << c.mode;
}

TEST(CalendarStrip, ASearchJumpLandsOnTheSlotThatHoldsTheDate)
{
    struct Case
    {
        const char *name;
        Date today;
        int mode;
        int daysAhead;
        std::optional<int> slot;
    };
    const Case cases[] = {
        {"daily: the day itself", friday, engine::Daily, 3, 3},
        {"daily: today", friday, engine::Daily, 0, 0},
        {"daily: a past start lands on the first slot", friday, engine::Daily, -5, 0},
        {"daily: the last slot", friday, engine::Daily, 22, 22},
        {"daily: beyond the strip lands nowhere", friday, engine::Daily, 30, std::nullopt},
        {"weekly from a Friday: the weekend is in the short first week", friday, engine::Weekly, 2, 0},
        {"weekly from a Friday: 3 days ahead is the next Monday's week", friday, engine::Weekly, 3, 1},
        {"weekly from a Friday: 10 days ahead is the week of the 21st", friday, engine::Weekly, 10, 2},
        {"weekly from a Friday: 9 days ahead is the Sunday ending the first full week", friday,
         engine::Weekly, 9, 1},
        {"weekly from a Monday: today is in the first full week", monday, engine::Weekly, 0, 1},
        {"weekly from a Monday: a past start lands on the first slot", monday, engine::Weekly, -1, 0},
        {"weekly: beyond the last week lands nowhere", friday, engine::Weekly, 3 + 7 * 22, std::nullopt},
    };
    for (const auto &c : cases) {
        const CalendarDays days = FillCalendarStrip(c.today, c.mode);
        EXPECT_EQ(engine::slotContaining(days, c.today.addDays(c.daysAhead)), c.slot) << c.name;
    }
}

} // namespace
