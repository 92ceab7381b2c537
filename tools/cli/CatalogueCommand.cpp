#include "tools/cli/CatalogueCommand.h"

#include "library/TW_Library.h"
#include "library/catalogue/Catalogue.h"
#include "library/catalogue/CatalogueCheck.h"
#include "library/catalogue/CatalogueEdit.h"
#include "library/catalogue/CsvFile.h"
#include "tools/cli/CommandDatabase.h"
#include "tools/cli/ProgressLine.h"
#include "tools/cli/StandardOutput.h"
#include "ui/Database.h"
#include "ui/TwError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace {

const char* kUsage =
    "Usage: tomewright-cli catalogue COMMAND [OPTIONS]\n"
    "Commands:\n"
    "  build   --from DIR --out FILE [--force]        CSV sources to a new spell database\n"
    "  export  [--db FILE] --to DIR                   the catalogue back to CSV sources\n"
    "  import  [--db FILE] --from FILE [--replace] [--dry-run]  add spells from a CSV file\n"
    "  remove  [--db FILE] NAME... | --from FILE      take spells out\n"
    "  check   [--db FILE]                            integrity and coverage of a catalogue\n"
    "Run a command with --help for its options.\n";

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

QString spellCount(qsizetype count) {
    return QCoreApplication::translate("cli", "%n spell(s)", nullptr, int(count));
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
    bool parse(const QString& command, const QStringList& arguments, const QStringList& required,
               bool positional = false) {
        if (!parser.parse(QStringList{QStringLiteral("tomewright-cli catalogue ") + command} +
                          arguments)) {
            printError(parser.errorText());
            return false;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            QString help = parser.helpText();
            help.replace(
                0, help.indexOf(QLatin1Char('\n')),
                QCoreApplication::translate("cli", "Usage: tomewright-cli catalogue %1 [options]")
                    .arg(command));
            StandardOutput::print(help);
            std::exit(StandardOutput::finish(0));
        }
        for (const QString& option : required) {
            if (!parser.isSet(option)) {
                //: %1 is a command (import), %2 an option's name (from).
                printError(
                    QCoreApplication::translate("cli", "%1 needs --%2.").arg(command, option));
                return false;
            }
        }
        if (!positional && !parser.positionalArguments().isEmpty()) {
            printError(QCoreApplication::translate("cli", "Unexpected argument \"%1\".")
                           .arg(parser.positionalArguments().first()));
            return false;
        }
        if (parser.optionNames().contains(QStringLiteral("encoding")) &&
            !encodingFromName(value("encoding"), &encoding)) {
            printError(QCoreApplication::translate(
                           "cli", "--encoding takes utf-8 or windows-1252, not \"%1\".")
                           .arg(value("encoding")));
            return false;
        }
        return true;
    }

    QString value(const char* name) const { return parser.value(QString::fromLatin1(name)); }
    bool isSet(const char* name) const { return parser.isSet(QString::fromLatin1(name)); }

    TextEncoding encoding = TextEncoding::Utf8;
};

QCommandLineOption encodingOption() {
    return {QStringLiteral("encoding"),
            QCoreApplication::translate(
                "cli", "How the CSV text is encoded: utf-8 (default) or windows-1252 (a file "
                       "saved by an older Windows program)."),
            QStringLiteral("NAME")};
}

int reportErrors(const QStringList& errors) {
    for (const QString& error : errors)
        printError(error);
    printError(
        QCoreApplication::translate("cli", "Nothing was written: %1.")
            .arg(QCoreApplication::translate("cli", "%n problem(s)", nullptr, int(errors.size()))));
    return 1;
}

bool readFile(const QString& path, QByteArray* bytes) {
    const CsvBytes file = readCsvBytes(path);
    if (file.problem) {
        printError(QStringLiteral("\"%1\" %2").arg(path, file.problem->text));
        return false;
    }
    *bytes = file.bytes;
    return true;
}

