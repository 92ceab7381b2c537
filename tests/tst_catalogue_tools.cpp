// The CSV catalogue: build and export, the catalogue commands as a user runs them (import,
// dry run, replace, remove, build over a file), check.
#include "library/CatalogueStamp.h"
#include "library/TW_Library.h"
#include "library/catalogue/Catalogue.h"
#include "library/catalogue/CatalogueCheck.h"
#include "library/catalogue/CatalogueEdit.h"
#include "library/catalogue/CsvFile.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/TestFiles.h"
#include "ui/Database.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {
const QByteArray kHeader = "Name,Level,Frequency,Schools,Book,Page,Description\n";

// A catalogue in which every class passes check at every level, except that at `level` the
// class whose specialty is `specialty` finds exactly `counted` spells of it (`schools`), the
// first `common` of them Common or Uncommon, beside spells it must not count: one "Unique" and
// one of the `decoy` schools, which the class cannot draw.
QList<CatalogueSpell> floorCatalogue(int level, const QStringList& specialty,
                                     const QString& schools, int counted, int common,
                                     const QString& decoy) {
    QStringList others = FixtureDatabase::standardSchools();
    for (const QString& school : specialty)
        others.removeAll(school);
    const QString everything = FixtureDatabase::standardSchools().join(';');
    QList<CatalogueSpell> spells;
    for (int l = 1; l <= 9; ++l) {
        for (int i = 0; i < 30; ++i)
            spells << FixtureDatabase::spell(QString("Filler %1-%2").arg(l).arg(i), l, "Common",
                                             l == level ? others.join(';') : everything);
    }
    for (int i = 0; i < counted; ++i) {
        const QString frequency = i == 0       ? "Common"
                                  : i < common ? "Uncommon"
                                  : i % 2 == 0 ? "Rare"
                                               : "Very Rare";
        spells << FixtureDatabase::spell(QString("Counted %1").arg(i), level, frequency, schools);
    }
    spells << FixtureDatabase::spell("Too Rare", level, "Unique", schools);
    spells << FixtureDatabase::spell("Not Drawn", level, "Common", decoy);
    return spells;
}

// An import's rows as "LINE|name|outcome|reason", the way a preview lists them.
QStringList rowTexts(const QList<ImportRow>& rows) {
    static const QStringList outcomes = {"add", "replace", "unchanged", "refused"};
    QStringList texts;
    for (const ImportRow& row : rows)
        texts << QString("%1|%2|%3|%4")
                     .arg(row.line)
                     .arg(row.name, outcomes[int(row.outcome)], row.reason);
    return texts;
}

// The two spells of the commands' database.
void buildTwoSpells(FixtureDatabase& fixture) {
    fixture.build({FixtureDatabase::spell("Old Ward", 1, "Common", "Abjuration"),
                   FixtureDatabase::spell("Other", 1, "Common", "Fire")});
}

QStringList spellNames(Database& database) {
    QStringList names;
    for (const CatalogueSpell& spell : readCatalogueDatabase(database).spells)
        names << spell.name;
    return names;
}
} // namespace

class TestCatalogueTools : public QObject {
    Q_OBJECT

private slots:
    void shippedSourcesRoundTrip();
    void exportSortsByLevelAndName();
    void commands_data();
    void commands();
    void importRowOutcomes_data();
    void importRowOutcomes();
    void importCancelledByProgress_data();
    void importCancelledByProgress();
    void checkPassesShippedCatalogue();
    void checkFailsEachRule_data();
    void checkFailsEachRule();
    void specialtyFloor_data();
    void specialtyFloor();
};

