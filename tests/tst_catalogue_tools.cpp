// The CSV catalogue: reading and its error reports, build and export, import, check.
#include "library/TW_Library.h"
#include "tests/support/FixtureDatabase.h"
#include "tools/catalogue/Catalogue.h"
#include "tools/catalogue/CatalogueCheck.h"
#include "tools/catalogue/CsvFile.h"
#include "ui/Database.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {
const QByteArray kHeader = "Name,Level,Frequency,Schools,Book,Page,Description\n";

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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
    void awkwardTextRoundTrips();
    void badRowsAreAllReported_data();
    void badRowsAreAllReported();
    void importAddsExactlyItsSpells();
    void importWithBadRowsChangesNothing();
    void importReplace();
    void importWithoutDescriptionColumn();
    void checkPassesShippedCatalogue();
    void checkFailsEachRule_data();
    void checkFailsEachRule();
    void specialtyFloor_data();
    void specialtyFloor();
    void commandLineExitStatus();
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
}

void TestCatalogueTools::awkwardTextRoundTrips() {
    const QByteArray spells = kHeader +
                              "\"Comma, Spell\",1,Common,Fire;Evocation,\"Book, Two\",3,\"Says "
                              "\"\"hi\"\", twice\"\n"
                              "Zauberfaß des Ünglücks,2,Rare,Air,Книга,7,\"Line one\nline two\"\n"
                              "夜の鏡,3,Unique,Illusion;Phantasm,Vellum,9,\n";
    QTemporaryDir folder;
    writeFile(folder.filePath("frequencies.csv"),
              "Frequency,FrequencyID\nCommon,1\nRare,3\nUnique,5\n");
    writeFile(folder.filePath("schools.csv"),
              "Sphere_Name\nFire\nEvocation\nAir\nIllusion\nPhantasm\n");
    writeFile(folder.filePath("spells.csv"), spells);
    QStringList errors;
    const Catalogue catalogue = readCatalogueFolder(folder.path(), &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QCOMPARE(catalogue.spells[1].description, QString("Line one\nline two"));
    buildCatalogueDatabase(catalogue, folder.filePath("x.mdb"), TW_Library::kConnectText);
    Database database(folder.filePath("x.mdb"), TW_Library::kConnectText);
    QCOMPARE(spellsCsv(readCatalogueDatabase(database)), spells);
}

void TestCatalogueTools::badRowsAreAllReported_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("several bad rows")
        << QByteArray("Good,1,Common,Fire,B,1,\n"
                      "Bad School,2,Common,Firee,B,2,\n"
                      "Bad Level,10,Common,Fire,B,3,\n"
                      ",3,Common,Fire,B,4,\n"
                      "Good,4,Common,Fire,B,5,\n"
                      "Short,4,Common\n"
                      "Odd,5,Legendary,Fire;;Air,B,6,\n")
        << QStringList{"spells.csv:3: unknown school \"Firee\"",
                       "spells.csv:4: level \"10\" is not 1 to 9",
                       "spells.csv:5: empty name",
                       "spells.csv:6: duplicate name \"Good\"",
                       "spells.csv:7: 3 columns instead of 7",
                       "spells.csv:8: unknown frequency \"Legendary\"; an empty school name"};
    QTest::newRow("unterminated quote")
        << QByteArray("Good,1,Common,Fire,B,1,\n\"Open,2,Common,Fire,B,2,\n")
        << QStringList{"spells.csv:3: unterminated quote"};
    QTest::newRow("no school") << QByteArray("Lonely,1,Common,,B,1,\n")
                               << QStringList{"spells.csv:2: no school"};
}

void TestCatalogueTools::badRowsAreAllReported() {
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);
    QStringList errors;
    parseSpells(kHeader + body, "spells.csv", {"Fire", "Air"}, {"Common"}, &errors);
    QCOMPARE(errors.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(errors[i].startsWith(expected[i]), qPrintable(errors[i]));
}

