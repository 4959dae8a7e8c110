#include "dbaccess/record_set.h"

#include "dbaccess/connection.h"
#include "dbaccess/error.h"
#include "dbaccess/odbc_call.h"
#include "dbaccess/odbc_text.h"

#include <algorithm>
#include <charconv>
#include <cctype>

namespace dbaccess {

namespace {

std::string lowered(std::string_view text)
{
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool startsWithSelect(std::string_view sql)
{
    const auto first = sql.find_first_not_of(" \t\r\n(");
    return first != std::string_view::npos && lowered(sql.substr(first, 6)) == "select";
}

// The table an updatable SELECT reads: the name after its first " from ".
std::string tableOf(std::string_view sql)
{
    const std::string lower = lowered(sql);
    const auto from = lower.find(" from ");
    if (from == std::string::npos)
        return {};
    std::size_t i = lower.find_first_not_of(' ', from + 6);
    const std::size_t start = i;
    while (i < lower.size() &&
           (std::isalnum(static_cast<unsigned char>(lower[i])) || lower[i] == '_' || lower[i] == '.'))
        ++i;
    return std::string(sql.substr(start, i - start));
}

std::string quotedIdentifier(const std::string &name)
{
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

bool isPlainTypeName(const std::string &name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '_' || c == ' ';
    });
}

// Reads a whole text column, in as many pieces as it needs.
std::optional<std::string> readText(SQLHSTMT stmt, SQLUSMALLINT column)
{
    std::basic_string<SQLWCHAR> text;
    SQLWCHAR buffer[2048];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc =
            SQLGetData(stmt, column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        odbc::check(rc, SQL_HANDLE_STMT, stmt, "could not read a text field");
        if (indicator == SQL_NULL_DATA)
            return std::nullopt;
        const std::size_t capacity = sizeof buffer / sizeof buffer[0] - 1;
        std::size_t got = capacity;
        if (indicator != SQL_NO_TOTAL && std::size_t(indicator) / sizeof(SQLWCHAR) < capacity)
            got = std::size_t(indicator) / sizeof(SQLWCHAR);
        text.append(buffer, got);
        if (rc == SQL_SUCCESS)
            break;
    }
    return odbc::toUtf8(text.data(), text.size());
}

std::optional<std::string> readAscii(SQLHSTMT stmt, SQLUSMALLINT column)
{
    char buffer[512];
    SQLLEN indicator = 0;
    const SQLRETURN rc = SQLGetData(stmt, column, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
    odbc::check(rc, SQL_HANDLE_STMT, stmt, "could not read a field");
    if (indicator == SQL_NULL_DATA)
        return std::nullopt;
    // A number longer than the buffer would be read cut short: refuse it instead.
    if (rc == SQL_SUCCESS_WITH_INFO)
        throw Error("a number of more than " + std::to_string(sizeof buffer - 1) +
                    " characters cannot be read");
    return std::string(buffer);
}

Decimal decimalFromText(const std::string &text)
{
    if (auto exact = Decimal::parse(text))
        return *exact;
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc())
        throw Error("the value '" + text + "' is not a number");
    return Decimal::fromDouble(value);
}

Value readCell(SQLHSTMT stmt, SQLUSMALLINT column, short sqlType, const std::string &typeName)
{
    if (typeName == "bool" || sqlType == SQL_BIT) {
        const auto text = readAscii(stmt, column);
        if (!text)
            return {};
        const bool truth = *text == "1" || *text == "t" || *text == "true" || *text == "TRUE";
        return Value(truth ? 1 : 0);
    }
    switch (sqlType) {
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT: {
        SQLBIGINT number = 0;
        SQLLEN indicator = 0;
        odbc::check(SQLGetData(stmt, column, SQL_C_SBIGINT, &number, 0, &indicator),
                    SQL_HANDLE_STMT, stmt, "could not read an integer field");
        return indicator == SQL_NULL_DATA ? Value() : Value(std::int64_t(number));
    }
    case SQL_NUMERIC:
    case SQL_DECIMAL:
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: {
        const auto text = readAscii(stmt, column);
        return text ? Value(decimalFromText(*text)) : Value();
    }
    case SQL_TYPE_DATE:
    case SQL_DATE: {
        SQL_DATE_STRUCT date{};
        SQLLEN indicator = 0;
        odbc::check(SQLGetData(stmt, column, SQL_C_TYPE_DATE, &date, sizeof date, &indicator),
                    SQL_HANDLE_STMT, stmt, "could not read a date field");
        if (indicator == SQL_NULL_DATA)
            return {};
        return Value(Date::fromYmd(date.year, date.month, date.day));
    }
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: {
        SQL_TIMESTAMP_STRUCT ts{};
        SQLLEN indicator = 0;
        odbc::check(SQLGetData(stmt, column, SQL_C_TYPE_TIMESTAMP, &ts, sizeof ts, &indicator),
                    SQL_HANDLE_STMT, stmt, "could not read a timestamp field");
        if (indicator == SQL_NULL_DATA)
            return {};
        return Value(Timestamp{Date::fromYmd(ts.year, ts.month, ts.day),
                               ts.hour * 3600 + ts.minute * 60 + ts.second});
    }
    default: {
        auto text = readText(stmt, column);
        return text ? Value(std::move(*text)) : Value();
    }
    }
}

// Binds the values to the statement's "?" marks as wide text (or NULL), which the
// statement casts to each column's type. The buffers must outlive the execution.
struct BoundParameters
{
    std::vector<std::basic_string<SQLWCHAR>> texts;
    std::vector<SQLLEN> lengths;