void TestCatalogueTools::shippedSourcesRoundTrip() {
    QStringList errors;
    const Catalogue catalogue = readCatalogueFolder(TOMEWRIGHT_DATA_DIR, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QVERIFY(catalogue.spells.size() >= 720);
    QTemporaryDir folder;
    const QString path = folder.filePath("Spells.mdb");
    buildCatalogueDatabase(catalogue, path, TW_Library::kConnectText);
    Database database(path, TW_Library::kConnectText);
    const Catalogue back = readCatalogueDatabase(database);
    const QDir data(TOMEWRIGHT_DATA_DIR);
    QCOMPARE(frequenciesCsv(back), fileBytes(data.filePath("frequencies.csv")));
    QCOMPARE(schoolsCsv(back), fileBytes(data.filePath("schools.csv")));
    QCOMPARE(spellsCsv(back), fileBytes(data.filePath("spells.csv")));
    // Every spell is recorded as shipped, and the file says which catalogue it holds.
    QCOMPARE(database.snapshot("SELECT count(*) AS n FROM SpellOrigin WHERE Origin = 'shipped'")
                 .value("n")
                 .toInt(),
             int(catalogue.spells.size()));
    const CatalogueStamp stamp = CatalogueStamp::read(database);
    QCOMPARE(stamp.version, QString(TOMEWRIGHT_VERSION));
    QCOMPARE(stamp.fingerprint, catalogueFingerprint(catalogue));
}

void TestCatalogueTools::exportSortsByLevelAndName() {
    QTemporaryDir folder;
    writeFile(folder.filePath("frequencies.csv"),
              "Frequency,FrequencyID\nCommon,1\nRare,3\nUnique,5\n");
    writeFile(folder.filePath("schools.csv"),
              "Sphere_Name\nFire\nEvocation\nAir\nIllusion\nPhantasm\n");
    writeFile(folder.filePath("spells.csv"),
              kHeader + "夜の鏡,3,Unique,Illusion;Phantasm,Vellum,9,\n"
                        "\"Comma, Spell\",2,Common,Fire;Evocation,\"Book, Two\",3,\"Says "
                        "\"\"hi\"\", twice\"\n"
                        "Zauberfaß,2,Rare,Air,Книга,7,\"Line one\nline two\"\n"
                        "Ägis,2,Rare,Air,B,1,\nashes,2,Rare,Air,B,1,\nBrand,2,Rare,Air,B,1,\n");
    QStringList errors;
    const Catalogue catalogue = readCatalogueFolder(folder.path(), &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    buildCatalogueDatabase(catalogue, folder.filePath("x.mdb"), TW_Library::kConnectText);
    Database database(folder.filePath("x.mdb"), TW_Library::kConnectText);
    // Level, then name by code point: capitals, small letters, then letters beyond ASCII.
    QCOMPARE(spellsCsv(readCatalogueDatabase(database)),
             kHeader + "Brand,2,Rare,Air,B,1,\n"
                       "\"Comma, Spell\",2,Common,Fire;Evocation,\"Book, Two\",3,\"Says "
                       "\"\"hi\"\", twice\"\n"
                       "Zauberfaß,2,Rare,Air,Книга,7,\"Line one\nline two\"\n"
                       "ashes,2,Rare,Air,B,1,\nÄgis,2,Rare,Air,B,1,\n"
                       "夜の鏡,3,Unique,Illusion;Phantasm,Vellum,9,\n");
}

void TestCatalogueTools::commands_data() {
    QTest::addColumn<QStringList>("arguments"); // DB: the database, FILE: the file below
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("messages"); // the error stream, line by line
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("spellsAfter"); // sorted; "N spells" for a count
    QTest::addColumn<bool>("unchanged");          // the database's bytes

    const QStringList import = {"catalogue", "import", "--db", "DB", "--from", "FILE"};
    const QStringList remove = {"catalogue", "remove", "--db", "DB"};
    const QStringList both = {"Old Ward", "Other"};
    const QString nothing = "Nothing was written: 1 problem.";
    QTest::newRow("import one") << import << kHeader + "New One,2,Rare,Fire,Home,12,Hot.\n"
                                << 0 << QStringList{"Imported 1 spell."} << QByteArray()
                                << QStringList{"New One", "Old Ward", "Other"} << false;
    QTest::newRow("import a spreadsheet's file")
        << import
        << QByteArray("\xEF\xBB\xBFName;Level;Frequency;Schools;Book;Page;Description\r\n"
                      "Ember;1;Common;\"Fire;Air\";Home, Vol. 2;3;\"Line one\r\nline two\"\r\n")
        << 0 << QStringList{"Imported 1 spell."} << QByteArray()
        << QStringList{"Ember", "Old Ward", "Other"} << false;
    QTest::newRow("import two") << import
                                << kHeader + "New One,2,Rare,Fire,H,1,\nNew Two,3,Common,Air,H,1,\n"
                                << 0 << QStringList{"Imported 2 spells."} << QByteArray()
                                << QStringList{"New One", "New Two", "Old Ward", "Other"} << false;
    QTest::newRow("replace counts, any letter case")
        << import + QStringList{"--replace"}
        << kHeader + "old ward,4,Rare,Air,New,40,Better.\nNew One,2,Rare,Fire,H,1,\n"
        << 0 << QStringList{"Imported 2 spells: 1 added, 1 replaced."} << QByteArray()
        << QStringList{"New One", "Other", "old ward"} << false;
    // A file exported, edited in a spreadsheet and imported back: the rows nobody edited are
    // not imported again (nor made the user's: the database's bytes stay as they were).
    QTest::newRow("replace: rows as stored are unchanged, nothing written")
        << import + QStringList{"--replace"}
        << kHeader + "Old Ward,1,Common,Abjuration,Test Book,1,\nOther,1,Common,Fire,Test Book,1,\n"
        << 0 << QStringList{"Imported 0 spells: 0 added, 0 replaced, 2 unchanged."} << QByteArray()
        << both << true;
    QTest::newRow("replace: one row edited, the other as stored")
        << import + QStringList{"--replace"}
        << kHeader + "Old Ward,1,Common,Abjuration,Test Book,1,\nOther,1,Common,Fire,Test Book,2,\n"
        << 0 << QStringList{"Imported 1 spell: 0 added, 1 replaced, 1 unchanged."} << QByteArray()
        << both << false;
    QTest::newRow("dry run: a row as stored is listed under neither")
        << import + QStringList{"--dry-run", "--replace"}
        << kHeader + "Old Ward,1,Common,Abjuration,Test Book,1,\nOTHER,1,Common,Fire,Test Book,1,\n"
        << 0
        << QStringList{"Dry run: 1 spell would be imported (0 added, 1 replaced, 1 unchanged); "
                       "nothing was written."}
        << QByteArray("would replace: OTHER\n") << both << true;
    QTest::newRow("already there in another letter case")
        << import << kHeader + "old ward,4,Rare,Air,New,40,\n"
        << 1
        << QStringList{"mine.csv:2: \"old ward\" is already in the catalogue as \"Old Ward\" "
                       "(names are compared without regard to letter case; use --replace to "
                       "overwrite it)",
                       nothing}
        << QByteArray() << both << true;
    QTest::newRow("too like a stored name, even with --replace")
        << import + QStringList{"--replace"} << kHeader + "Old-ward,4,Rare,Air,New,40,\n"
        << 1
        << QStringList{"mine.csv:2: \"Old-ward\" is too like \"Old Ward\", already in the "
                       "catalogue: names may not differ only in letter case, hyphens, blanks or "
                       "accents",
                       nothing}
        << QByteArray() << both << true;
    QTest::newRow("bad rows: every one, in line order, nothing written")
        << import
        << kHeader + "Fine,2,Rare,Fire,H,1,\nOld Ward,2,Rare,Fire,H,2,\nWrong,0,Rare,Fire,H,3,\n"
        << 1
        << QStringList{"mine.csv:3: \"Old Ward\" is already in the catalogue (use --replace to "
                       "overwrite it)",
                       "mine.csv:4: level \"0\" is not 1 to 9", "Nothing was written: 2 problems."}
        << QByteArray() << both << true;
    // "Refused" cannot be stored (see commands()): the rows before it do not stay either.
    QTest::newRow("a row that fails to store, after two that did")
        << import
        << kHeader +
               "New One,2,Rare,Fire,H,1,\nNew Two,3,Common,Air,H,1,\nRefused,3,Rare,Air,H,1,\n"
        << 1 << QStringList{"A change failed: database or disk is full."} << QByteArray() << both
        << true;
    QTest::newRow("dry run") << import + QStringList{"--dry-run", "--replace"}
                             << kHeader + "New One,2,Rare,Fire,H,1,\nOLD WARD,2,Rare,Fire,H,1,\n"
                             << 0
                             << QStringList{"Dry run: 2 spells would be imported (1 added, 1 "
                                            "replaced); nothing was written."}
                             << QByteArray("would add: New One\nwould replace: OLD WARD\n") << both
                             << true;
    QTest::newRow("empty file") << import << QByteArray() << 1
                                << QStringList{"mine.csv:1: the file is empty", nothing}
                                << QByteArray() << both << true;
    QTest::newRow("windows-1252 unasked")
        << import << kHeader + "Caf\xE9,1,Common,Fire,B,1,\n"
        << 1
        << QStringList{"mine.csv:2: the text is not UTF-8; save the file as UTF-8, or read a "
                       "file from Windows with --encoding windows-1252",
                       nothing}
        << QByteArray() << both << true;
    QTest::newRow("windows-1252 asked for") << import + QStringList{"--encoding", "windows-1252"}
                                            << kHeader + "Caf\xE9,1,Common,Fire,B,1,\n"
                                            << 0 << QStringList{"Imported 1 spell."} << QByteArray()
                                            << QStringList{"Café", "Old Ward", "Other"} << false;
    QTest::newRow("unknown encoding")
        << import + QStringList{"--encoding", "latin9"} << kHeader << 2
        << QStringList{"--encoding takes utf-8 or windows-1252, not \"latin9\"."} << QByteArray()
        << both << true;
    QTest::newRow("remove names") << remove + QStringList{"old ward", "Other"} << QByteArray() << 0
                                  << QStringList{"Removed 2 spells: Old Ward, Other."}
                                  << QByteArray() << QStringList() << false;
    QTest::newRow("remove: one unknown, none removed")
        << remove + QStringList{"Old Ward", "Nope"} << QByteArray() << 1
        << QStringList{"no spell \"Nope\" in the catalogue", nothing} << QByteArray() << both
        << true;
    QTest::newRow("remove a list of names")
        << remove + QStringList{"--from", "FILE"} << QByteArray("Other\n\nNope\n") << 1
        << QStringList{"mine.csv:3: no spell \"Nope\" in the catalogue", nothing} << QByteArray()
        << both << true;
    QTest::newRow("remove what an import file added")
        << remove + QStringList{"--from", "FILE"} << kHeader + "Other,1,Common,Fire,B,1,\n"
        << 0 << QStringList{"Removed 1 spell: Other."} << QByteArray() << QStringList{"Old Ward"}
        << false;
    // The shipped catalogue's spells: one a record of its source, below the header.
    const qsizetype shipped =
        parseCsv(fileBytes(TOMEWRIGHT_DATA_DIR "/spells.csv")).records.size() - 1;
    QTest::newRow("build over a database")
        << QStringList{"catalogue", "build", "--from", TOMEWRIGHT_DATA_DIR, "--out", "DB"}
        << QByteArray() << 1
        << QStringList{"\"DB\" already exists; nothing was written. Add --force to replace it, "
                       "spells added to it and all."}
        << QByteArray() << both << true;
    QTest::newRow("build over a database, forced")
        << QStringList{"catalogue", "build", "--from", TOMEWRIGHT_DATA_DIR,
                       "--out",     "DB",    "--force"}
        << QByteArray() << 0 << QStringList{QString("Built DB with %1 spells.").arg(shipped)}
        << QByteArray() << QStringList{QString("%1 spells").arg(shipped)} << false;
    QTest::newRow("a missing database")
        << QStringList{"catalogue", "check", "--db", "/nonexistent/Spells.mdb"} << QByteArray() << 1
        << QStringList{"The spell database \"/nonexistent/Spells.mdb\" is missing."} << QByteArray()
        << both << true;
}

void TestCatalogueTools::commands() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, output);
    QFETCH(QStringList, spellsAfter);
    QFETCH(bool, unchanged);
    FixtureDatabase fixture;
    buildTwoSpells(fixture);
    // A spell named "Refused" fails to store, as a full disk would fail a write halfway.
    Database(fixture.path(), TW_Library::kConnectText)
        .execute("CREATE TRIGGER DiskFull BEFORE INSERT ON Spells WHEN NEW.Name = 'Refused' "
                 "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
    const QString source = fixture.folder() + "/mine.csv";
    writeFile(source, file);
    arguments.replaceInStrings(QRegularExpression("^DB$"), fixture.path());
    arguments.replaceInStrings(QRegularExpression("^FILE$"), source);
    messages.replaceInStrings("\"DB\"", '"' + fixture.path() + '"');
    messages.replaceInStrings("Built DB", "Built " + fixture.path());
    const QByteArray before = fileBytes(fixture.path());

    QProcess process;
    process.start(TOMEWRIGHT_CLI, arguments);
    QVERIFY(process.waitForFinished(60000));
    QStringList lines = QString::fromUtf8(process.readAllStandardError()).split('\n');
    lines.removeIf(
        [](const QString& line) { return line.isEmpty() || line.startsWith("QStandardPaths:"); });
    QCOMPARE(lines, messages);
    QCOMPARE(process.readAllStandardOutput(), output);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(fileBytes(fixture.path()) == before, unchanged);
    Database database(fixture.path(), TW_Library::kConnectText);
    QStringList names = spellNames(database);
    names.sort();
    if (spellsAfter.size() == 1 && spellsAfter[0].endsWith(" spells"))
        QCOMPARE(QString("%1 spells").arg(names.size()), spellsAfter[0]);
    else
        QCOMPARE(names, spellsAfter);
}

void TestCatalogueTools::importRowOutcomes_data() {
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");       // LINE|name|outcome|reason
    QTest::addColumn<QStringList>("fileErrors"); // when the file as a whole is wrong

    const QByteArray oneOfEach = kHeader + "New One,2,Rare,Fire,H,1,\n"
                                           "old ward,4,Rare,Air,New,40,\n"
                                           "Other,1,Common,Fire,Test Book,1,\n"
                                           "Wrong,0,Rare,Fire,H,3,\n";
    QTest::newRow("one row of each outcome")
        << true << oneOfEach
        << QStringList{"2|New One|add|", "3|old ward|replace|", "4|Other|unchanged|",
                       "5|Wrong|refused|level \"0\" is not 1 to 9"}
        << QStringList();
    QTest::newRow("without replace, a stored name is refused")
        << false << oneOfEach
        << QStringList{"2|New One|add|",
                       "3|old ward|refused|\"old ward\" is already in the catalogue as \"Old "
                       "Ward\" (names are compared without regard to letter case; use --replace "
                       "to overwrite it)",
                       "4|Other|refused|\"Other\" is already in the catalogue (use --replace to "
                       "overwrite it)",
                       "5|Wrong|refused|level \"0\" is not 1 to 9"}
        << QStringList();
    QTest::newRow("every problem of a row, and rows the reader cannot split")
        << true
        << kHeader + "Old-ward,4,Rare,Air,New,40,\n"
                     "Twice,10,Mythic,Fire,H,1,\n"
                     "Short,1,Common\n"
                     "Bad \"quote,1,Common,Fire,H,1,\n"
                     "Fine,1,Common,Fire,H,1,\"two\nlines\"\n"
        << QStringList{"2|Old-ward|refused|\"Old-ward\" is too like \"Old Ward\", already in the "
                       "catalogue: names may not differ only in letter case, hyphens, blanks or "
                       "accents",
                       "3|Twice|refused|level \"10\" is not 1 to 9; unknown frequency \"Mythic\"",
                       "4|Short|refused|3 columns instead of 7",
                       "5||refused|a quote inside a field that does not begin with one; a field "
                       "that holds quotes must be quoted as a whole, with each quote inside it "
                       "doubled (\"say \"\"hi\"\"\")",
                       "6|Fine|add|"}
        << QStringList();
    QTest::newRow("a semicolon file from a spreadsheet, with a byte-order mark")
        << false
        << QByteArray("\xEF\xBB\xBFName;Level;Frequency;Schools;Book;Page\r\n"
                      "Ember;1;Common;\"Fire;Air\";Home;3\r\nCold;1;Common;Fire;Air;Home;3\r\n")
        << QStringList{"2|Ember|add|",
                       "3|Cold|refused|7 columns instead of 6 (in a file separated by semicolons, "
                       "a field that holds one, such as \"Fire;Evocation\", must be quoted)"}
        << QStringList();
    QTest::newRow("wrong header: the file, not a row")
        << false << QByteArray("Spell,Level\nNew One,2\n") << QStringList()
        << QStringList{"mine.csv:1: the header must be \"Name,Level,Frequency,Schools,Book,Page,"
                       "Description\" (Description may be left out), not \"Spell,Level\""};
    QTest::newRow("not UTF-8: the file, not a row")
        << false << kHeader + "Caf\xE9,1,Common,Fire,B,1,\n"
        << QStringList()
        << QStringList{"mine.csv:2: the text is not UTF-8; save the file as UTF-8, or read a "
                       "file from Windows with --encoding windows-1252"};
    QTest::newRow("only a header")
        << false << kHeader << QStringList()
        << QStringList{"mine.csv:1: the file has no spells, only a header"};
}

void TestCatalogueTools::importRowOutcomes() {
    QFETCH(bool, replace);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, fileErrors);
    FixtureDatabase fixture;
    buildTwoSpells(fixture);
    const QByteArray before = fileBytes(fixture.path());
    Database database(fixture.path(), TW_Library::kConnectText);
    ImportOptions options;
    options.replace = replace;
    options.dryRun = true;
    QStringList errors;
    const ImportResult result = importSpells(database, file, "mine.csv", options, &errors);
    QCOMPARE(rowTexts(result.rows), rows);
    QVERIFY(!result.cancelled);
    // A refused row's reason is what the command line prints for its line; nothing else is.
    QStringList refusals;
    for (const ImportRow& row : result.rows) {
        if (row.outcome == ImportRow::Outcome::Refused)
            refusals << QString("mine.csv:%1: %2").arg(row.line).arg(row.reason);
    }
    QCOMPARE(errors, fileErrors.isEmpty() ? refusals : fileErrors);
    // A preview writes nothing.
    QCOMPARE(fileBytes(fixture.path()), before);
}

