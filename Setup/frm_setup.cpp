#include "Setup/frm_setup.h"

#include "Setup/result_label.h"
#include "Setup/setup_layout.h"
#include "data/session.h"
#include "dbaccess/connection.h"
#include "dbaccess/error.h"
#include "dbaccess/leading_number.h"
#include "dbaccess/record_set.h"
#include "pictures/picture_store.h"
#include "platform/fonts.h"
#include "platform/wait_cursor.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

std::string trimmed(const QLineEdit *box)
{
    return box->text().trimmed().toStdString();
}

// Names a control, for tests and screen readers, and puts it in its place.
template <typename Control>
Control *placed(Control *control, const char *name, const QString &accessibleName,
                const QRect &place)
{
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(accessibleName);
    control->setGeometry(place);
    return control;
}

} // namespace

FrmSetup::FrmSetup(std::filesystem::path folder, QWidget *parent)
    : QDialog(parent), m_folder(std::move(folder))
{
    namespace place = setup_layout;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(setup_text::caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(place::dialog);
    setFont(uiFont(place::boxPoints));

    txtHostname = makeBox("txtHostname", QStringLiteral("host name"), place::hostname,
                          setup_text::initialHostname);
    txtPort = makeBox("txtPort", QStringLiteral("port"), place::port, setup_text::initialPort);
    txtUsername = makeBox("txtUsername", QStringLiteral("user name"), place::username,
                          setup_text::initialUsername);
    txtPword = makeBox("txtPword", QStringLiteral("password"), place::password,
                       setup_text::initialPassword);
    txtPword->setEchoMode(QLineEdit::Password);
    txtDbname = makeBox("txtDbname", QStringLiteral("database name"), place::dbname,
                        setup_text::initialDbname);
    txtCompany = makeBox("txtCompany", QStringLiteral("company id"), place::company,
                         setup_text::initialCompany);

    OKButton = placed(new QPushButton(setup_text::testButton, this), "OKButton",
                      QStringLiteral("test connection"), place::testButton);
    btnSave = placed(new QPushButton(setup_text::saveButton, this), "btnSave",
                     QStringLiteral("save settings"), place::saveButton);
    connect(OKButton, &QPushButton::clicked, this, &FrmSetup::TestConnection);
    connect(btnSave, &QPushButton::clicked, this, &FrmSetup::Save);

    lblResult = placed(new ResultLabel(this), "lblResult", QStringLiteral("connection test result"),
                       place::result);
    lblResult->setFont(uiFont(place::resultPoints));
    lblResult->showText(QString(), place::success);
}

std::filesystem::path FrmSetup::programFolder()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

QLineEdit *FrmSetup::makeBox(const char *name, const QString &accessibleName, const QRect &place,
                             const QString &initialText)
{
    auto *box = placed(new QLineEdit(initialText, this), name, accessibleName, place);
    box->setFrame(false);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

dbaccess::SettingsFile FrmSetup::typedSettings() const
{
    return {trimmed(txtHostname), trimmed(txtPort),   trimmed(txtUsername),
            trimmed(txtPword),    trimmed(txtDbname), trimmed(txtCompany)};
}

void FrmSetup::Save()
{
    const bool saved = guarded([this] {
        dbaccess::writeSettingsFile(m_folder / dbaccess::settingsFileName, typedSettings());
    });
    // A save says nothing when it works, but must not leave an earlier failure standing.
    if (saved && m_showsSaveFailure)
        lblResult->showText(QString(), setup_layout::success);
    m_showsSaveFailure = !saved;
}

void FrmSetup::TestConnection()
{
    m_showsSaveFailure = false;
    guarded([this] {
        const dbaccess::SettingsFile settings = typedSettings();
        // The company id reaches the statement only as a checked number, never as typed text.
        const auto companyId = dbaccess::wholeInt16(settings.company);
        if (!companyId) {
            lblResult->showText(setup_text::companyNotWhole, setup_layout::failure);
            return;
        }

        const WaitCursor wait;
        dbaccess::Connection connection; // closed with its record set however the test ends
        connection.open(dbaccess::connectionString(settings));
        dbaccess::RecordSet rs(connection);
        const auto name = data::findCompanyName(rs, *companyId);
        if (name)
            lblResult->showText(setup_text::success + QString::fromStdString(*name),
                                setup_layout::success);
        else
            lblResult->showText(setup_text::companyNotValid, setup_layout::failure);
    });
}

bool FrmSetup::guarded(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const dbaccess::Error &error) {
        lblResult->showText(QString::fromStdString(error.what()), setup_layout::failure);
    } catch (const std::exception &error) {
        lblResult->showText(QStringLiteral("The action could not be completed: ") +
                                QString::fromStdString(error.what()),
                            setup_layout::failure);
    }
    return false;
}

void FrmSetup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, PictureStore::instance().setupBackground());
}
