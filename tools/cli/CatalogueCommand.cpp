#include "tools/cli/CatalogueCommand.h"

#include "library/TW_Library.h"
#include "tools/catalogue/Catalogue.h"
#include "tools/catalogue/CatalogueCheck.h"
#include "ui/Database.h"
#include "ui/DatabaseLocation.h"
#include "ui/TwError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

const char* kUsage = "Usage: tomewright-cli catalogue COMMAND [OPTIONS]\n"
                     "Commands:\n"
                     "  build   --from DIR --out FILE     CSV sources to a new spell database\n"
                     "  export  [--db FILE] --to DIR      the catalogue back to CSV sources\n"
                     "  import  [--db FILE] --from FILE [--replace]  add spells from a CSV file\n"
                     "  check   [--db FILE]               integrity and coverage of a catalogue\n"
                     "Run a command with --help for its options.\n";

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

// A parser for one command; --help prints its text and ends the program.
struct CommandLine {
    QCommandLineParser parser;

    CommandLine(const QString& description, const QList<QCommandLineOption>& options) {
        parser.setApplicationDescription(description);
        parser.addHelpOption();
        parser.addOptions(options);
    }

    // False when the arguments are wrong (the message is already printed).
    bool parse(const QString& command, const QStringList& arguments, const QStringList& required) {
        if (!parser.parse(QStringList{QStringLiteral("tomewright-cli catalogue ") + command} +
                          arguments)) {
            printError(parser.errorText());
            return false;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            QString help = parser.helpText();
            help.replace(
                0, help.indexOf(QLatin1Char('\n')),
                QStringLiteral("Usage: tomewright-cli catalogue %1 [options]").arg(command));
            std::printf("%s", qUtf8Printable(help));
            std::exit(0);
        }
        for (const QString& option : required) {
            if (!parser.isSet(option)) {
                printError(QStringLiteral("%1 needs --%2.").arg(command, option));
                return false;
            }
        }
        if (!parser.positionalArguments().isEmpty()) {
            printError(QStringLiteral("Unexpected argument \"%1\".")
                           .arg(parser.positionalArguments().first()));
            return false;
        }
        return true;
    }

    QString value(const char* name) const { return parser.value(QString::fromLatin1(name)); }
    bool isSet(const char* name) const { return parser.isSet(QString::fromLatin1(name)); }

    // --db, or the database the window uses (beside the program, or the user's copy).
    QString database() const {
        return isSet("db") ? value("db") : databasePathFor(QCoreApplication::applicationDirPath());
    }
};

QCommandLineOption databaseOption() {
    return {QStringLiteral("db"),
            QStringLiteral("Spell database (default: the one the window uses: beside the program, "
                           "or the user's copy when the program's folder is read-only)."),
            QStringLiteral("FILE")};
}

int reportErrors(const QStringList& errors) {
    for (const QString& error : errors)
        printError(error);
    printError(QStringLiteral("Nothing was written: %1 problem(s).").arg(errors.size()));
    return 1;
}

int runBuild(const QStringList& arguments) {
    CommandLine line(QStringLiteral("Builds a new encrypted spell database from the CSV sources "
                                    "in a folder (frequencies.csv, schools.csv, spells.csv)."),
                     {{QStringLiteral("from"), QStringLiteral("Folder of the CSV sources."),
                       QStringLiteral("DIR")},
                      {QStringLiteral("out"), QStringLiteral("Database file to write."),
                       QStringLiteral("FILE")}});
    if (!line.parse(QStringLiteral("build"), arguments,
                    {QStringLiteral("from"), QStringLiteral("out")}))
        return 2;
    QStringList errors;
    const Catalogue catalogue = readCatalogueFolder(line.value("from"), &errors);
    if (!errors.isEmpty())
        return reportErrors(errors);
    buildCatalogueDatabase(catalogue, line.value("out"), TW_Library::kConnectText);
    return 0;
}

