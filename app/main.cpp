// Tomewright: builds the spellbook of a wizard character.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "app/StartupLoader.h"
#include "ui/DatabaseLocation.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/TwError.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>

int main(int argc, char* argv[]) {
#ifdef Q_OS_LINUX
    // Without a display Qt would abort with a long message about platform plugins.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("Tomewright needs a display; without one, run it as: xvfb-run -a tomewright\n",
                   stderr);
        return 1;
    }
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tomewright"));
    // No display name: the platform would append it to every window's caption.
    QApplication::setApplicationVersion(QStringLiteral(TOMEWRIGHT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tomewright.Tomewright"));
    // The user's language, before the first text is read (the loader's thread reads some).
    Language::install(application);

    const QString programFolder = QCoreApplication::applicationDirPath();
    QString database;
    try {
        database = databasePathFor(programFolder);
    } catch (const TwError& error) {
        MessageBox::show(nullptr, error.description().trimmed());
        return 1;
    }
    int status = 1;
    {
        // The database is opened and read on another thread while the window is built. A user's
        // copy first takes in the spells of a newer installed catalogue, keeping the user's own;
        // on failure it is used as it was, and the user is told.
        StartupLoader loader(database, Constants::Settings, installedDatabasePath(programFolder));
        Frm_Main window(programFolder, database);
        if (!window.Form_Load(loader))
            return 1;
        if (!loader.upgradeFailure().isEmpty())
            MessageBox::show(nullptr, loader.upgradeFailure());
        // The window opens in the middle of the screen it is on.
        const QRect screen = window.screen()->availableGeometry();
        window.move(screen.center() - window.rect().center());
        window.show();
        // A book named on the command line (a double-click on a .twbook file) opens at once;
        // one that cannot be read is reported and leaves the window empty.
        const QStringList books = QApplication::arguments().mid(1);
        if (!books.isEmpty())
            window.openBook(books.first());
        status = QApplication::exec();
    }
    // Exit leaves without the unload step; the database is closed here all the same.
    Constants::MyLibrary.reset();
    return status;
}
