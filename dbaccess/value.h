#pragma once

#include "dbaccess/date.h"
#include "dbaccess/decimal.h"

#include <cstdint>
#include <string>
#include <variant>

namespace dbaccess {

// One field of a result row, or a value to write. Booleans are integers 1 and 0;
// numeric columns are exact decimals; text is UTF-8.
class Value final
{
public:
    Value() = default; // NULL
    Value(std::int64_t v) : m_v(v) {}
    Value(int v) : m_v(std::int64_t(v)) {}
    Value(Decimal v) : m_v(v) {}
    Value(Date v) : m_v(v) {}
    Value(Timestamp v) : m_v(v) {}
    Value(std::string v) : m_v(std::move(v)) {}
    Value(const char *v) : m_v(std::string(v)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(m_v); }
    bool isInt() const { return std::holds_alternative<std::int64_t>(m_v); }
    bool isDecimal() const { return std::holds_alternative<Decimal>(m_v); }
    bool isDate() const { return std::holds_alternative<Date>(m_v); }
    bool isTimestamp() const { return std::holds_alternative<Timestamp>(m_v); }
    bool isText() const { return std::holds_alternative<std::string>(m_v); }

    // Conversions throw dbaccess::Error on NULL or on a value of another kind
    // that does not convert ("abc" as a number, a date as a number).
    std::int64_t toInt() const;      // decimals round half to even
    Decimal toDecimal() const;
    Date toDate() const;             // a timestamp gives its date; time of day dropped
    Timestamp toTimestamp() const;
    // Text of any value; NULL gives the empty text.
    std::string toText() const;

    bool operator==(const Value &) const = default;

private:
    std::variant<std::monostate, std::int64_t, Decimal, Date, Timestamp, std::string> m_v;
};

} // namespace dbaccess
