#include "tools/cli/CommandDatabase.h"

#include "library/CatalogueUpgrade.h"
#include "library/TW_Library.h"
#include "ui/DatabaseLocation.h"
#include "ui/TwError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

QCommandLineOption databaseOption() {
    return {QStringLiteral("db"),
            QCoreApplication::translate("cli", "Spell database (default: the one the window uses, "
                                               "your copy in the user's data folder)."),
            QStringLiteral("FILE")};
}

QString commandDatabase(const QCommandLineParser& parser, bool refresh) {
    if (parser.isSet(QStringLiteral("db")))
        return parser.value(QStringLiteral("db"));
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString path = databasePathFor(programFolder);
    if (!refresh)
        return path;
    try {
        const CatalogueUpgradeResult result = CatalogueUpgrade::refreshUserCopy(
            path, installedDatabasePath(programFolder), TW_Library::kConnectText);
        if (result.upgraded)
            std::fprintf(stderr, "%s\n", qUtf8Printable(CatalogueUpgrade::summary(result)));
    } catch (const TwError& error) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(CatalogueUpgrade::failureNote(error)));
    }
    return path;
}