void TestCatalogueTools::importCancelledByProgress_data() {
    QTest::addColumn<bool>("dryRun");
    QTest::addColumn<int>("cancelAt"); // the first report at or past this step says stop; -1 never
    const int rows = 600;
    QTest::newRow("at the first report") << false << 0;
    QTest::newRow("while reading") << false << 300;
    QTest::newRow("while checking") << false << rows + 300;
    QTest::newRow("while writing") << false << 2 * rows + 300;
    QTest::newRow("after the last row is written") << false << 3 * rows;
    QTest::newRow("never: everything imported") << false << -1;
    QTest::newRow("a dry run, at its last report") << true << 2 * rows;
    QTest::newRow("a dry run, never") << true << -1;
}

void TestCatalogueTools::importCancelledByProgress() {
    QFETCH(bool, dryRun);
    QFETCH(int, cancelAt);
    const int rows = 600;
    FixtureDatabase fixture;
    buildTwoSpells(fixture);
    QByteArray file = kHeader;
    for (int i = 0; i < rows; ++i)
        file += QString("Homebrew %1,%2,Common,Fire,H,%1,\n").arg(i).arg(i % 9 + 1).toUtf8();
    const QByteArray before = fileBytes(fixture.path());
    Database database(fixture.path(), TW_Library::kConnectText);
    ImportOptions options;
    options.dryRun = dryRun;
    QList<QPair<qsizetype, qsizetype>> reports;
    options.progress = [&](qsizetype done, qsizetype total) {
        reports.append({done, total});
        return cancelAt < 0 || done < cancelAt;
    };
    QStringList errors;
    const ImportResult result = importSpells(database, file, "mine.csv", options, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QCOMPARE(result.cancelled, cancelAt >= 0);
    // Reports move forward through every step and stop at the one that cancelled.
    const qsizetype total = (dryRun ? 2 : 3) * rows;
    QVERIFY(!reports.isEmpty());
    for (qsizetype i = 0; i < reports.size(); ++i) {
        QCOMPARE(reports[i].second, total);
        QVERIFY(i == 0 || reports[i].first > reports[i - 1].first);
    }
    if (cancelAt < 0) {
        QCOMPARE(reports.last().first, total);
    } else {
        QVERIFY(reports.last().first >= cancelAt);
        QVERIFY(reports.size() == 1 || reports[reports.size() - 2].first < cancelAt);
    }
    const bool written = !dryRun && cancelAt < 0;
    QCOMPARE(int(spellNames(database).size()), written ? rows + 2 : 2);
    if (!written)
        QCOMPARE(fileBytes(fixture.path()), before);
}

void TestCatalogueTools::checkPassesShippedCatalogue() {
    QStringList errors;
    const Catalogue catalogue = readCatalogueFolder(TOMEWRIGHT_DATA_DIR, &errors);
    QTemporaryDir folder;
    buildCatalogueDatabase(catalogue, folder.filePath("s.mdb"), TW_Library::kConnectText);
    Database database(folder.filePath("s.mdb"), TW_Library::kConnectText);
    const CatalogueReport report = checkCatalogue(database);
    QVERIFY2(report.passed(), qPrintable((report.problems + report.coverageFailures).join('\n')));
    QCOMPARE(report.withoutDescription, 0);
    QVERIFY2(report.spells >= 1300, qPrintable(QString::number(report.spells)));
    QCOMPARE(report.classes.size(), 21);
    for (const QString& className : report.classes) {
        for (const CoverageCell& cell : report.coverage[className]) {
            QVERIFY(cell.qualifying >= CoverageRule::kSpecialist);
            // A Full book's share of specialty spells, for every specialist at every level.
            if (className != "MAGE")
                QVERIFY2(cell.specialty >= 12 && cell.commonSpecialty >= 3, qPrintable(className));
        }
    }
}

void TestCatalogueTools::checkFailsEachRule_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("level") << "UPDATE Spells SET Lvl = '10' WHERE rowid = 1"
                           << "level \"10\" is not 1 to 9";
    QTest::newRow("frequency") << "UPDATE Spells SET Frequency = 'Mythic' WHERE rowid = 1"
                               << "unknown frequency \"Mythic\"";
    QTest::newRow("no school") << "DELETE FROM SpellandSphere WHERE Name = (SELECT Name FROM "
                                  "Spells WHERE rowid = 1)"
                               << "no school";
    QTest::newRow("unknown school") << "UPDATE SpellandSphere SET Sphere = 'Firee' WHERE rowid = 1"
                                    << "school \"Firee\" is not in the school list";
    QTest::newRow("duplicate after trimming")
        << "INSERT INTO Spells (Name, Lvl, Frequency) SELECT ' ' || Name || ' ', Lvl, Frequency "
           "FROM Spells WHERE rowid = 1"
        << "is listed 2 times";
    QTest::newRow("names differing only in letter case")
        << "INSERT INTO Spells (Name, Lvl, Frequency) SELECT upper(Name), Lvl, Frequency "
           "FROM Spells WHERE rowid = 1"
        << "differ only in letter case";
    QTest::newRow("names differing only in hyphens and blanks")
        << "INSERT INTO Spells (Name, Lvl, Frequency) SELECT replace(Name, ' ', '-'), Lvl, "
           "Frequency FROM Spells WHERE rowid = 1"
        << "differ only in letter case, hyphens, blanks or accents";
    QTest::newRow("coverage") << "DELETE FROM Spells WHERE Lvl = '5' AND rowid % 2 = 0"
                              << "MAGE, level 5:";
}

