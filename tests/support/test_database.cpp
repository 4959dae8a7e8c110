#include "tests/support/test_database.h"

#include "dbaccess/error.h"

#include <atomic>
#include <cstdlib>
#include <random>
#include <unistd.h>

namespace testsupport {

namespace {

std::string environmentOr(const char *name, const char *fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? value : fallback;
}

const char *templateName = BRONTALO_TEST_TEMPLATE;

// Runs a statement on the server's maintenance database.
void onServer(const std::string &sql)
{
    dbaccess::Connection connection;
    connection.open(dbaccess::connectionString(serverSettings("postgres")));
    dbaccess::RecordSet rs(connection);
    rs.execute(sql);
}

std::string uniqueName()
{
    static std::atomic<int> counter{0};
    static const unsigned salt = std::random_device{}() % 100000;
    return "brontalo_t" + std::to_string(getpid()) + "_" + std::to_string(salt) + "_" +
           std::to_string(counter++);
}

} // namespace

dbaccess::SettingsFile serverSettings(const std::string &databaseName)
{
    dbaccess::SettingsFile s;
    s.hostname = environmentOr("BRONTALO_TEST_PG_HOST", "127.0.0.1");
    s.port = environmentOr("BRONTALO_TEST_PG_PORT", "54329");
    s.dbuser = environmentOr("BRONTALO_TEST_PG_USER", "brontalo");
    s.pword = environmentOr("BRONTALO_TEST_PG_PASSWORD", "brontalo-dev");
    s.dbname = databaseName;
    s.company = "1";
    return s;
}

FreshDatabase::FreshDatabase() : m_name(uniqueName())
{
    onServer("CREATE DATABASE " + m_name + " TEMPLATE " + templateName);
    m_database = std::make_unique<dbaccess::Database>();
    m_database->settings = settings();
    try {
        m_database->connection.open(dbaccess::connectionString(settings()));
    } catch (...) {
        onServer("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)");
        throw;
    }
}

FreshDatabase::~FreshDatabase()
{
    m_database.reset();
    try {
        onServer("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)");
    } catch (const dbaccess::Error &error) {
        ADD_FAILURE() << "could not drop test database " << m_name << ": " << error.what();
    }
}

void FreshDatabase::exec(const std::string &sql)
{
    dbaccess::RecordSet rs(m_database->connection);
    try {
        rs.execute(sql);
    } catch (const dbaccess::Error &error) {
        ADD_FAILURE() << "fixture statement failed: " << sql << "\n" << error.what();
        throw;
    }
}

std::string FreshDatabase::scalar(const std::string &sql)
{
    dbaccess::RecordSet rs(m_database->connection);
    rs.open(sql);
    std::string value;
    if (rs.recordCount() > 0)
        value = rs.field(0).toText();
    rs.close();
    return value;
}

} // namespace testsupport
