#pragma once

#include "dbaccess/value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbaccess {

class Connection;

// A result held whole on the client, read forward row by row. An updatable set
// also adds and changes rows of the one table its SELECT reads, writing every
// value as a bound parameter, and carries the statements that return no rows.
class RecordSet final
{
public:
    enum class Access { ReadOnly, Updatable };

    explicit RecordSet(Connection &connection, Access access = Access::ReadOnly);
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;

    // Sends the statement. A statement that returns rows leaves the set open on its
    // first row (or at its end when empty); any other statement runs and the set
    // stays closed. Opening an open set is an error. On an updatable set a SELECT is
    // only fetched when its rows are read, so opening it just to add rows costs no fetch.
    void open(std::string_view sql);
    // The same with `parameters` bound to the query's "?" marks as text, which the query
    // casts where it needs another type ("cast(? as text)").
    void open(std::string_view sql, const std::vector<Value> &parameters);
    // The connection's catalogue of tables, any schema and type; column 2 is the name.
    void openTables();
    // Runs a statement that returns no rows with `parameters` bound to its "?" marks,
    // and gives the number of rows it changed. The set must be closed.
    std::int64_t execute(std::string_view sql, const std::vector<Value> &parameters = {});
    void close();
    bool isOpen() const { return m_open; }

    std::size_t recordCount();
    void moveFirst();
    void moveNext();
    bool eof();

    int fieldCount();
    std::string fieldName(int ordinal);
    // Field of the current row by 0-based ordinal or by name, whatever its letter case.
    const Value &field(int ordinal);
    const Value &field(std::string_view name);
    bool isNull(std::string_view name) { return field(name).isNull(); }

    // Updatable sets only: start a new row, assign fields by name, write the new row
    // (reading back the id the database gave it) or the changed fields of the current row.
    void addNew();
    void setField(std::string_view name, Value value);
    void update();

private:
    struct Column
    {
        std::string name;
        std::string lowerName;
        std::string typeName;
        short sqlType = 0;
    };

    void requireOpen() const;
    void requireUpdatable() const;
    void fetch();
    void fetchColumnsOnly();
    void readResult(void *stmt);
    int ordinalOf(std::string_view name);
    const Value &currentCell(int ordinal);
    std::string castFor(int ordinal) const;
    std::int64_t runStatement(std::string_view sql, const std::vector<Value> &parameters);
    void insertPendingRow();
    void updateCurrentRow();

    Connection &m_connection;
    Access m_access;
    bool m_open = false;
    bool m_fetched = false;
    std::string m_sql;
    std::vector<Value> m_parameters; // bound to the "?" marks of m_sql
    std::string m_table;
    std::vector<Column> m_columns;
    std::vector<Value> m_cells; // row-major, m_columns.size() per row
    std::size_t m_rowCount = 0;
    std::size_t m_position = 0;

    bool m_addingNew = false;
    std::vector<std::optional<Value>> m_pending; // assigned values per column
};

} // namespace dbaccess
