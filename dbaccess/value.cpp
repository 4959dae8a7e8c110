#include "dbaccess/value.h"

#include "dbaccess/error.h"

#include <cstdio>

namespace dbaccess {

std::int64_t Value::toInt() const
{
    if (const auto *i = std::get_if<std::int64_t>(&m_v))
        return *i;
    if (const auto *d = std::get_if<Decimal>(&m_v)) {
        if (auto whole = d->toInt64())
            return *whole;
        throw Error("number out of range: " + d->toString());
    }
    if (const auto *s = std::get_if<std::string>(&m_v)) {
        if (auto d = Decimal::parse(*s))
            return Value(*d).toInt();
    }
    if (isNull())
        throw Error("a NULL value was read where a number is needed");
    throw Error("the value '" + toText() + "' is not a number");
}

Decimal Value::toDecimal() const
{
    if (const auto *d = std::get_if<Decimal>(&m_v))
        return *d;
    if (const auto *i = std::get_if<std::int64_t>(&m_v))
        return Decimal::fromInt(*i);
    if (const auto *s = std::get_if<std::string>(&m_v)) {
        if (auto d = Decimal::parse(*s))
            return *d;
    }
    if (isNull())
        throw Error("a NULL value was read where a number is needed");
    throw Error("the value '" + toText() + "' is not a number");
}

Date Value::toDate() const
{
    if (const auto *d = std::get_if<Date>(&m_v))
        return *d;
    if (const auto *t = std::get_if<Timestamp>(&m_v))
        return t->date;
    if (isNull())
        throw Error("a NULL value was read where a date is needed");
    throw Error("the value '" + toText() + "' is not a date");
}

Timestamp Value::toTimestamp() const
{
    if (const auto *t = std::get_if<Timestamp>(&m_v))
        return *t;
    if (const auto *d = std::get_if<Date>(&m_v))
        return {*d, 0};
    if (isNull())
        throw Error("a NULL value was read where a date is needed");
    throw Error("the value '" + toText() + "' is not a date");
}

std::string Value::toText() const
{
    if (const auto *s = std::get_if<std::string>(&m_v))
        return *s;
    if (const auto *i = std::get_if<std::int64_t>(&m_v))
        return std::to_string(*i);
    if (const auto *d = std::get_if<Decimal>(&m_v))
        return d->toString();
    if (const auto *d = std::get_if<Date>(&m_v))
        return d->isoText();
    if (const auto *t = std::get_if<Timestamp>(&m_v)) {
        char time[32];
        std::snprintf(time, sizeof time, " %02d:%02d:%02d", t->secondsOfDay / 3600,
                      t->secondsOfDay / 60 % 60, t->secondsOfDay % 60);
        return t->date.isoText() + time;
    }
    return {};
}

} // namespace dbaccess
