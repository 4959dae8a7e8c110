// BrontaloSetup: the dialog that writes brontalo.ini beside the programs and tests it.
#include "Setup/frm_setup.h"

#include <QApplication>

#include <filesystem>
#include <system_error>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Both programs look for brontalo.ini in their own folder.
    const std::filesystem::path folder = FrmSetup::programFolder();
    std::error_code ignored; // the dialog saves by full path, so a refusal here is harmless
    std::filesystem::current_path(folder, ignored);

    FrmSetup dialog(folder);
    dialog.show();
    QApplication::restoreOverrideCursor();
    return app.exec();
}
