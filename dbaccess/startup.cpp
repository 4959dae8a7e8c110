#include "dbaccess/startup.h"

#include "dbaccess/error.h"

#include <system_error>

namespace dbaccess {

void Database::reconnect()
{
    for (RecordSet *rs : {&rsMain, &rsAux, &rsEdit})
        rs->close();
    connection.open(connectionString(settings));
}

StartupOutcome connectAtStartup(const std::filesystem::path &programFolder, Database &database)
{
    StartupOutcome outcome;
    std::error_code ignored;
    std::filesystem::current_path(programFolder, ignored);

    const auto settings = readSettingsFile(settingsFileName);
    if (!settings) {
        outcome.status = StartupOutcome::Status::NoSettingsFile;
        outcome.message = "The settings file " + std::string(settingsFileName) +
                          " could not be read in " + programFolder.string() +
                          ". Run BrontaloSetup to write it.";
        return outcome;
    }
    outcome.settings = *settings;
    outcome.companyId = companyIdOf(*settings);

    try {
        database.connection.open(connectionString(*settings));
    } catch (const Error &error) {
        outcome.status = StartupOutcome::Status::ConnectionFailed;
        outcome.message = "The database could not be reached at server \"" + settings->hostname +
                          "\", port " + settings->port + " (database \"" + settings->dbname +
                          "\", user \"" + settings->dbuser + "\").\n\n" + error.what() +
                          "\n\nRun BrontaloSetup to check and write the connection settings.";
        return outcome;
    }
    database.settings = *settings;
    outcome.status = StartupOutcome::Status::Connected;
    return outcome;
}

} // namespace dbaccess
