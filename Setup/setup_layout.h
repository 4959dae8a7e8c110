#pragma once

#include <QColor>
#include <QRect>
#include <QString>

// Places, colours and texts of the setup dialog, in pixels of the dialog.
namespace setup_layout {

inline constexpr QSize dialog{430, 331};

inline constexpr QRect hostname{126, 79, 217, 17};
inline constexpr QRect port{126, 110, 217, 17};
inline constexpr QRect username{126, 140, 217, 17};
inline constexpr QRect password{126, 169, 217, 17};
inline constexpr QRect dbname{126, 200, 217, 17};
inline constexpr QRect company{126, 230, 39, 17};
inline constexpr QRect testButton{122, 273, 111, 25};
inline constexpr QRect saveButton{263, 273, 81, 25};
inline constexpr QRect result{22, 304, 400, 15};

inline constexpr double boxPoints = 8.25;
inline constexpr double resultPoints = 9;

inline constexpr QColor success{0, 128, 0};
inline constexpr QColor failure{192, 0, 0};

} // namespace setup_layout

// What the setup dialog says.
namespace setup_text {

inline const QString caption = QStringLiteral("Brontalo setup");
inline const QString testButton = QStringLiteral("Test Connection");
inline const QString saveButton = QStringLiteral("Save");

// The boxes start with these whatever a settings file already holds.
inline const QString initialHostname = QStringLiteral("localhost");
inline const QString initialPort = QStringLiteral("5432");
inline const QString initialUsername = QStringLiteral("openpg");
inline const QString initialPassword = QStringLiteral("quelmarsh");
inline const QString initialDbname = QStringLiteral("odoo");
inline const QString initialCompany = QStringLiteral("1");

inline const QString success = QStringLiteral("Success!  Company name = ");
inline const QString companyNotValid = QStringLiteral("Company ID not valid, database is ok");
inline const QString companyNotWhole = QStringLiteral("Company ID must be a whole number");

} // namespace setup_text
