#pragma once

#include "dbaccess/connection.h"
#include "dbaccess/record_set.h"
#include "dbaccess/settings_file.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace dbaccess {

// The one connection and the shared record sets every part of the program uses:
// rsMain and rsAux read, rsEdit writes and carries statements that return no rows.
struct Database
{
    SettingsFile settings; // what the connection was opened with
    Connection connection;
    RecordSet rsMain{connection};
    RecordSet rsAux{connection};
    RecordSet rsEdit{connection, RecordSet::Access::Updatable};

    // Opens the connection again with the settings it was opened with, after the
    // server restarted or ended the session. Throws dbaccess::Error when it cannot.
    void reconnect();
};

// What the start of the program found before any window is shown.
struct StartupOutcome
{
    enum class Status { Connected, NoSettingsFile, ConnectionFailed };

    Status status = Status::NoSettingsFile;
    SettingsFile settings;
    std::int16_t companyId = 0;
    std::string message; // why the start failed, in words for the user
};

// Makes the program's folder the current directory, reads brontalo.ini there and
// opens the database connection of `database` with it.
StartupOutcome connectAtStartup(const std::filesystem::path &programFolder, Database &database);

} // namespace dbaccess
