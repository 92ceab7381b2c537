#include "tools/cli/CatalogueCommand.h"

#include "library/TW_Library.h"
#include "tools/catalogue/Catalogue.h"
#include "ui/TwError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

int usageError(const QCommandLineParser& parser, const QString& text) {
    printError(text);
    printError(parser.helpText());
    return 2;
}

int runBuild(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds a new encrypted spell database from the CSV sources in a folder "
                       "(frequencies.csv, schools.csv, spells.csv)."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("from"), QStringLiteral("Folder of the CSV sources."),
                      QStringLiteral("DIR")});
    parser.addOption(
        {QStringLiteral("out"), QStringLiteral("Database file to write."), QStringLiteral("FILE")});
    parser.process(QStringList{QStringLiteral("tomewright-cli catalogue build")} + arguments);
    if (!parser.isSet(QStringLiteral("from")) || !parser.isSet(QStringLiteral("out")))
        return usageError(parser, QStringLiteral("build needs --from and --out."));

    QStringList errors;
    const Catalogue catalogue = readCatalogueFolder(parser.value(QStringLiteral("from")), &errors);
    if (!errors.isEmpty()) {
        for (const QString& error : errors)
            printError(error);
        printError(QStringLiteral("Nothing was written: %1 problem(s).").arg(errors.size()));
        return 1;
    }
    buildCatalogueDatabase(catalogue, parser.value(QStringLiteral("out")),
                           TW_Library::kConnectText);
    return 0;
}

} // namespace

int runCatalogueCommand(const QStringList& arguments) {
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    try {
        if (command == QLatin1String("build"))
            return runBuild(rest);
    } catch (const TwError& error) {
        printError(error.description());
        return 1;
    }
    printError(QStringLiteral("Usage: tomewright-cli catalogue build ..."));
    return 2;
}
