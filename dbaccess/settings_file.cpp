#include "dbaccess/settings_file.h"

#include "dbaccess/leading_number.h"

#include <array>
#include <fstream>
#include <iterator>

namespace dbaccess {

SettingsFile parseSettingsText(std::string_view text)
{
    // A UTF-8 byte-order mark in front of the first line is not part of the host name.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    std::array<std::string, 6> lines;
    std::size_t line = 0;
    std::size_t i = 0;
    while (line < lines.size() && i < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            lines[line++] = std::string(text.substr(i));
            break;
        }
        lines[line++] = std::string(text.substr(i, end - i));
        i = end + 1;
        if (text[end] == '\r' && i < text.size() && text[i] == '\n')
            ++i;
    }
    return {lines[0], lines[1], lines[2], lines[3], lines[4], lines[5]};
}

std::string settingsFileText(const SettingsFile &settings)
{
    std::string text;
    for (const std::string *value : {&settings.hostname, &settings.port, &settings.dbuser,
                                     &settings.pword, &settings.dbname, &settings.company}) {
        text += *value;
        text += "\r\n";
    }
    text += "\r\n";
    return text;
}

std::optional<SettingsFile> readSettingsFile(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return std::nullopt;
    return parseSettingsText(text);
}

bool writeSettingsFile(const std::filesystem::path &path, const SettingsFile &settings)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file << settingsFileText(settings);
    file.close();
    return !file.fail();
}

std::int16_t companyIdOf(const SettingsFile &settings)
{
    return leadingInt16(settings.company).value_or(0);
}

namespace {

std::string attributeValue(const std::string &value)
{
    if (value.find_first_of(";{}") == std::string::npos)
        return value;
    std::string quoted = "{";
    for (char c : value) {
        quoted += c;
        if (c == '}')
            quoted += '}';
    }
    quoted += '}';
    return quoted;
}

} // namespace

std::string connectionString(const SettingsFile &settings)
{
    return "Driver={PostgreSQL Unicode};Server=" + attributeValue(settings.hostname) +
           ";Port=" + attributeValue(settings.port) + ";Database=" + attributeValue(settings.dbname) +
           ";Uid=" + attributeValue(settings.dbuser) + ";Pwd=" + attributeValue(settings.pword) + ";";
}

} // namespace dbaccess
