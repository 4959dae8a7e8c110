#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace dbaccess {

// The six values of brontalo.ini, one per line, in file order.
struct SettingsFile
{
    std::string hostname;
    std::string port;
    std::string dbuser;
    std::string pword;
    std::string dbname;
    std::string company;

    bool operator==(const SettingsFile &) const = default;
};

inline constexpr std::string_view settingsFileName = "brontalo.ini";

// Lines 1 to 6 of the text; a line ends at CR LF, a lone CR or a lone LF.
// Missing lines read as empty text, later lines are ignored, values are not trimmed.
SettingsFile parseSettingsText(std::string_view text);
// The file as the setup tool writes it: six values each followed by CR LF, then CR LF.
std::string settingsFileText(const SettingsFile &settings);

// Nothing when the file cannot be opened for reading.
std::optional<SettingsFile> readSettingsFile(const std::filesystem::path &path);
// Writes the file readable and writable by its owner only, since it holds a password:
// through a temporary file in the same folder that is then renamed over the old one, so
// that the old file stays whole until the new one is complete. Throws dbaccess::Error
// saying why when it cannot be written, or when a value holds a line break (each value
// is one line); the old file is then left as it was.
void writeSettingsFile(const std::filesystem::path &path, const SettingsFile &settings);

// The ERP company id of line 6: its leading number rounded half to even, or 0 when
// that lies outside the 16-bit range.
std::int16_t companyIdOf(const SettingsFile &settings);

// The ODBC connection string for the "PostgreSQL Unicode" driver. A value holding
// ";", "{" or "}" is wrapped in braces with "}" doubled, so that it cannot add or
// change attributes; other values go in unchanged.
std::string connectionString(const SettingsFile &settings);

} // namespace dbaccess
