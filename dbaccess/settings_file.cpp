#include "dbaccess/settings_file.h"

#include "dbaccess/error.h"
#include "dbaccess/leading_number.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include <stdlib.h> // mkstemp
#include <unistd.h>

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

void writeSettingsFile(const std::filesystem::path &path, const SettingsFile &settings)
{
    // Each value is one line of the file: a line break inside one would shift every
    // later value to another meaning.
    const std::pair<const char *, const std::string *> values[] = {
        {"host name", &settings.hostname}, {"port", &settings.port},
        {"user name", &settings.dbuser},   {"password", &settings.pword},
        {"database", &settings.dbname},    {"company", &settings.company}};
    for (const auto &[field, value] : values)
        if (value->find_first_of("\r\n") != std::string::npos)
            throw Error(std::string("Nothing was saved: the ") + field +
                        " holds a line break, which " + std::string(settingsFileName) +
                        " cannot keep.");

    const auto fail = [&](const char *step, int error) {
        throw Error("Could not save " + path.string() + " while " + step + ": " +
                    std::strerror(error));
    };

    // mkstemp creates the file with mode 0600 whatever the umask.
    std::string temporary =
        (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        fail("creating a temporary file", errno);
    const auto abandon = [&](const char *step, int error) {
        ::unlink(temporary.c_str());
        fail(step, error);
    };

    const std::string text = settingsFileText(settings);
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n > 0) {
            written += std::size_t(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            const int error = n < 0 ? errno : EIO; // a write of nothing would loop for ever
            ::close(fd);
            abandon("writing the temporary file", error);
        }
    }
    const int flushError = ::fsync(fd) == 0 ? 0 : errno;
    const int closeError = ::close(fd) == 0 ? 0 : errno;
    if (flushError != 0 || closeError != 0)
        abandon("flushing to disk", flushError != 0 ? flushError : closeError);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        abandon("replacing the old file", errno);
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
