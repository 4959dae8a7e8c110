#pragma once

#include "dbaccess/settings_file.h"
#include "dbaccess/startup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace testsupport {

// Settings of the private test server, from the environment the test run sets
// (BRONTALO_TEST_PG_*), falling back to the defaults of scripts/pg-settings.sh.
dbaccess::SettingsFile serverSettings(const std::string &databaseName);

// A fresh database made from the test template (the ERP tables, no rows), dropped
// again when the object goes away, with the program's connection and record sets.
class FreshDatabase final
{
public:
    FreshDatabase();
    ~FreshDatabase();
    FreshDatabase(const FreshDatabase &) = delete;
    FreshDatabase &operator=(const FreshDatabase &) = delete;

    const std::string &name() const { return m_name; }
    dbaccess::SettingsFile settings() const { return serverSettings(m_name); }
    dbaccess::Database &db() { return *m_database; }
    // Runs a statement that returns no rows (fixture set-up), failing the test on error.
    void exec(const std::string &sql);
    // The first field of the first row of a query, as text ("" when NULL or no row).
    std::string scalar(const std::string &sql);

private:
    std::string m_name;
    std::unique_ptr<dbaccess::Database> m_database;
};

// A GoogleTest fixture that gives every test its own fresh database.
class DatabaseTest : public ::testing::Test
{
protected:
    FreshDatabase fresh;
    dbaccess::Database &db() { return fresh.db(); }
    void exec(const std::string &sql) { fresh.exec(sql); }
    std::string scalar(const std::string &sql) { return fresh.scalar(sql); }
};

} // namespace testsupport