int runBuild(const QStringList& arguments) {
    CommandLine line(
        QCoreApplication::translate("cli",
                                    "Builds a new encrypted spell database from the CSV sources "
                                    "in a folder (frequencies.csv, schools.csv, spells.csv)."),
        {{QStringLiteral("from"), QCoreApplication::translate("cli", "Folder of the CSV sources."),
          QStringLiteral("DIR")},
         {QStringLiteral("out"), QCoreApplication::translate("cli", "Database file to write."),
          QStringLiteral("FILE")},
         {QStringLiteral("force"),
          QCoreApplication::translate("cli", "Replace the database file when it exists.")},
         encodingOption()});
    if (!line.parse(QStringLiteral("build"), arguments,
                    {QStringLiteral("from"), QStringLiteral("out")}))
        return 2;
    const QString out = line.value("out");
    if (QFileInfo::exists(out) && !line.isSet("force")) {
        printError(QCoreApplication::translate(
                       "cli", "\"%1\" already exists; nothing was written. Add --force to "
                              "replace it, spells added to it and all.")
                       .arg(out));
        return 1;
    }
    QStringList errors;
    const Catalogue catalogue = readCatalogueFolder(line.value("from"), &errors, line.encoding);
    if (!errors.isEmpty())
        return reportErrors(errors);
    buildCatalogueDatabase(catalogue, out, TW_Library::kConnectText);
    //: %1 is a file, %2 a number of spells ("1,782 spells").
    printError(QCoreApplication::translate("cli", "Built %1 with %2.")
                   .arg(out, spellCount(catalogue.spells.size())));
    return 0;
}

int runExport(const QStringList& arguments) {
    CommandLine line(QCoreApplication::translate(
                         "cli", "Writes the catalogue of a spell database as CSV sources "
                                "(frequencies.csv, schools.csv, spells.csv) into a folder, "
                                "spells sorted by level and name."),
                     {databaseOption(),
                      {QStringLiteral("to"),
                       QCoreApplication::translate("cli", "Folder to write the files into."),
                       QStringLiteral("DIR")}});
    if (!line.parse(QStringLiteral("export"), arguments, {QStringLiteral("to")}))
        return 2;
    const Database database(commandDatabase(line.parser), TW_Library::kConnectText);
    const Catalogue catalogue = readCatalogueDatabase(database);
    const QDir folder(line.value("to"));
    if (!QDir().mkpath(folder.path())) {
        printError(QCoreApplication::translate("cli", "The folder \"%1\" cannot be made.")
                       .arg(folder.path()));
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
            printError(QCoreApplication::translate("cli", "\"%1\" cannot be written: %2")
                           .arg(folder.filePath(name), file.errorString()));
            return 1;
        }
    }
    //: %1 is a number of spells ("1,782 spells"), %2 a folder.
    printError(QCoreApplication::translate("cli", "Exported %1 to %2.")
                   .arg(spellCount(catalogue.spells.size()), folder.path()));
    return 0;
}

int runImport(const QStringList& arguments) {
    CommandLine line(
        QCoreApplication::translate(
            "cli", "Adds the spells of a CSV file (the columns of spells.csv; Description "
                   "may be left out) to a spell database, all or nothing."),
        {databaseOption(),
         {QStringLiteral("from"), QCoreApplication::translate("cli", "The CSV file of spells."),
          QStringLiteral("FILE")},
         {QStringLiteral("replace"),
          QCoreApplication::translate("cli",
                                      "Overwrite spells whose names exist (in any letter case).")},
         {QStringLiteral("dry-run"),
          QCoreApplication::translate(
              "cli", "Check the file and say what would be added and replaced; write "
                     "nothing.")},
         encodingOption()});
    if (!line.parse(QStringLiteral("import"), arguments, {QStringLiteral("from")}))
        return 2;
    //: %1 and %2 are numbers: the steps done, of all (each row is read, checked, then written).
    ProgressLine progress(QCoreApplication::translate("cli", "Importing: %1 of %2 steps"));
    QByteArray bytes;
    if (!readFile(line.value("from"), &bytes))
        return 1;
    ImportOptions options;
    options.replace = line.isSet("replace");
    options.dryRun = line.isSet("dry-run");
    options.encoding = line.encoding;
    options.progress = [&progress](qsizetype done, qsizetype total) {
        return progress.show(done, total);
    };
    Database database(commandDatabase(line.parser, !options.dryRun), TW_Library::kConnectText);
    QStringList errors;
    const ImportResult result =
        importSpells(database, bytes, QFileInfo(line.value("from")).fileName(), options, &errors);
    progress.clear();
    if (!errors.isEmpty())
        return reportErrors(errors);
    const qsizetype total = result.added.size() + result.replaced.size();
    // Rows the catalogue already holds as they are are not imported; they are only mentioned.
    const QString unchanged =
        result.unchanged.isEmpty()
            ? QString()
            : QCoreApplication::translate("cli", ", %1 unchanged").arg(result.unchanged.size());
    if (options.dryRun) {
        for (const QString& name : result.added)
            StandardOutput::print(QStringLiteral("would add: %1\n").arg(name));
        for (const QString& name : result.replaced)
            StandardOutput::print(QStringLiteral("would replace: %1\n").arg(name));
        //: %1 is a number of spells ("3 spells"), %2 and %3 numbers, %4 the unchanged ones or
        //: nothing.
        printError(QCoreApplication::translate("cli", "Dry run: %1 would be imported (%2 added, %3 "
                                                      "replaced%4); nothing was written.")
                       .arg(spellCount(total))
                       .arg(result.added.size())
                       .arg(result.replaced.size())
                       .arg(unchanged));
        return 0;
    }
    if (options.replace)
        //: %1 is a number of spells ("3 spells"), %2 and %3 numbers, %4 the unchanged ones or
        //: nothing.
        printError(QCoreApplication::translate("cli", "Imported %1: %2 added, %3 replaced%4.")
                       .arg(spellCount(total))
                       .arg(result.added.size())
                       .arg(result.replaced.size())
                       .arg(unchanged));
    else
        printError(QCoreApplication::translate("cli", "Imported %1.").arg(spellCount(total)));
    return 0;
}

