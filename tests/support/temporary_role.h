#pragma once

#include "tests/support/test_database.h"

#include <string>

namespace testsupport {

// A login role of the test's own, named after its fresh database. Roles belong to the
// whole server, so it is dropped again however the test ends, with whatever it owns or
// was granted in the test database.
class TemporaryRole final
{
public:
    TemporaryRole(FreshDatabase &database, const std::string &suffix, const std::string &password);
    ~TemporaryRole();
    TemporaryRole(const TemporaryRole &) = delete;
    TemporaryRole &operator=(const TemporaryRole &) = delete;

    const std::string &name() const { return m_name; }
    // Settings for connecting to the test database as this role.
    dbaccess::SettingsFile settings() const;

private:
    void drop();

    FreshDatabase &m_database;
    std::string m_name;
    std::string m_password;
};

} // namespace testsupport