int runExport(const QStringList& arguments) {
    CommandLine line(QStringLiteral("Writes the catalogue of a spell database as CSV sources "
                                    "(frequencies.csv, schools.csv, spells.csv) into a folder."),
                     {databaseOption(),
                      {QStringLiteral("to"), QStringLiteral("Folder to write the files into."),
                       QStringLiteral("DIR")}});
    if (!line.parse(QStringLiteral("export"), arguments, {QStringLiteral("to")}))
        return 2;
    Database database(line.database(), TW_Library::kConnectText);
    const Catalogue catalogue = readCatalogueDatabase(database);
    const QDir folder(line.value("to"));
    if (!QDir().mkpath(folder.path())) {
        printError(QStringLiteral("The folder \"%1\" cannot be made.").arg(folder.path()));
        return 1;
    }
    const QList<QPair<QString, QByteArray>> files = {
        {CatalogueFiles::kFrequencies, frequenciesCsv(catalogue)},
        {CatalogueFiles::kSchools, schoolsCsv(catalogue)},
        {CatalogueFiles::kSpells, spellsCsv(catalogue)}};
    for (const auto& [name, bytes] : files) {
        QSaveFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            printError(QStringLiteral("\"%1\" cannot be written: %2")
                           .arg(folder.filePath(name), file.errorString()));
            return 1;
        }
    }
    std::fprintf(stderr, "Exported %lld spells to %s\n", qlonglong(catalogue.spells.size()),
                 qUtf8Printable(folder.path()));
    return 0;
}

int runImport(const QStringList& arguments) {
    CommandLine line(
        QStringLiteral("Adds the spells of a CSV file (the columns of spells.csv; Description "
                       "may be left out) to a spell database, all or nothing."),
        {databaseOption(),
         {QStringLiteral("from"), QStringLiteral("The CSV file of spells."),
          QStringLiteral("FILE")},
         {QStringLiteral("replace"), QStringLiteral("Overwrite spells whose names exist.")}});
    if (!line.parse(QStringLiteral("import"), arguments, {QStringLiteral("from")}))
        return 2;
    QFile source(line.value("from"));
    if (!source.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("\"%1\" cannot be read: %2")
                       .arg(line.value("from"), source.errorString()));
        return 1;
    }
    Database database(line.database(), TW_Library::kConnectText);
    QStringList errors;
    const int added =
        importSpells(database, source.readAll(), QFileInfo(line.value("from")).fileName(),
                     line.isSet("replace"), &errors);
    if (!errors.isEmpty())
        return reportErrors(errors);
    std::fprintf(stderr, "Imported %d spells.\n", added);
    return 0;
}

int runCheck(const QStringList& arguments) {
    CommandLine line(QStringLiteral("Checks a spell database: every spell well formed, and "
                                    "enough spells for every class at every level."),
                     {databaseOption()});
    if (!line.parse(QStringLiteral("check"), arguments, {}))
        return 2;
    Database database(line.database(), TW_Library::kConnectText);
    const CatalogueReport report = checkCatalogue(database);
    std::printf("Spells: %d\nSpells without a description: %d\n\n", report.spells,
                report.withoutDescription);
    std::printf("Spells each class can draw per spell level at \"Very Rare\" "
                "(specialists: all / specialty):\n\n%s",
                qUtf8Printable(coverageTable(report)));
    for (const QString& problem : report.problems)
        printError(problem);
    for (const QString& failure : report.coverageFailures)
        printError(failure);
    if (!report.passed()) {
        printError(QStringLiteral("Check failed: %1 problem(s), %2 coverage shortfall(s).")
                       .arg(report.problems.size())
                       .arg(report.coverageFailures.size()));
        return 1;
    }
    std::fprintf(stderr, "Check passed.\n");
    return 0;
}

} // namespace

int runCatalogueCommand(const QStringList& arguments) {
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    try {
        if (command == QLatin1String("build"))
            return runBuild(rest);
        if (command == QLatin1String("export"))
            return runExport(rest);
        if (command == QLatin1String("import"))
            return runImport(rest);
        if (command == QLatin1String("check"))
            return runCheck(rest);
    } catch (const TwError& error) {
        printError(error.description());
        return 1;
    }
    const bool help = command == QLatin1String("--help") || command == QLatin1String("-h");
    std::fputs(kUsage, help ? stdout : stderr);
    return help ? 0 : 2;
}
