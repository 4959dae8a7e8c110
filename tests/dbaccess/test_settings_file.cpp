// The settings file as the setup tool writes and the program reads it, the company id
// and the connection string built from it.
#include "dbaccess/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using dbaccess::SettingsFile;

namespace {

TEST(SettingsFile, ReadsSixLinesWhateverTheLineEnds)
{
    const SettingsFile expected{"db", "5432", "u", "p", "erp", "1"};
    struct Case { const char *name; std::string text; SettingsFile expected; };
    const Case cases[] = {
        {"written by the setup tool", "db\r\n5432\r\nu\r\np\r\nerp\r\n1\r\n\r\n", expected},
        {"six lines without the empty seventh", "db\r\n5432\r\nu\r\np\r\nerp\r\n1", expected},
        {"extra lines after the seventh", "db\r\n5432\r\nu\r\np\r\nerp\r\n1\r\n\r\nx\r\ny\r\n",
         expected},
        {"lone CR line ends", "db\r5432\ru\rp\rerp\r1\r", expected},
        {"lone LF line ends", "db\n5432\nu\np\nerp\n1\n", expected},
        {"mixed line ends", "db\r\n5432\nu\rp\r\nerp\n1", expected},
        {"fewer lines read as empty", "db\r\n5432\r\n", {"db", "5432", "", "", "", ""}},
        {"blanks are kept", " db \r\n5432\r\nu\r\np \r\nerp\r\n  7\r\n",
         {" db ", "5432", "u", "p ", "erp", "  7"}},
        {"empty lines stay in place", "\r\n\r\nu\r\n", {"", "", "u", "", "", ""}},
        {"byte-order mark ignored", "\xEF\xBB\xBF" "db\r\n5432\r\nu\r\np\r\nerp\r\n1\r\n",
         expected},
        {"empty file", "", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dbaccess::parseSettingsText(c.text), c.expected) << c.name;
}

TEST(SettingsFile, WritesSixValuesThenAnEmptyLine)
{
    const SettingsFile s{"host", "5432", "user", "pw;}", "erp", "2"};
    EXPECT_EQ(dbaccess::settingsFileText(s), "host\r\n5432\r\nuser\r\npw;}\r\nerp\r\n2\r\n\r\n");

    // A name of this run's own, so that runs side by side leave each other's file alone.
    const auto path = std::filesystem::temp_directory_path() /
                      ("brontalo_settings_" + std::to_string(::getpid()) + ".ini");
    ASSERT_TRUE(dbaccess::writeSettingsFile(path, s));
    EXPECT_EQ(dbaccess::readSettingsFile(path), s);
    std::filesystem::remove(path);
    EXPECT_FALSE(dbaccess::readSettingsFile(path).has_value());
}

TEST(SettingsFile, CompanyIdFollowsTheLeadingNumberRule)
{
    struct Case { const char *line; std::int16_t expected; };
    const Case cases[] = {{"  7", 7}, {"7.5", 8}, {"6.5", 6}, {"40000", 0}, {"-3", -3},
                          {"12abc", 12}, {"abc", 0}, {"", 0}, {"2", 2}};
    for (const auto &c : cases) {
        SettingsFile s;
        s.company = c.line;
        EXPECT_EQ(dbaccess::companyIdOf(s), c.expected) << '"' << c.line << '"';
    }
}

TEST(ConnectionString, NamesDriverServerPortDatabaseUserPasswordInThatOrder)
{
    struct Case { const char *name; SettingsFile settings; const char *expected; };
    const Case cases[] = {
        {"plain values", {"db.local", "5432", "planner", "secret", "erp", "1"},
         "Driver={PostgreSQL Unicode};Server=db.local;Port=5432;Database=erp;Uid=planner;"
         "Pwd=secret;"},
        {"blanks are kept", {" db", "5432", "u", " p w ", "erp", "1"},
         "Driver={PostgreSQL Unicode};Server= db;Port=5432;Database=erp;Uid=u;Pwd= p w ;"},
        {"a separator cannot add attributes",
         {"db", "5432", "u", "x;Database=other", "erp;sslmode=disable", "1"},
         "Driver={PostgreSQL Unicode};Server=db;Port=5432;Database={erp;sslmode=disable};"
         "Uid=u;Pwd={x;Database=other};"},
        {"a closing brace is doubled inside braces", {"db", "5432", "u", "a}b{c", "erp", "1"},
         "Driver={PostgreSQL Unicode};Server=db;Port=5432;Database=erp;Uid=u;Pwd={a}}b{c};"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dbaccess::connectionString(c.settings), c.expected) << c.name;
}

} // namespace