void TestCatalogueTools::checkFailsEachRule() {
    QFETCH(QString, damage);
    QFETCH(QString, expected);
    QStringList errors;
    const Catalogue catalogue = readCatalogueFolder(TOMEWRIGHT_DATA_DIR, &errors);
    QTemporaryDir folder;
    buildCatalogueDatabase(catalogue, folder.filePath("s.mdb"), TW_Library::kConnectText);
    Database database(folder.filePath("s.mdb"), TW_Library::kConnectText);
    if (damage.startsWith("DELETE FROM Spells WHERE Lvl = '5'")) {
        // Leave level 5 with fewer spells than a generalist needs.
        database.execute("DELETE FROM Spells WHERE Lvl = '5' AND rowid NOT IN (SELECT rowid FROM "
                         "Spells WHERE Lvl = '5' LIMIT 20)");
        database.execute("DELETE FROM SpellandSphere WHERE Name NOT IN (SELECT Name FROM Spells)");
    } else {
        database.execute(damage);
    }
    const CatalogueReport report = checkCatalogue(database);
    QVERIFY(!report.passed());
    const QString all = (report.problems + report.coverageFailures).join('\n');
    QVERIFY2(all.contains(expected), qPrintable(all));
}

void TestCatalogueTools::specialtyFloor_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("specialty");
    QTest::addColumn<QString>("schools");
    QTest::addColumn<int>("counted");
    QTest::addColumn<int>("common");
    QTest::addColumn<QString>("decoy");
    QTest::addColumn<QStringList>("failures");
    QTest::newRow("fire: twelve pass")
        << 4 << QStringList{"Fire"} << "Fire;Evocation" << 12 << 3 << "Fire;Water" << QStringList();
    QTest::newRow("fire: eleven fail")
        << 4 << QStringList{"Fire"} << "Fire;Evocation" << 11 << 3 << "Fire;Water"
        << QStringList{"Elementalist - Fire, level 4: 11 specialty spells, fewer than 12"};
    QTest::newRow("shadow: twelve pass, excluded school not counted")
        << 9 << QStringList{"Shadow"} << "Shadow;Illusion" << 12 << 3 << "Shadow;Evocation"
        << QStringList();
    QTest::newRow("shadow: eleven fail")
        << 9 << QStringList{"Shadow"} << "Shadow;Illusion" << 11 << 5 << "Shadow;Evocation"
        << QStringList{"Shadow Mage, level 9: 11 specialty spells, fewer than 12"};
    QTest::newRow("illusionist: three common pass")
        << 1 << QStringList{"Illusion", "Phantasm"} << "Phantasm" << 14 << 3 << "Evocation"
        << QStringList();
    QTest::newRow("illusionist: two common fail")
        << 1 << QStringList{"Illusion", "Phantasm"} << "Phantasm" << 14 << 2 << "Evocation"
        << QStringList{"ILLUSIONIST, level 1: 2 Common or Uncommon specialty spells, fewer than 3"};
    QTest::newRow("dimensionalist: both short")
        << 7 << QStringList{"Dimension"} << "Dimension;Conjuration" << 11 << 2 << "Dimension"
        << QStringList{
               "Dimensionalist, level 7: 11 specialty spells, fewer than 12",
               "Dimensionalist, level 7: 2 Common or Uncommon specialty spells, fewer than 3"};
}

void TestCatalogueTools::specialtyFloor() {
    QFETCH(int, level);
    QFETCH(QStringList, specialty);
    QFETCH(QString, schools);
    QFETCH(int, counted);
    QFETCH(int, common);
    QFETCH(QString, decoy);
    QFETCH(QStringList, failures);
    FixtureDatabase fixture;
    fixture.build(floorCatalogue(level, specialty, schools, counted, common, decoy));
    Database database(fixture.path(), TW_Library::kConnectText);
    const CatalogueReport report = checkCatalogue(database);
    QVERIFY2(report.problems.isEmpty(), qPrintable(report.problems.join('\n')));
    QCOMPARE(report.coverageFailures, failures);
    QCOMPARE(report.passed(), failures.isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalogueTools)
#include "tst_catalogue_tools.moc"