int runRemove(const QStringList& arguments) {
    CommandLine line(
        QCoreApplication::translate(
            "cli", "Takes spells out of a spell database, all or nothing: the names given "
                   "(in any letter case), or those of a file. A shipped spell taken out "
                   "stays out when the program is upgraded."),
        {databaseOption(),
         {QStringLiteral("from"),
          QCoreApplication::translate(
              "cli", "A file of names, one a line, or a spells CSV file (its Name column)."),
          QStringLiteral("FILE")},
         encodingOption()});
    line.parser.addPositionalArgument(QStringLiteral("NAME"),
                                      QCoreApplication::translate("cli", "A spell to take out."),
                                      QStringLiteral("[NAME...]"));
    if (!line.parse(QStringLiteral("remove"), arguments, {}, true))
        return 2;
    QList<GivenName> names;
    for (const QString& name : line.parser.positionalArguments())
        names.append({name, 0});
    QStringList errors;
    QString fileName;
    if (line.isSet("from")) {
        QByteArray bytes;
        if (!readFile(line.value("from"), &bytes))
            return 1;
        fileName = QFileInfo(line.value("from")).fileName();
        names << readNameList(bytes, fileName, line.encoding, &errors);
    }
    if (!errors.isEmpty())
        return reportErrors(errors);
    if (names.isEmpty()) {
        printError(QCoreApplication::translate(
            "cli", "remove needs the names of spells, or --from FILE."));
        return 2;
    }
    Database database(commandDatabase(line.parser), TW_Library::kConnectText);
    const QStringList removed = removeSpells(database, names, fileName, &errors);
    if (!errors.isEmpty())
        return reportErrors(errors);
    //: %1 is a number of spells ("2 spells"), %2 their names.
    printError(QCoreApplication::translate("cli", "Removed %1: %2.")
                   .arg(spellCount(removed.size()), removed.join(QStringLiteral(", "))));
    return 0;
}

int runCheck(const QStringList& arguments) {
    CommandLine line(
        QCoreApplication::translate("cli", "Checks a spell database: every spell well formed, and "
                                           "enough spells for every class at every level."),
        {databaseOption()});
    if (!line.parse(QStringLiteral("check"), arguments, {}))
        return 2;
    Database database(commandDatabase(line.parser), TW_Library::kConnectText);
    const CatalogueReport report = checkCatalogue(database);
    StandardOutput::print(QStringLiteral("Spells: %1\nSpells without a description: %2\n\n")
                              .arg(report.spells)
                              .arg(report.withoutDescription));
    StandardOutput::print(QStringLiteral("Spells each class can draw per spell level at \"Very "
                                         "Rare\" (specialists: all / specialty):\n\n") +
                          coverageTable(report));
    for (const QString& problem : report.problems)
        printError(problem);
    for (const QString& failure : report.coverageFailures)
        printError(failure);
    if (!report.passed()) {
        printError(QCoreApplication::translate(
                       "cli", "Check failed: %1 problem(s), %2 coverage shortfall(s).")
                       .arg(report.problems.size())
                       .arg(report.coverageFailures.size()));
        return 1;
    }
    printError(QCoreApplication::translate("cli", "Check passed."));
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
        if (command == QLatin1String("remove"))
            return runRemove(rest);
        if (command == QLatin1String("check"))
            return runCheck(rest);
    } catch (const TwError& error) {
        printError(error.description());
        return 1;
    }
    const bool help = command == QLatin1String("--help") || command == QLatin1String("-h");
    if (help)
        StandardOutput::write(kUsage);
    else
        std::fputs(kUsage, stderr);
    return help ? 0 : 2;
}