    BoundParameters(SQLHSTMT stmt, const std::vector<Value> &values)
    {
        texts.reserve(values.size());
        lengths.resize(values.size());
        for (std::size_t i = 0; i < values.size(); ++i) {
            texts.push_back(odbc::toWide(values[i].toText()));
            auto &text = texts.back();
            lengths[i] = values[i].isNull() ? SQL_NULL_DATA : SQLLEN(text.size() * sizeof(SQLWCHAR));
            const SQLULEN size = std::max<SQLULEN>(1, text.size());
            odbc::check(SQLBindParameter(stmt, SQLUSMALLINT(i + 1), SQL_PARAM_INPUT, SQL_C_WCHAR,
                                         SQL_WVARCHAR, size, 0, text.data(),
                                         SQLLEN(text.size() * sizeof(SQLWCHAR)), &lengths[i]),
                        SQL_HANDLE_STMT, stmt, "could not bind a statement parameter");
        }
    }
};

} // namespace

RecordSet::RecordSet(Connection &connection, Access access)
    : m_connection(connection), m_access(access)
{
}

void RecordSet::open(std::string_view sql) { open(sql, {}); }

void RecordSet::open(std::string_view sql, const std::vector<Value> &parameters)
{
    if (m_open)
        throw Error("the record set is already open");
    m_sql = std::string(sql);
    m_parameters = parameters;
    m_columns.clear();
    m_cells.clear();
    m_rowCount = 0;
    m_position = 0;
    m_fetched = false;
    m_addingNew = false;
    m_table.clear();
    if (m_access == Access::Updatable && startsWithSelect(sql)) {
        m_table = tableOf(sql);
        m_open = true;
        return;
    }
    fetch();
}

void RecordSet::fetch()
{
    odbc::Statement stmt(static_cast<SQLHDBC>(m_connection.handle()));
    BoundParameters bound(stmt.get(), m_parameters);
    auto wide = odbc::toWide(m_sql);
    odbc::check(SQLExecDirectW(stmt.get(), wide.data(), SQLINTEGER(wide.size())), SQL_HANDLE_STMT,
                stmt.get(), "the statement failed");
    readResult(stmt.get());
}

void RecordSet::openTables()
{
    if (m_open)
        throw Error("the record set is already open");
    m_sql.clear();
    m_parameters.clear();
    odbc::Statement stmt(static_cast<SQLHDBC>(m_connection.handle()));
    odbc::check(SQLTablesW(stmt.get(), nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0),
                SQL_HANDLE_STMT, stmt.get(), "could not read the table catalogue");
    readResult(stmt.get());
}

void RecordSet::readResult(void *handle)
{
    const SQLHSTMT stmt = static_cast<SQLHSTMT>(handle);
    SQLSMALLINT columnCount = 0;
    odbc::check(SQLNumResultCols(stmt, &columnCount), SQL_HANDLE_STMT, stmt,
                "could not read the result");
    m_columns.clear();
    m_cells.clear();
    m_rowCount = 0;
    m_position = 0;
    if (columnCount == 0) {
        m_open = false;
        return;
    }
    for (SQLUSMALLINT c = 1; c <= SQLUSMALLINT(columnCount); ++c) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        odbc::check(SQLDescribeColW(stmt, c, name, 256, &nameLength, &type, &size, &digits,
                                    &nullable),
                    SQL_HANDLE_STMT, stmt, "could not read the result columns");
        SQLWCHAR typeName[128] = {};
        SQLSMALLINT typeNameLength = 0;
        SQLColAttributeW(stmt, c, SQL_DESC_TYPE_NAME, typeName, sizeof typeName, &typeNameLength,
                         nullptr);
        Column column;
        column.name = odbc::toUtf8(name, std::min<std::size_t>(nameLength, 255));
        column.lowerName = lowered(column.name);
        column.typeName =
            lowered(odbc::toUtf8(typeName, std::min<std::size_t>(typeNameLength / sizeof(SQLWCHAR), 127)));
        column.sqlType = type;
        m_columns.push_back(std::move(column));
    }
    for (;;) {
        const SQLRETURN rc = SQLFetch(stmt);
        if (rc == SQL_NO_DATA)
            break;
        odbc::check(rc, SQL_HANDLE_STMT, stmt, "could not read a result row");
        for (SQLUSMALLINT c = 1; c <= SQLUSMALLINT(columnCount); ++c)
            m_cells.push_back(readCell(stmt, c, m_columns[c - 1].sqlType, m_columns[c - 1].typeName));
        ++m_rowCount;
    }
    m_fetched = true;
    m_open = true;
}

