#pragma once

#include "dbaccess/settings_file.h"

#include <QDialog>

#include <filesystem>
#include <functional>

class QLineEdit;
class QPushButton;
class ResultLabel;

// The dialog of BrontaloSetup: six boxes for the connection values and the ERP company,
// "Test Connection", which tries them against the database, and "Save", which writes
// them to brontalo.ini. Test and Save use the same values, each box's text with the
// blanks around it removed, so what the test approved is what the main program reads.
class FrmSetup final : public QDialog
{
    Q_OBJECT

public:
    // Saves into `folder`: the program's own folder, where the main program looks.
    explicit FrmSetup(std::filesystem::path folder = programFolder(), QWidget *parent = nullptr);

    // The folder of the running executable.
    static std::filesystem::path programFolder();

    // The values of the six boxes, trimmed.
    dbaccess::SettingsFile typedSettings() const;

    // btnSave: writes brontalo.ini; a failure is shown in red in lblResult.
    void Save();
    // OKButton: opens a connection of its own, reads the company's name, shows the outcome
    // in lblResult and closes what it opened, however the test ends.
    void TestConnection();

    QLineEdit *txtHostname = nullptr;
    QLineEdit *txtPort = nullptr;
    QLineEdit *txtUsername = nullptr;
    QLineEdit *txtPword = nullptr;
    QLineEdit *txtDbname = nullptr;
    QLineEdit *txtCompany = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *btnSave = nullptr;
    ResultLabel *lblResult = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *makeBox(const char *name, const QString &accessibleName, const QRect &place,
                       const QString &initialText);
    // Runs one click's work; an error ends it and is shown in red in lblResult. False
    // when the work failed.
    bool guarded(const std::function<void()> &work);

    std::filesystem::path m_folder;
    bool m_showsSaveFailure = false; // lblResult holds why the last save failed
};
