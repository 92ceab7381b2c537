// Tomewright: builds the spellbook of a wizard character.
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tomewright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tomewright"));
    QApplication::setApplicationVersion(QStringLiteral(TOMEWRIGHT_VERSION));

    const QString database =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Spells.mdb"));
    int status = 1;
    {
        Frm_Main window(QCoreApplication::applicationDirPath());
        if (!window.Form_Load())
            return 1;
        window.show();
        status = QApplication::exec();
    }
    // Exit leaves without the unload step; the database is closed here all the same.
    Constants::MyLibrary.reset();
    return status;
}