void RecordSet::fetchColumnsOnly()
{
    // Only the column names and types are wanted: ask for no rows at all.
    odbc::Statement stmt(static_cast<SQLHDBC>(m_connection.handle()));
    BoundParameters bound(stmt.get(), m_parameters);
    auto wide = odbc::toWide("SELECT * FROM (" + m_sql + ") AS columns_only LIMIT 0");
    odbc::check(SQLExecDirectW(stmt.get(), wide.data(), SQLINTEGER(wide.size())), SQL_HANDLE_STMT,
                stmt.get(), "the statement failed");
    readResult(stmt.get());
    m_fetched = false; // the rows themselves are still to be read if asked for
}

std::int64_t RecordSet::execute(std::string_view sql, const std::vector<Value> &parameters)
{
    if (m_open)
        throw Error("the record set is already open");
    return runStatement(sql, parameters);
}

std::int64_t RecordSet::runStatement(std::string_view sql, const std::vector<Value> &parameters)
{
    odbc::Statement stmt(static_cast<SQLHDBC>(m_connection.handle()));
    BoundParameters bound(stmt.get(), parameters);
    auto wide = odbc::toWide(sql);
    odbc::check(SQLExecDirectW(stmt.get(), wide.data(), SQLINTEGER(wide.size())), SQL_HANDLE_STMT,
                stmt.get(), "the statement failed");
    SQLLEN changed = 0;
    SQLRowCount(stmt.get(), &changed);
    return changed < 0 ? 0 : changed;
}

void RecordSet::close()
{
    m_open = false;
    m_fetched = false;
    m_addingNew = false;
    m_pending.clear();
    m_columns.clear();
    m_cells.clear();
    m_rowCount = 0;
    m_position = 0;
}

void RecordSet::requireOpen() const
{
    if (!m_open)
        throw Error("the record set is not open");
}

void RecordSet::requireUpdatable() const
{
    requireOpen();
    if (m_access != Access::Updatable)
        throw Error("the record set is read-only");
    if (m_table.empty())
        throw Error("the record set reads no single table to write to");
}

std::size_t RecordSet::recordCount()
{
    requireOpen();
    if (!m_fetched)
        fetch();
    return m_rowCount;
}

void RecordSet::moveFirst()
{
    recordCount();
    m_position = 0;
}

void RecordSet::moveNext()
{
    if (recordCount() > m_position)
        ++m_position;
}

bool RecordSet::eof() { return m_position >= recordCount(); }

int RecordSet::fieldCount()
{
    recordCount();
    return int(m_columns.size());
}

std::string RecordSet::fieldName(int ordinal)
{
    if (ordinal < 0 || ordinal >= fieldCount())
        throw Error("no field number " + std::to_string(ordinal));
    return m_columns[ordinal].name;
}

int RecordSet::ordinalOf(std::string_view name)
{
    if (m_columns.empty())
        recordCount();
    const std::string lower = lowered(name);
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].lowerName == lower)
            return int(i);
    throw Error("the result has no field named " + std::string(name));
}

const Value &RecordSet::currentCell(int ordinal)
{
    if (eof())
        throw Error("no current row");
    if (ordinal < 0 || ordinal >= int(m_columns.size()))
        throw Error("no field number " + std::to_string(ordinal));
    return m_cells[m_position * m_columns.size() + std::size_t(ordinal)];
}

const Value &RecordSet::field(int ordinal)
{
    recordCount();
    return currentCell(ordinal);
}

const Value &RecordSet::field(std::string_view name)
{
    recordCount();
    return currentCell(ordinalOf(name));
}

