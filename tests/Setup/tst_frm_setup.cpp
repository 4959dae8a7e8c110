// The setup dialog driven with real clicks offscreen: what Save writes, what Test tells,
// against the private server, and that the saved file is the one the test approved.
#include "Setup/frm_setup.h"
#include "Setup/result_label.h"
#include "dbaccess/startup.h"
#include "tests/support/erp_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/temporary_role.h"
#include "tests/support/test_database.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <random>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>

using dbaccess::SettingsFile;
using testsupport::ErpFixture;
using testsupport::FreshDatabase;
using testsupport::ScratchFolder;

namespace {

const QColor green(0, 128, 0);
const QColor red(192, 0, 0);
const QString success = QStringLiteral("Success!  Company name = ");

std::string contentsOf(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeText(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Replaces what a box holds by typing, as a user would.
void type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// The settings as the main program finds them at its start: does it connect with them?
QString mainProgramConnectsWith(const std::filesystem::path &folder)
{
    const auto previous = std::filesystem::current_path();
    dbaccess::Database database;
    const auto outcome = dbaccess::connectAtStartup(folder, database);
    std::filesystem::current_path(previous);
    return outcome.status == dbaccess::StartupOutcome::Status::Connected
               ? QString()
               : QString::fromStdString(outcome.message);
}


} // namespace

class TestFrmSetup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScratchFolder> folder;
    std::unique_ptr<FrmSetup> dialog;

    std::filesystem::path settingsPath() const { return *folder / "brontalo.ini"; }
    QString result() const { return dialog->lblResult->text(); }
    QColor resultColour() const { return dialog->lblResult->colour(); }

    // Opens the dialog saving into `into`, as the program does for its own folder.
    void open(const std::filesystem::path &into)
    {
        dialog = std::make_unique<FrmSetup>(into);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void enter(const SettingsFile &s, const QString &around = {})
    {
        const auto padded = [&](const std::string &v) {
            return around + QString::fromStdString(v) + around;
        };
        type(dialog->txtHostname, padded(s.hostname));
        type(dialog->txtPort, padded(s.port));
        type(dialog->txtUsername, padded(s.dbuser));
        type(dialog->txtPword, padded(s.pword));
        type(dialog->txtDbname, padded(s.dbname));
        type(dialog->txtCompany, padded(s.company));
    }
    void clickTest() { QTest::mouseClick(dialog->OKButton, Qt::LeftButton); }
    void clickSave() { QTest::mouseClick(dialog->btnSave, Qt::LeftButton); }

private slots:
    void init()
    {
        folder = std::make_unique<ScratchFolder>();
        open(folder->path());
    }
    void cleanup()
    {
        dialog.reset();
        folder.reset();
    }

    void anyPastedTextIsSavedAsTheBoxesShowIt()
    {
        // Texts of every kind, pasted into the boxes (fixed seed): what the file holds is
        // what the boxes show, trimmed, and reads back the same.
        std::mt19937 random(6);
        const QString plain = QStringLiteral(" \t;={}'\"\\abcXYZ019.-_äøŻ€\u200b");
        const QString withBreaks = plain + QStringLiteral("\r\n");
        std::uniform_int_distribution<int> length(0, 12);
        int saved = 0;
        int refused = 0;
        QLineEdit *boxes[] = {dialog->txtHostname, dialog->txtPort,   dialog->txtUsername,
                              dialog->txtPword,    dialog->txtDbname, dialog->txtCompany};
        for (int round = 0; round < 150; ++round) {
            const QString &alphabet = round % 5 == 0 ? withBreaks : plain;
            std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
            for (QLineEdit *box : boxes) {
                QString text;
                for (int n = length(random); n > 0; --n)
                    text += alphabet[pick(random)];
                box->selectAll();
                box->insert(text); // as a paste does
            }
            const auto before = dbaccess::readSettingsFile(settingsPath());
            clickSave();
            const auto typed = dialog->typedSettings();
            const auto read = dbaccess::readSettingsFile(settingsPath());
            bool lineBreak = false;
            for (const std::string *v : {&typed.hostname, &typed.port, &typed.dbuser,
                                         &typed.pword, &typed.dbname, &typed.company})
                lineBreak = lineBreak || v->find_first_of("\r\n") != std::string::npos;
            if (lineBreak) { // refused, in red, and the file as it was
                QVERIFY2(result().contains(QStringLiteral("holds a line break")), qPrintable(result()));
                QCOMPARE(resultColour(), red);
                QCOMPARE(read, before);
                ++refused;
                continue;
            }
            QVERIFY(read.has_value());
            QCOMPARE(*read, typed);
            ++saved;
            QCOMPARE(QString::fromStdString(read->pword), dialog->txtPword->text().trimmed());
        }
        QVERIFY(saved > 100 && refused > 10);
    }

    void controlsStandWithTheirInitialTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("text");
        QTest::newRow("host") << "txtHostname" << QRect(126, 79, 217, 17) << "localhost";
        QTest::newRow("port") << "txtPort" << QRect(126, 110, 217, 17) << "5432";
        QTest::newRow("user") << "txtUsername" << QRect(126, 140, 217, 17) << "openpg";
        QTest::newRow("password") << "txtPword" << QRect(126, 169, 217, 17) << "quelmarsh";
        QTest::newRow("database") << "txtDbname" << QRect(126, 200, 217, 17) << "odoo";
        QTest::newRow("company") << "txtCompany" << QRect(126, 230, 39, 17) << "1";
        QTest::newRow("test button") << "OKButton" << QRect(122, 273, 111, 25)
                                     << "Test Connection";
        QTest::newRow("save button") << "btnSave" << QRect(263, 273, 81, 25) << "Save";
        QTest::newRow("result") << "lblResult" << QRect(22, 304, 400, 15) << "";
    }
    void controlsStandWithTheirInitialTexts()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, text);
        auto *control = dialog->findChild<QWidget *>(name);
        QVERIFY2(control, "no control of that name");
        QCOMPARE(control->geometry(), place);
        QVERIFY(!control->accessibleName().isEmpty());
        QVERIFY(control->isVisible());
        if (auto *box = qobject_cast<QLineEdit *>(control))
            QCOMPARE(box->text(), text);
        else if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), text);
        else
            QCOMPARE(qobject_cast<QLabel *>(control)->text(), text);
    }

    void isAFixedDialogWithoutMinimizeOrMaximize()
    {
        QCOMPARE(dialog->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Brontalo setup"));
        QCOMPARE(dialog->size(), QSize(430, 331));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }

    void passwordBoxMasksWhatIsTyped()
    {
        type(dialog->txtPword, QStringLiteral("s3cret"));
        QCOMPARE(dialog->txtPword->text(), QStringLiteral("s3cret"));
        QCOMPARE(dialog->txtPword->echoMode(), QLineEdit::Password);
        QVERIFY(!dialog->txtPword->displayText().contains(QStringLiteral("s3cret")));
    }

    void saveWithUntouchedBoxesWritesTheSevenLinesForItsOwnerOnly()
    {
        namespace fs = std::filesystem;
        writeText(settingsPath(), "an older file\r\nthat is replaced whole\r\n\r\n\r\n\r\n\r\n\r\n");
        fs::permissions(settingsPath(), fs::perms(0644));
        clickSave();
        QCOMPARE(contentsOf(settingsPath()),
                 std::string("localhost\r\n5432\r\nopenpg\r\nquelmarsh\r\nodoo\r\n1\r\n\r\n"));
        QCOMPARE(fs::status(settingsPath()).permissions(),
                 fs::perms::owner_read | fs::perms::owner_write);
        QCOMPARE(std::distance(fs::directory_iterator(folder->path()), fs::directory_iterator()),
                 1);
        QCOMPARE(result(), QString());
    }

    void blanksAroundValuesAreLeftOutOfFileAndTest()
    {
        FreshDatabase fresh;
        ErpFixture(fresh).company(1, "Frames Ltd");
        const SettingsFile server = fresh.settings();
        enter(server, QStringLiteral(" \t "));
        clickSave();
        QCOMPARE(contentsOf(settingsPath()), dbaccess::settingsFileText(server));
        QCOMPARE(mainProgramConnectsWith(folder->path()), QString());
        clickTest();
        QCOMPARE(result(), success + "Frames Ltd");
        QCOMPARE(resultColour(), green);
    }

    void testReadsTheCompanyName_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("first company") << "1" << success + "Frames Ltd" << green;
        QTest::newRow("second company") << "2" << success + "Second Site" << green;
        QTest::newRow("name is NULL") << "3" << success << green;
        QTest::newRow("no such company")
            << "999" << QStringLiteral("Company ID not valid, database is ok") << red;
    }
    void testReadsTheCompanyName()
    {
        QFETCH(QString, company);
        QFETCH(QString, expected);
        QFETCH(QColor, colour);
        FreshDatabase fresh;
        ErpFixture erp(fresh);
        erp.company(1, "Frames Ltd");
        erp.company(2, "Second Site");
        erp.company(3, "Nameless");
        fresh.exec("alter table res_company alter column name drop not null");
        fresh.exec("update res_company set name=NULL where id=3");
        SettingsFile server = fresh.settings();
        server.company = company.toStdString();
        enter(server);
        clickTest();
        QCOMPARE(result(), expected);
        QCOMPARE(dialog->lblResult->shownLine(), expected);
        QCOMPARE(resultColour(), colour);
        QVERIFY2(!std::filesystem::exists(settingsPath()), "a test does not save");
    }

    void companyThatIsNoWholeNumberSendsNothing_data()
    {
        QTest::addColumn<QString>("company");
        QTest::newRow("always true") << "1 or 1=1";
        QTest::newRow("second statement") << "1;drop table res_company";
        QTest::newRow("changing statement") << "1; update res_company set name='x'";
        QTest::newRow("word") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("fraction") << "7.5";
        QTest::newRow("beyond 16 bits") << "40000";
        QTest::newRow("hexadecimal") << "0x1";
    }
    void companyThatIsNoWholeNumberSendsNothing()
    {
        QFETCH(QString, company);
        FreshDatabase fresh;
        ErpFixture erp(fresh);
        erp.company(1, "Frames Ltd");
        erp.company(2, "Second Site");
        SettingsFile server = fresh.settings();
        server.company = company.toStdString();
        enter(server);
        clickTest();
        QCOMPARE(result(), QStringLiteral("Company ID must be a whole number"));
        QCOMPARE(resultColour(), red);
        QCOMPARE(fresh.scalar("select string_agg(id||' '||name, ', ' order by id) from "
                              "res_company"),
                 std::string("1 Frames Ltd, 2 Second Site"));
    }

    void failedTestShowsTheDatabaseMessageAndASecondTestWorks_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password")
            << "txtPword" << "not-the-password" << "password authentication failed";
        QTest::newRow("nothing listens on the port") << "txtPort" << "1" << "port 1 failed";
        QTest::newRow("no such database")
            << "txtDbname" << "brontalo_no_such_db" << "\"brontalo_no_such_db\" does not exist";
        QTest::newRow("database without the ERP tables")
            << "txtDbname" << "postgres" << "relation \"res_company\" does not exist";
    }
    void failedTestShowsTheDatabaseMessageAndASecondTestWorks()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, message);
        FreshDatabase fresh;
        ErpFixture(fresh).company(1, "Frames Ltd");
        enter(fresh.settings());
        auto *wrong = dialog->findChild<QLineEdit *>(box);
        const QString right = wrong->text();
        type(wrong, value);
        clickTest();
        QVERIFY2(result().contains(message), qPrintable(result()));
        QCOMPARE(resultColour(), red);
        QCOMPARE(dialog->lblResult->toolTip(), result());
        const QString shown = dialog->lblResult->shownLine();
        QVERIFY2(!shown.contains(QLatin1Char('\n')), qPrintable(shown));
        QVERIFY2(dialog->lblResult->fontMetrics().horizontalAdvance(shown) <=
                     dialog->lblResult->width(),
                 qPrintable(shown));

        type(wrong, right);
        clickTest();
        QCOMPARE(result(), success + "Frames Ltd");
        QCOMPARE(resultColour(), green);
    }

    void passwordWithSemicolonAndBraceConnectsInBothPrograms()
    {
        FreshDatabase fresh;
        ErpFixture(fresh).company(1, "Frames Ltd");
        const std::string password = "pa;ss}w{rd;Uid=brontalo";
        const testsupport::TemporaryRole role(fresh, "login", password);
        fresh.exec("GRANT SELECT ON res_company TO " + role.name());
        SettingsFile s = fresh.settings();
        s.dbuser = role.name();
        s.pword = password;
        enter(s);
        clickTest();
        QCOMPARE(result(), success + "Frames Ltd");
        clickSave();
        QCOMPARE(dbaccess::readSettingsFile(settingsPath())->pword, password);
        QCOMPARE(mainProgramConnectsWith(folder->path()), QString());
    }

    void failedSaveSaysWhyInRedAndKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder is a regular file") << false << "Not a directory";
        QTest::newRow("disk takes no more bytes") << true << "File too large";
    }
    void failedSaveSaysWhyInRedAndKeepsTheOldFile()
    {
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        const std::string old = "old host\r\n5432\r\nuser\r\npw\r\nerp\r\n1\r\n\r\n";
        std::filesystem::path into = folder->path();
        if (diskFull) {
            writeText(settingsPath(), old);
        } else {
            into = *folder / "not-a-folder";
            writeText(into, "a file where the program folder should be");
            open(into);
        }
        {
            std::optional<testsupport::FileSizeLimit> limit;
            if (diskFull)
                limit.emplace(8);
            clickSave();
        }
        QVERIFY2(result().contains(reason), qPrintable(result()));
        QVERIFY2(result().contains(QStringLiteral("brontalo.ini")), qPrintable(result()));
        QCOMPARE(resultColour(), red);
        if (diskFull)
            QCOMPARE(contentsOf(settingsPath()), old);

        // Once the folder takes the file again, a save works and the failure goes.
        if (!diskFull) {
            std::filesystem::remove(into);
            std::filesystem::create_directory(into);
        }
        clickSave();
        QCOMPARE(result(), QString());
        QCOMPARE(dbaccess::readSettingsFile(into / "brontalo.ini")->hostname,
                 std::string("localhost"));
    }

    void startupMakesTheProgramFolderCurrent()
    {
        const QString program = QStringLiteral(BRONTALO_SETUP_EXE);
        const QString programFolder = QString::fromStdString(
            std::filesystem::canonical(program.toStdString()).parent_path().string());
        QProcess setup;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        setup.setProcessEnvironment(environment);
        setup.setWorkingDirectory(QString::fromStdString(folder->path().string()));
        setup.start(program, {});
        QVERIFY(setup.waitForStarted());
        const std::string cwd = "/proc/" + std::to_string(setup.processId()) + "/cwd";
        std::error_code error;
        QTRY_COMPARE_WITH_TIMEOUT(
            QString::fromStdString(std::filesystem::read_symlink(cwd, error).string()),
            programFolder, 10000);
        setup.kill();
        setup.waitForFinished();
    }
};

QTEST_MAIN(TestFrmSetup)
#include "tst_frm_setup.moc"
