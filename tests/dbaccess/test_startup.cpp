// The start before any window: the settings file beside the program and the connection.
#include "dbaccess/startup.h"
#include "tests/support/test_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <stdlib.h>

using dbaccess::StartupOutcome;

namespace {

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = std::filesystem::current_path();
        // A folder of this run's own: two runs side by side never share one.
        std::string name = std::filesystem::temp_directory_path() / "brontalo_start_XXXXXX";
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder = name;
    }
    void TearDown() override
    {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }

    std::filesystem::path folder;
    std::filesystem::path previous;
    dbaccess::Database database;
};

TEST_F(StartupTest, WithoutASettingsFileNothingIsConnected)
{
    const auto outcome = dbaccess::connectAtStartup(folder, database);
    EXPECT_EQ(outcome.status, StartupOutcome::Status::NoSettingsFile);
    EXPECT_NE(outcome.message.find("brontalo.ini"), std::string::npos) << outcome.message;
    EXPECT_FALSE(database.connection.isOpen());
    EXPECT_EQ(std::filesystem::current_path(), folder) << "the program's folder is made current";
}

TEST_F(StartupTest, AnUnreachableServerIsNamedWithItsPort)
{
    auto settings = testsupport::serverSettings("postgres");
    settings.port = "1"; // nothing listens there
    settings.company = "7.5";
    ASSERT_NO_THROW(dbaccess::writeSettingsFile(folder / "brontalo.ini", settings));
    const auto outcome = dbaccess::connectAtStartup(folder, database);
    EXPECT_EQ(outcome.status, StartupOutcome::Status::ConnectionFailed);
    EXPECT_NE(outcome.message.find("\"" + settings.hostname + "\", port 1"), std::string::npos)
        << outcome.message;
    EXPECT_NE(outcome.message.find("BrontaloSetup"), std::string::npos);
    EXPECT_EQ(outcome.companyId, 8);
}

TEST_F(StartupTest, GoodSettingsConnect)
{
    testsupport::FreshDatabase fresh;
    ASSERT_NO_THROW(dbaccess::writeSettingsFile(folder / "brontalo.ini", fresh.settings()));
    const auto outcome = dbaccess::connectAtStartup(folder, database);
    EXPECT_EQ(outcome.status, StartupOutcome::Status::Connected) << outcome.message;
    EXPECT_TRUE(database.connection.isOpen());
    EXPECT_EQ(outcome.companyId, 1);
    database.connection.close();
}

} // namespace
