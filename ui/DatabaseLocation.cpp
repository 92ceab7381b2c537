#include "ui/DatabaseLocation.h"

#include "ui/TwError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kDatabase = QStringLiteral("Spells.mdb");
}

QString userDataFolder() {
    // Named here rather than taken from the application's name, so the window and the command
    // line share it.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : QDir(base).filePath(QStringLiteral("Tomewright"));
}

QString installedDatabasePath(const QString& programFolder) {
    return QDir(programFolder).filePath(kDatabase);
}

QString databasePathFor(const QString& programFolder) {
    // Also where the program's folder can be written (a build, an unpacked copy): the file
    // beside the program is remade or replaced with the program, so the user's spells never
    // live in it.
    const QString installed = installedDatabasePath(programFolder);
    const QString folder = userDataFolder();
    const QString copy = QDir(folder).filePath(kDatabase);
    if (QFileInfo::exists(copy))
        return copy;
    // Nothing to copy: opening it says what is wrong with the program's own database.
    if (!QFileInfo(installed).isFile())
        return installed;
    const auto failure = [&](const QString& why) {
        return TwError(
            -1, QStringLiteral("DatabaseLocation"),
            QCoreApplication::translate("DatabaseLocation",
                                        "Tomewright cannot make its copy of the spell database "
                                        "\"%1\" in \"%2\": %3.")
                .arg(installed, folder, why));
    };
    if (folder.isEmpty() || !QDir().mkpath(folder))
        throw failure(QCoreApplication::translate("DatabaseLocation", "the folder cannot be made"));
    // Copied under another name and renamed, so an interrupted copy is never taken for the
    // database.
    const QString partial = copy + QStringLiteral(".partial");
    QFile::remove(partial);
    QFile source(installed);
    if (!source.copy(partial)) {
        QFile::remove(partial);
        throw failure(source.errorString());
    }
    QFile::setPermissions(partial, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!QFile::rename(partial, copy)) {
        QFile::remove(partial);
        throw failure(
            QCoreApplication::translate("DatabaseLocation", "the copy cannot be renamed"));
    }
    return copy;
}
