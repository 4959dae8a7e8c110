// Exact decimals, the leading-number rule and dates: the value rules every layer relies on.
#include "dbaccess/date.h"
#include "dbaccess/decimal.h"
#include "dbaccess/leading_number.h"

#include <gtest/gtest.h>

using dbaccess::Date;
using dbaccess::Decimal;

namespace {

Decimal dec(const char *text) { return *Decimal::parse(text); }

TEST(Decimal, KeepsDecimalFractionsExact)
{
    EXPECT_EQ((dec("0.1") + dec("0.2")).toString(), "0.3");
    EXPECT_EQ(dec("7.500").toString(), "7.5");
    EXPECT_EQ(dec("1.04").rounded(1) + dec("1.06").rounded(1), dec("2.1"));
    EXPECT_EQ((dec("50") / dec("10")).toString(), "5");
    EXPECT_EQ((dec("10") / dec("1000")).toString(), "0.01");
    EXPECT_EQ((dec("2") / dec("3")).toString(), "0.666666667");
    EXPECT_EQ((dec("1.5") * dec("-2.25")).toString(), "-3.375");
    EXPECT_EQ(dec("-0.000").toString(), "0");
    EXPECT_THROW(dec("1") / dec("0"), std::domain_error);
}

TEST(Decimal, RoundsHalvesToEven)
{
    struct Case { const char *value; int places; const char *expected; };
    const Case cases[] = {
        {"7.5", 0, "8"},   {"6.5", 0, "6"},   {"-6.5", 0, "-6"}, {"-7.5", 0, "-8"},
        {"1.05", 1, "1"},  {"1.15", 1, "1.2"}, {"1.04", 1, "1"}, {"1.06", 1, "1.1"},
        {"2.675", 2, "2.68"}, {"0.0005", 3, "0"}, {"0.0015", 3, "0.002"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dec(c.value).rounded(c.places).toString(), c.expected)
            << c.value << " to " << c.places;
    EXPECT_EQ(dec("15").toFixed(3), "15.000");
    EXPECT_EQ(dec("-0.25").toFixed(1), "-0.2");
    EXPECT_EQ(dec("0.0000000005").toString(), "0");   // tenth place, tie to even
    EXPECT_EQ(dec("0.0000000015").toString(), "0.000000002");
}

TEST(Decimal, ParsesOnlyPlainDecimalText)
{
    for (const char *bad : {"", "-", ".", "1e5", "1.2.3", " 1", "abc", "1,5"})
        EXPECT_FALSE(Decimal::parse(bad).has_value()) << bad;
    EXPECT_EQ(dec(".5").toString(), "0.5");
    EXPECT_EQ(dec("+3.").toString(), "3");
}

TEST(LeadingNumber, ReadsTheNumberATextStartsWith)
{
    struct Case { const char *text; bool found; double value; };
    const Case cases[] = {
        {"12abc", true, 12},  {"abc", false, 0},   {"", false, 0},      {"  7", true, 7},
        {"7.5", true, 7.5},   {"-3", true, -3},    {"1 2 3", true, 123}, {"\t4\n2", true, 42},
        {"1.2.3", true, 1.2}, {"1e3", true, 1000}, {"2E-1x", true, 0.2}, {"5e", true, 5},
        {"5e+", true, 5},     {".25", true, 0.25}, {"-.5", true, -0.5},  {"-", false, 0},
        {"+8", true, 8},      {"3,5", true, 3},    {"1.5 h", true, 1.5},
        // Beyond a double's range: too small reads 0, too large is no number.
        {"1e-400", true, 0},  {"-1e-400", true, 0}, {"0.0001e-321", true, 0},
        {"123456e-330", true, 0}, {"1e400", false, 0}, {"-1e400", false, 0},
        {"123456789e301", false, 0}, {"1e99999999999999999999", false, 0},
        {"1e-99999999999999999999", true, 0}, {"1e308", true, 1e308},
    };
    for (const auto &c : cases) {
        const auto n = dbaccess::leadingNumber(c.text);
        EXPECT_EQ(n.found, c.found) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(n.value, c.value) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, GivesSixteenBitIntegersRoundedHalfToEven)
{
    struct Case { const char *text; std::optional<std::int16_t> expected; };
    const Case cases[] = {
        {"  7", 7}, {"7.5", 8}, {"6.5", 6}, {"-3", -3}, {"40000", std::nullopt},
        {"32767", 32767}, {"-32768", -32768}, {"32767.5", std::nullopt}, {"abc", 0},
        {"1e400", 0}, // too large for a double: no number, as "abc"
    };
    for (const auto &c : cases)
        EXPECT_EQ(dbaccess::leadingInt16(c.text), c.expected) << c.text;
}

TEST(WholeNumber, TakesOnlySignAndDigitsInTheSixteenBitRange)
{
    struct Case { const char *text; std::optional<std::int16_t> expected; };
    const Case cases[] = {
        {"1", 1}, {"-3", -3}, {"+8", 8}, {"007", 7}, {"32767", 32767}, {"-32768", -32768},
        {"000000000000000000001", 1},
        {"32768", std::nullopt}, {"-32769", std::nullopt}, {"99999999999999999999", std::nullopt},
        {"", std::nullopt}, {"-", std::nullopt}, {"+-1", std::nullopt}, {" 1", std::nullopt},
        {"1 ", std::nullopt}, {"1 or 1=1", std::nullopt}, {"1;drop table res_company", std::nullopt},
        {"7.5", std::nullopt}, {"7.0", std::nullopt}, {"1e3", std::nullopt}, {"0x10", std::nullopt},
        {"12abc", std::nullopt}, {"1 2", std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(dbaccess::wholeInt16(c.text), c.expected) << '"' << c.text << '"';
        // What passes reads the same by the rule the main program reads line 6 with.
        if (c.expected) {
            EXPECT_EQ(dbaccess::leadingInt16(c.text), c.expected) << '"' << c.text << '"';
        }
    }
}

TEST(Date, CountsCivilDaysAndWeekdays)
{
    const Date d = Date::fromYmd(2026, 12, 11);
    EXPECT_EQ(d.year(), 2026);
    EXPECT_EQ(d.month(), 12);
    EXPECT_EQ(d.day(), 11);
    EXPECT_EQ(d.dayOfWeek(), 5); // a Friday
    EXPECT_EQ(d.addDays(1).dayOfWeek(), 6);
    EXPECT_EQ(d.addDays(2).dayOfWeek(), 7);
    EXPECT_EQ(d.addDays(3).dayOfWeek(), 1);
    EXPECT_EQ(Date::fromYmd(2024, 2, 28).addDays(1), Date::fromYmd(2024, 2, 29));
    EXPECT_EQ(Date::fromYmd(2026, 12, 31).addDays(1).isoText(), "2027-01-01");
    EXPECT_EQ(Date::fromYmd(1969, 12, 31).dayOfWeek(), 3);
    EXPECT_EQ(d.daysTo(Date::fromYmd(2027, 1, 1)), 21);
}

} // namespace