void RecordSet::addNew()
{
    requireUpdatable();
    if (m_columns.empty())
        fetchColumnsOnly();
    m_addingNew = true;
    m_pending.assign(m_columns.size(), std::nullopt);
}

void RecordSet::setField(std::string_view name, Value value)
{
    requireUpdatable();
    if (!m_addingNew) {
        if (eof())
            throw Error("no current row to change");
        if (m_pending.size() != m_columns.size())
            m_pending.assign(m_columns.size(), std::nullopt);
    }
    m_pending[std::size_t(ordinalOf(name))] = std::move(value);
}

std::string RecordSet::castFor(int ordinal) const
{
    // Every value travels as text; the statement turns it into the column's type.
    const Column &column = m_columns[std::size_t(ordinal)];
    std::string type;
    if (column.typeName == "bool" || column.sqlType == SQL_BIT) {
        type = "boolean";
    } else {
        switch (column.sqlType) {
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT:
            type = "bigint";
            break;
        case SQL_NUMERIC:
        case SQL_DECIMAL:
        case SQL_REAL:
        case SQL_FLOAT:
        case SQL_DOUBLE:
            type = "numeric";
            break;
        case SQL_TYPE_DATE:
        case SQL_DATE:
            type = "date";
            break;
        case SQL_TYPE_TIMESTAMP:
        case SQL_TIMESTAMP:
            type = "timestamp";
            break;
        default:
            type = isPlainTypeName(column.typeName) ? column.typeName : "text";
        }
    }
    return "CAST(? AS " + type + ")";
}

void RecordSet::update()
{
    requireUpdatable();
    if (m_addingNew)
        insertPendingRow();
    else
        updateCurrentRow();
    m_pending.clear();
}

void RecordSet::insertPendingRow()
{
    std::string names;
    std::string marks;
    std::vector<Value> values;
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        if (!m_pending[c])
            continue;
        names += (names.empty() ? "" : ",") + quotedIdentifier(m_columns[c].name);
        marks += (marks.empty() ? "" : ",") + castFor(int(c));
        values.push_back(*m_pending[c]);
    }
    // The stored row is read back in the set's own columns, whatever the SELECT named.
    std::string returning;
    for (const Column &column : m_columns)
        returning += (returning.empty() ? "" : ",") + quotedIdentifier(column.name);
    const std::string sql = names.empty()
                                ? "INSERT INTO " + m_table + " DEFAULT VALUES RETURNING " + returning
                                : "INSERT INTO " + m_table + " (" + names + ") VALUES (" + marks +
                                      ") RETURNING " + returning;

    odbc::Statement stmt(static_cast<SQLHDBC>(m_connection.handle()));
    BoundParameters bound(stmt.get(), values);
    auto wide = odbc::toWide(sql);
    odbc::check(SQLExecDirectW(stmt.get(), wide.data(), SQLINTEGER(wide.size())), SQL_HANDLE_STMT,
                stmt.get(), "the new row could not be written");

    // The row as stored, with the id the database gave it, becomes the current row;
    // a set opened only to add rows then holds the rows written through it.
    if (!m_fetched) {
        m_cells.clear();
        m_rowCount = 0;
        m_fetched = true;
    }
    const SQLRETURN fetched = SQLFetch(stmt.get());
    if (fetched == SQL_NO_DATA)
        throw Error("the new row could not be read back");
    odbc::check(fetched, SQL_HANDLE_STMT, stmt.get(), "the new row could not be read back");
    for (std::size_t c = 0; c < m_columns.size(); ++c)
        m_cells.push_back(readCell(stmt.get(), SQLUSMALLINT(c + 1), m_columns[c].sqlType,
                                   m_columns[c].typeName));
    m_position = m_rowCount++;
    m_addingNew = false;
}

void RecordSet::updateCurrentRow()
{
    if (eof())
        throw Error("no current row to write");
    const int idColumn = ordinalOf("id");
    std::string assignments;
    std::vector<Value> values;
    for (std::size_t c = 0; c < m_pending.size(); ++c) {
        if (!m_pending[c])
            continue;
        assignments += (assignments.empty() ? "" : ",") + quotedIdentifier(m_columns[c].name) +
                       "=" + castFor(int(c));
        values.push_back(*m_pending[c]);
    }
    if (values.empty())
        return;
    values.push_back(currentCell(idColumn));
    runStatement("UPDATE " + m_table + " SET " + assignments + " WHERE id=" + castFor(idColumn),
            values);
    for (std::size_t c = 0; c < m_pending.size(); ++c)
        if (m_pending[c])
            m_cells[m_position * m_columns.size() + c] = *m_pending[c];
}

} // namespace dbaccess