void TestCatalogueTools::importAddsExactlyItsSpells() {
    FixtureDatabase fixture;
    fixture.build({FixtureDatabase::spell("Old Ward", 1, "Common", "Abjuration")});
    Database database(fixture.path(), TW_Library::kConnectText);
    QStringList errors;
    const int added = importSpells(database,
                                   kHeader + "New One,2,Rare,Fire;Evocation,Homebrew,12,Hot.\n"
                                             "New Two,3,Common,Water,Homebrew,13,\n",
                                   "mine.csv", false, &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    QCOMPARE(added, 2);
    QCOMPARE(spellNames(database), (QStringList{"Old Ward", "New One", "New Two"}));
    const Catalogue catalogue = readCatalogueDatabase(database);
    QCOMPARE(catalogue.spells[1].schools, (QStringList{"Fire", "Evocation"}));
    QCOMPARE(catalogue.spells[1].description, QString("Hot."));
}

void TestCatalogueTools::importWithBadRowsChangesNothing() {
    FixtureDatabase fixture;
    fixture.build({FixtureDatabase::spell("Old Ward", 1, "Common", "Abjuration")});
    const QByteArray before = fileBytes(fixture.path());
    Database database(fixture.path(), TW_Library::kConnectText);
    QStringList errors;
    const int added =
        importSpells(database,
                     kHeader + "Fine,2,Rare,Fire,H,1,\nOld Ward,2,Rare,Fire,H,2,\n"
                               "Wrong,0,Rare,Fire,H,3,\nAlso Wrong,2,Rare,Nowhere,H,4,\n",
                     "mine.csv", false, &errors);
    QCOMPARE(added, 0);
    QCOMPARE(errors.size(), 3);
    QVERIFY(errors[0].startsWith("mine.csv:4: level \"0\""));
    QVERIFY(errors[1].startsWith("mine.csv:5: unknown school \"Nowhere\""));
    QVERIFY(errors[2].startsWith("mine.csv:3: \"Old Ward\" is already in the catalogue"));
    QCOMPARE(spellNames(database), QStringList{"Old Ward"});
    QCOMPARE(fileBytes(fixture.path()), before);
}

void TestCatalogueTools::importReplace() {
    FixtureDatabase fixture;
    fixture.build({FixtureDatabase::spell("Old Ward", 1, "Common", "Abjuration;Charm"),
                   FixtureDatabase::spell("Other", 1, "Common", "Fire")});
    Database database(fixture.path(), TW_Library::kConnectText);
    QStringList errors;
    QCOMPARE(importSpells(database, kHeader + "Old Ward,4,Rare,Divination,New Book,40,Better.\n",
                          "mine.csv", true, &errors),
             1);
    QVERIFY(errors.isEmpty());
    const Catalogue catalogue = readCatalogueDatabase(database);
    QCOMPARE(catalogue.spells.size(), 2);
    const CatalogueSpell& replaced = catalogue.spells.last();
    QCOMPARE(replaced.name, QString("Old Ward"));
    QCOMPARE(replaced.level, QString("4"));
    QCOMPARE(replaced.schools, QStringList{"Divination"});
}

void TestCatalogueTools::importWithoutDescriptionColumn() {
    FixtureDatabase fixture;
    fixture.build({});
    Database database(fixture.path(), TW_Library::kConnectText);
    QStringList errors;
    QCOMPARE(importSpells(database,
                          "Name,Level,Frequency,Schools,Book,Page\nPlain,1,Common,Fire,B,1\n",
                          "old.csv", false, &errors),
             1);
    QVERIFY(errors.isEmpty());
    QCOMPARE(checkCatalogue(database).withoutDescription, 1);
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

void TestCatalogueTools::commandLineExitStatus() {
    QTemporaryDir folder;
    const QString database = folder.filePath("Spells.mdb");
    auto run = [](const QStringList& arguments, QString* errors = nullptr) {
        QProcess process;
        process.start(TOMEWRIGHT_CLI, arguments);
        process.waitForFinished(60000);
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    };
    QCOMPARE(run({"catalogue", "build", "--from", TOMEWRIGHT_DATA_DIR, "--out", database}), 0);
    QCOMPARE(run({"catalogue", "check", "--db", database}), 0);
    writeFile(folder.filePath("bad.csv"), kHeader + "X,12,Common,Fire,B,1,\nY,1,Common,Q,B,1,\n");
    QString errors;
    QCOMPARE(run({"catalogue", "import", "--db", database, "--from", folder.filePath("bad.csv")},
                 &errors),
             1);
    QVERIFY2(errors.contains("bad.csv:2: level \"12\"") &&
                 errors.contains("bad.csv:3: unknown school \"Q\""),
             qPrintable(errors));
    QCOMPARE(run({"catalogue", "check", "--db", folder.filePath("missing.mdb")}, &errors), 1);
    QVERIFY(errors.contains("is missing"));
    QCOMPARE(run({"catalogue", "nonsense"}), 2);
}

QTEST_GUILESS_MAIN(TestCatalogueTools)
#include "tst_catalogue_tools.moc"
