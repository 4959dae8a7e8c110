// The settings file as the setup tool writes and the program reads it, the company id
// and the connection string built from it.
#include "dbaccess/error.h"
#include "dbaccess/settings_file.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

using dbaccess::SettingsFile;
using testsupport::ScratchFolder;

namespace {

std::string contentsOf(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeText(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> namesIn(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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

    const ScratchFolder folder;
    const auto path = folder / "brontalo.ini";
    dbaccess::writeSettingsFile(path, s);
    EXPECT_EQ(dbaccess::readSettingsFile(path), s);
    std::filesystem::remove(path);
    EXPECT_FALSE(dbaccess::readSettingsFile(path).has_value());
}

TEST(SettingsFile, ReplacesTheOldFileWithOneOnlyItsOwnerCanUse)
{
    namespace fs = std::filesystem;
    const ScratchFolder folder;
    const auto path = folder / "brontalo.ini";
    writeText(path, "an older, longer file\r\nwith more lines\r\n\r\n\r\n\r\n\r\n\r\n");
    fs::permissions(path, fs::perms(0644));

    const SettingsFile s{"host", "5432", "user", "secret", "erp", "2"};
    dbaccess::writeSettingsFile(path, s);
    EXPECT_EQ(contentsOf(path), dbaccess::settingsFileText(s));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"brontalo.ini"})
        << "no temporary file is left beside it";
}

TEST(SettingsFile, AFailedWriteSaysWhyAndLeavesTheOldFileWhole)
{
    const std::string old = "old host\r\n5432\r\nuser\r\npw\r\nerp\r\n1\r\n\r\n";
    struct Case
    {
        const char *name;
        std::function<std::filesystem::path(const ScratchFolder &)> prepare; // gives the path
        bool diskFull; // writes beyond 8 bytes fail
        const char *reason;
    };
    const Case cases[] = {
        {"folder is a regular file",
         [](const ScratchFolder &f) {
             writeText(f / "not-a-folder", "x");
             return f / "not-a-folder" / "brontalo.ini";
         },
         false, "Not a directory"},
        {"disk takes no more bytes",
         [&](const ScratchFolder &f) {
             writeText(f / "brontalo.ini", old);
             return f / "brontalo.ini";
         },
         true, "File too large"},
        {"a folder stands where the file should",
         [](const ScratchFolder &f) {
             std::filesystem::create_directory(f / "brontalo.ini");
             writeText(f / "brontalo.ini" / "inside", "x");
             return f / "brontalo.ini";
         },
         false, "replacing the old file"},
    };
    for (const Case &c : cases) {
        const ScratchFolder folder;
        const auto path = c.prepare(folder);
        const auto before = namesIn(folder.path());
        std::string message;
        {
            std::optional<testsupport::FileSizeLimit> limit;
            if (c.diskFull)
                limit.emplace(8);
            try {
                dbaccess::writeSettingsFile(path, {"a longer host", "5432", "u", "p", "e", "1"});
            } catch (const dbaccess::Error &error) {
                message = error.what();
            }
        }
        EXPECT_NE(message.find(c.reason), std::string::npos) << c.name << ": " << message;
        EXPECT_NE(message.find("brontalo.ini"), std::string::npos) << c.name << ": " << message;
        if (c.diskFull) {
            EXPECT_EQ(contentsOf(path), old) << c.name;
        }
        EXPECT_EQ(namesIn(folder.path()), before) << c.name << ": no temporary file is left";
    }
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
