#include "tests/support/temporary_role.h"

#include "dbaccess/error.h"
#include "tests/support/erp_fixture.h"

namespace testsupport {

TemporaryRole::TemporaryRole(FreshDatabase &database, const std::string &suffix,
                             const std::string &password)
    : m_database(database), m_name(database.name() + "_" + suffix), m_password(password)
{
    m_database.exec("CREATE ROLE " + m_name + " LOGIN PASSWORD " + ErpFixture::text(password));
}

TemporaryRole::~TemporaryRole() { drop(); }

dbaccess::SettingsFile TemporaryRole::settings() const
{
    dbaccess::SettingsFile s = m_database.settings();
    s.dbuser = m_name;
    s.pword = m_password;
    return s;
}

void TemporaryRole::drop()
{
    try {
        m_database.exec("DROP OWNED BY " + m_name);
        m_database.exec("DROP ROLE " + m_name);
    } catch (const dbaccess::Error &) {
        // exec has already failed the test with the server's message
    }
}

} // namespace testsupport
