// Older databases and upgrades: a database of the first table design works everywhere, and a
// user's copy takes in a newer installed catalogue while keeping the user's own spells.
#include "app/Constants.h"
#include "app/Frm_Main.h"
#include "library/CatalogueStamp.h"
#include "library/CatalogueUpgrade.h"
#include "library/TW_Library.h"
#include "library/catalogue/Catalogue.h"
#include "library/catalogue/CatalogueEdit.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/TestFiles.h"
#include "tests/support/Unprivileged.h"
#include "ui/Database.h"
#include "ui/MessageBox.h"
#include "ui/TwError.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QProcess>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QString kKey = TW_Library::kConnectText;
const QByteArray kHeader = "Name,Level,Frequency,Schools,Book,Page,Description\n";

// The tables as the program's first design had them: no descriptions, no record of origins.
const char* kFirstDesign =
    "CREATE TABLE Spells (Name TEXT, Lvl TEXT, Frequency TEXT, Book TEXT, Page TEXT);"
    "CREATE TABLE SpellandSphere (Name TEXT, Sphere TEXT);"
    "CREATE TABLE Frequency (Frequency TEXT, FrequencyID INTEGER);"
    "CREATE TABLE [Sphere Names] (Sphere_Name TEXT);"
    "CREATE VIEW AddSpheres AS SELECT Spells.Name, Spells.Lvl, Spells.Frequency, "
    "SpellandSphere.Sphere, Spells.Book, Spells.Page FROM Spells INNER JOIN SpellandSphere ON "
    "SpellandSphere.Name = Spells.Name;"
    "CREATE TABLE SpellbookFiltered (Caster TEXT, SpellName TEXT, SpellLevel TEXT);"
    "CREATE TABLE CasterHold (Caster TEXT, CasterFilter TEXT);"
    "CREATE TABLE SpellCasters (Spellbook TEXT, Lvl, Race, Class, First, Second, Third, Fourth, "
    "Fifth, Sixth, Seventh, Eighth, Ninth);"
    "INSERT INTO Frequency VALUES ('Common', 1), ('Rare', 3), ('Very Rare', 4);"
    "INSERT INTO [Sphere Names] VALUES ('Fire'), ('Evocation'), ('Air');";

void makeFirstDesign(const QString& path, const QList<CatalogueSpell>& spells) {
    Database database = Database::create(path, kKey);
    database.executeScript(kFirstDesign);
    for (const CatalogueSpell& spell : spells) {
        database.execute("INSERT INTO Spells VALUES (?, ?, ?, ?, ?)",
                         {spell.name, spell.level, spell.frequency, spell.book, spell.page});
        for (const QString& school : spell.schools)
            database.execute("INSERT INTO SpellandSphere VALUES (?, ?)", {spell.name, school});
    }
}

CatalogueSpell spell(const QString& name, int level, const QString& description = QString()) {
    CatalogueSpell s = FixtureDatabase::spell(name, level, "Common", "Fire;Evocation");
    s.description = description;
    return s;
}

QByteArray digest(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

// Name -> description of every spell, and name -> origin.
QMap<QString, QString> spellTexts(const QString& path) {
    QMap<QString, QString> texts;
    for (const CatalogueSpell& s : readCatalogueDatabase(Database(path, kKey)).spells)
        texts.insert(s.name, s.description);
    return texts;
}
QMap<QString, QString> origins(const QString& path) {
    const QHash<QString, QString> read = SpellOrigin::read(Database(path, kKey));
    QMap<QString, QString> sorted;
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        sorted.insert(it.key(), it.value());
    return sorted;
}

QString designOf(const QString& path) {
    QStringList parts;
    RecordSet rows =
        Database(path, kKey)
            .snapshot("SELECT sql FROM sqlite_master WHERE name IN ('AddSpheres', 'SpellOrigin', "
                      "'CatalogueInfo') ORDER BY name");
    for (; !rows.eof(); rows.moveNext())
        parts << rows.text("sql").simplified();
    return parts.join('\n');
}

int columnCount(const QString& path, const QString& column) {
    int count = 0;
    RecordSet columns = Database(path, kKey).snapshot("PRAGMA table_info(Spells)");
    for (; !columns.eof(); columns.moveNext())
        count += columns.text("name") == column ? 1 : 0;
    return count;
}

struct Run {
    int status = -1;
    QString out;
    QString errors;
};

Run runCli(const QStringList& arguments, const QString& program = TOMEWRIGHT_CLI,
           const QStringList& asUser = {}) {
    QProcess process;
    if (asUser.isEmpty())
        process.start(program, arguments);
    else
        process.start("setpriv", asUser + QStringList{program} + arguments);
    process.waitForFinished(60000);
    QString errors = QString::fromUtf8(process.readAllStandardError());
    errors.remove(QRegularExpression("QStandardPaths:[^\n]*\n"));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()), errors};
}
} // namespace

class TestCatalogueUpgrade : public QObject {
    Q_OBJECT

private slots:
    void firstDesignWorksEverywhere_data();
    void firstDesignWorksEverywhere();
    void designUpgradeIsAllOrNothing();
    void copyTakesInOnlyANewerCatalogue_data();
    void copyTakesInOnlyANewerCatalogue();
    void upgradeKeepsWhatTheUserMade();
    void failedUpgradeLeavesTheCopyAsItWas();
    void installedLayoutAcrossProcesses_data();
    void installedLayoutAcrossProcesses();
};

void TestCatalogueUpgrade::firstDesignWorksEverywhere_data() {
    QTest::addColumn<QStringList>("command"); // empty: the window
    QTest::addColumn<bool>("writes");
    QTest::addColumn<QString>("said");
    QTest::newRow("window") << QStringList() << true << QString();
    QTest::newRow("generate") << QStringList{"generate", "--name", "Ana",      "--level", "3",
                                             "--seed",   "1",      "--format", "csv"}
                              << true << QString(",Test Book,");
    QTest::newRow("import") << QStringList{"catalogue", "import", "--from", "FILE"} << true
                            << QString("Imported 1 spell.");
    QTest::newRow("remove") << QStringList{"catalogue", "remove", "Spell 3"} << true
                            << QString("Removed 1 spell: Spell 3.");
    QTest::newRow("dry run") << QStringList{"catalogue", "import", "--from", "FILE", "--dry-run"}
                             << false << QString("would add: Glow");
    QTest::newRow("export") << QStringList{"catalogue", "export", "--to", "OUT"} << false
                            << QString("Spell 1,2,Common,Fire;Evocation,Test Book,1,\n");
    QTest::newRow("check") << QStringList{"catalogue", "check"} << false
                           << QString("Spells without a description: 12");
}

void TestCatalogueUpgrade::firstDesignWorksEverywhere() {
    QFETCH(QStringList, command);
    QFETCH(bool, writes);
    QFETCH(QString, said);
    QTemporaryDir folder;
    const QString path = folder.filePath("Spells.mdb");
    QList<CatalogueSpell> spells;
    for (int i = 1; i <= 12; ++i)
        spells << spell(QString("Spell %1").arg(i), 1 + i % 2);
    makeFirstDesign(path, spells);
    const QByteArray before = digest(path);

    if (command.isEmpty()) {
        MessageBox::setHandler(
            [](const QString&, const QString& text) { QFAIL(qPrintable(text)); });
        {
            Frm_Main window(folder.path());
            QVERIFY(window.Form_Load());
            window.findChild<QLineEdit*>("txtName")->setText("Ana");
            window.findChild<QComboBox*>("cboLevel")->setCurrentText("3rd");
            window.Toolbar1_ButtonClick(Frm_Main::kGenerateKey, Frm_Main::kGenerateKey);
            QVERIFY(window.findChild<QTreeWidget*>("LV_Spells")->topLevelItemCount() > 0);
            QCOMPARE(Constants::MyLibrary->FetchSpellDetails("Spell 2").text("Description"),
                     QString());
        }
        Constants::MyLibrary.reset();
        MessageBox::setHandler(nullptr);
    } else {
        writeFile(folder.filePath("new.csv"), kHeader + "Glow,1,Common,Fire,Home,1,Warm.\n");
        command.replaceInStrings(QRegularExpression("^FILE$"), folder.filePath("new.csv"));
        command.replaceInStrings(QRegularExpression("^OUT$"), folder.filePath("out"));
        const Run run = runCli(command + QStringList{"--db", path});
        QVERIFY2(run.status == 0 || command.contains("check"), qPrintable(run.errors));
        QFile exported(folder.filePath("out/spells.csv"));
        const QString exportedText =
            exported.open(QIODevice::ReadOnly) ? QString::fromUtf8(exported.readAll()) : QString();
        QVERIFY2((run.out + run.errors + exportedText).contains(said),
                 qPrintable(run.out + run.errors));
    }
    if (writes) {
        // The column is added once, and the design is then the current one.
        QCOMPARE(columnCount(path, "Description"), 1);
        FixtureDatabase fresh;
        fresh.build({});
        QCOMPARE(designOf(path), designOf(fresh.path()));
    } else {
        QCOMPARE(digest(path), before);
    }
}

void TestCatalogueUpgrade::designUpgradeIsAllOrNothing() {
    QTemporaryDir folder;
    const QString path = folder.filePath("Spells.mdb");
    makeFirstDesign(path, {spell("Ember", 1)});
    // Something in the way of the last step: the upgrade fails after adding the column.
    Database(path, kKey).execute("CREATE VIEW CatalogueInfo AS SELECT 1 AS Item");
    const QByteArray before = digest(path);
    SharedSettings settings;
    try {
        TW_Library library(path, settings);
        QFAIL("the upgrade did not fail");
    } catch (const TwError& error) {
        QVERIFY2(error.description().startsWith(
                     QString("The spell database \"%1\" was made by an earlier Tomewright and "
                             "cannot be brought up to date, so it is left as it was: ")
                         .arg(path)),
                 qPrintable(error.description()));
    }
    QCOMPARE(digest(path), before);
    QCOMPARE(columnCount(path, "Description"), 0);

    // Once the obstacle is gone the upgrade is done, once: opening again changes nothing.
    Database(path, kKey).execute("DROP VIEW CatalogueInfo");
    { TW_Library library(path, settings); }
    const QByteArray upgraded = digest(path);
    { TW_Library library(path, settings); }
    QCOMPARE(digest(path), upgraded);
    QCOMPARE(columnCount(path, "Description"), 1);
}

void TestCatalogueUpgrade::copyTakesInOnlyANewerCatalogue_data() {
    QTest::addColumn<QString>("installedVersion");
    QTest::addColumn<QString>("copyVersion"); // empty: a copy of the first design
    QTest::addColumn<bool>("otherContents");
    QTest::addColumn<bool>("takenIn");
    QTest::newRow("newer program") << "1.1.0"
                                   << "1.0.0" << true << true;
    QTest::newRow("same program, other catalogue") << "1.0.0"
                                                   << "1.0.0" << true << true;
    QTest::newRow("same catalogue") << "1.0.0"
                                    << "1.0.0" << false << false;
    QTest::newRow("older program") << "1.0.9"
                                   << "1.0.10" << true << false;
    QTest::newRow("copy from before catalogues were stamped") << "1.0.0"
                                                              << "" << true << true;
}

void TestCatalogueUpgrade::copyTakesInOnlyANewerCatalogue() {
    QFETCH(QString, installedVersion);
    QFETCH(QString, copyVersion);
    QFETCH(bool, otherContents);
    QFETCH(bool, takenIn);
    QTemporaryDir folder;
    const QString installed = folder.filePath("installed.mdb");
    const QString copy = folder.filePath("copy.mdb");
    const QList<CatalogueSpell> old = {spell("Ember", 1, "Hot."), spell("Gust", 2, "Cold.")};
    Catalogue catalogue{FixtureDatabase::standardFrequencies(), FixtureDatabase::standardSchools(),
                        old};
    if (copyVersion.isEmpty()) {
        // An early copy: Ember as shipped then, Gust changed by its user, Hearth added by them.
        makeFirstDesign(copy, {spell("Ember", 1), spell("Gust", 3), spell("Hearth", 2)});
        catalogue.spells = {spell("Ember", 1), spell("Gust", 2)};
    } else {
        buildCatalogueDatabase(catalogue, copy, kKey, copyVersion);
    }
    if (otherContents)
        catalogue.spells << spell("Spark", 1, "New.");
    buildCatalogueDatabase(catalogue, installed, kKey, installedVersion);
    const QByteArray before = digest(copy);

    Database copyDatabase(copy, kKey);
    const CatalogueUpgradeResult result =
        CatalogueUpgrade::run(copyDatabase, Database(installed, kKey));
    QCOMPARE(result.upgraded, takenIn);
    QCOMPARE(spellTexts(copy).contains("Spark"), takenIn);
    if (!takenIn) {
        QCOMPARE(digest(copy), before);
        return;
    }
    QCOMPARE(CatalogueStamp::read(copyDatabase).version, installedVersion);
    if (copyVersion.isEmpty()) {
        // Only a spell exactly as shipped counts as shipped; the rest is the user's, kept.
        QCOMPARE(
            origins(copy),
            (QMap<QString, QString>{
                {"Ember", "shipped"}, {"Gust", "user"}, {"Hearth", "user"}, {"Spark", "shipped"}}));
        QCOMPARE(spellTexts(copy).keys(), (QStringList{"Ember", "Gust", "Hearth", "Spark"}));
        QCOMPARE(readCatalogueDatabase(copyDatabase).spells[1].level, QString("3"));
        QCOMPARE(CatalogueUpgrade::summary(result),
                 QString("Your spell catalogue has taken in this Tomewright's: 1 new spell, 0 "
                         "changed, 0 taken out. Your own 2 spells are kept as they were."));
    }
}

void TestCatalogueUpgrade::upgradeKeepsWhatTheUserMade() {
    QTemporaryDir folder;
    const QString installed = folder.filePath("installed.mdb");
    const QString copy = folder.filePath("copy.mdb");
    const Catalogue first{FixtureDatabase::standardFrequencies(),
                          FixtureDatabase::standardSchools(),
                          {spell("Ash", 1, "Old."), spell("Brand", 1, "Old."),
                           spell("Cinder", 1, "Old."), spell("Dusk", 1, "Old."),
                           spell("Ember", 1, "Old.")}};
    buildCatalogueDatabase(first, copy, kKey, "1.0.0");
    {
        // The user adds a spell, replaces a shipped one (in other letter case) and takes one out.
        Database database(copy, kKey);
        QStringList errors;
        ImportOptions replacing;
        replacing.replace = true;
        importSpells(database, kHeader + "Hearth,1,Common,Fire,Mine,1,Mine.\n", "h.csv", {},
                     &errors);
        importSpells(database, kHeader + "brand,2,Common,Fire,Mine,2,Mine.\n", "b.csv", replacing,
                     &errors);
        removeSpells(database, {{"cinder", 0}}, QString(), &errors);
        // Then a round trip through a spreadsheet: the whole catalogue exported and imported
        // back over itself. Rows nobody edited stay shipped.
        const QByteArray exported = spellsCsv(readCatalogueDatabase(database));
        const ImportResult roundTrip =
            importSpells(database, exported, "all.csv", replacing, &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QCOMPARE(roundTrip.replaced, QStringList());
        QCOMPARE(roundTrip.unchanged.size(), 5);
    }
    // The next version fixes Ash and Brand, keeps Cinder and Ember, drops Dusk, adds Flare.
    const Catalogue second{FixtureDatabase::standardFrequencies(),
                           FixtureDatabase::standardSchools() << "Lore",
                           {spell("Ash", 1, "Fixed."), spell("Brand", 1, "Fixed."),
                            spell("Cinder", 1, "Old."), spell("Ember", 1, "Old."),
                            spell("Flare", 2, "New.")}};
    buildCatalogueDatabase(second, installed, kKey, "1.1.0");
    CatalogueUpgradeResult result;
    {
        Database database(copy, kKey);
        result = CatalogueUpgrade::run(database, Database(installed, kKey));
    }
    QCOMPARE(result.added, QStringList{"Flare"});
    QCOMPARE(result.changed, QStringList{"Ash"});
    QCOMPARE(result.removed, QStringList{"Dusk"});
    QCOMPARE(result.ownKept, 2);
    QCOMPARE(spellTexts(copy), (QMap<QString, QString>{{"Ash", "Fixed."},
                                                       {"Ember", "Old."},
                                                       {"Flare", "New."},
                                                       {"Hearth", "Mine."},
                                                       {"brand", "Mine."}}));
    QCOMPARE(origins(copy), (QMap<QString, QString>{{"Ash", "shipped"},
                                                    {"Cinder", "removed"},
                                                    {"Ember", "shipped"},
                                                    {"Flare", "shipped"},
                                                    {"Hearth", "user"},
                                                    {"brand", "user"}}));
    QVERIFY(readCatalogueDatabase(Database(copy, kKey)).schools.contains("Lore"));
    // Taken in once: the same installed catalogue again changes nothing.
    const QByteArray after = digest(copy);
    Database database(copy, kKey);
    QVERIFY(!CatalogueUpgrade::run(database, Database(installed, kKey)).upgraded);
    QCOMPARE(digest(copy), after);
}

void TestCatalogueUpgrade::failedUpgradeLeavesTheCopyAsItWas() {
    QTemporaryDir folder;
    const QString installed = folder.filePath("installed.mdb");
    const QString copy = folder.filePath("copy.mdb");
    Catalogue catalogue{FixtureDatabase::standardFrequencies(),
                        FixtureDatabase::standardSchools(),
                        {spell("Ash", 1, "Old."), spell("Brand", 1, "Old.")}};
    buildCatalogueDatabase(catalogue, copy, kKey, "1.0.0");
    catalogue.spells = {spell("Ash", 1, "Fixed."), spell("Brand", 1, "Old."),
                        spell("Zephyr", 1, "New.")};
    buildCatalogueDatabase(catalogue, installed, kKey, "1.1.0");
    // The last spell brought in fails, after Ash has been changed.
    Database(copy, kKey)
        .execute("CREATE TRIGGER Refuse BEFORE INSERT ON Spells WHEN NEW.Name = 'Zephyr' "
                 "BEGIN SELECT RAISE(ABORT, 'planted failure'); END");
    const QByteArray before = digest(copy);
    try {
        CatalogueUpgrade::refreshUserCopy(copy, installed, kKey);
        QFAIL("the upgrade did not fail");
    } catch (const TwError& error) {
        QVERIFY2(CatalogueUpgrade::failureNote(error).startsWith(
                     "Your spell catalogue could not take in this Tomewright's spells and is "
                     "used as it was: A change failed: planted failure"),
                 qPrintable(CatalogueUpgrade::failureNote(error)));
    }
    QCOMPARE(digest(copy), before);
    QCOMPARE(spellTexts(copy)["Ash"], QString("Old."));
    // The next start tries again, and with the obstacle gone it goes through.
    Database(copy, kKey).execute("DROP TRIGGER Refuse");
    QCOMPARE(CatalogueUpgrade::refreshUserCopy(copy, installed, kKey).changed, QStringList{"Ash"});
    QVERIFY(!CatalogueUpgrade::refreshUserCopy(copy, installed, kKey).upgraded);
    // The note of what was taken in is the installed file's SHA-256, as every version wrote it:
    // a copy noted by an earlier one is not compared again.
    QFile installedFile(installed), note(copy + ".shipped");
    QVERIFY(installedFile.open(QIODevice::ReadOnly) && note.open(QIODevice::ReadOnly));
    QCOMPARE(note.readAll().trimmed(),
             QCryptographicHash::hash(installedFile.readAll(), QCryptographicHash::Sha256).toHex());
}

void TestCatalogueUpgrade::installedLayoutAcrossProcesses_data() {
    QTest::addColumn<bool>("build");
    // Two installs of the program, one after the other, as the user "nobody": the program
    // folders are read-only, the user's copy lives in their home.
    QTest::newRow("two read-only installs, as another user") << false;
    // A build is an install too: the next build remakes the database beside the program in
    // place (catalogue build --force), and the spells the user imported meanwhile survive it.
    QTest::newRow("a build, its database remade by the next build") << true;
}

void TestCatalogueUpgrade::installedLayoutAcrossProcesses() {
    QFETCH(bool, build);
    if (!build && geteuid() != 0)
        QSKIP("needs root to run the programs as another user");
    QTemporaryDir base;
    QVERIFY(QFile::setPermissions(base.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                   QFileDevice::ExeOther));
    const QDir dir(base.path());
    const auto folderOf = [&](const QString& version) {
        return dir.filePath(build ? QString("bin") : version);
    };
    // The program's folder of a version, with the database its catalogue files make.
    const auto install = [&](const QString& version) {
        const QString data = dir.filePath(version + "-data");
        QVERIFY(dir.mkpath(data) && dir.mkpath(folderOf(version)));
        writeFile(data + "/frequencies.csv", "Frequency,FrequencyID\nCommon,1\nVery Rare,4\n");
        writeFile(data + "/schools.csv", "Sphere_Name\nFire\nEvocation\n");
        writeFile(data + "/spells.csv",
                  kHeader + (version == "one" ? "Ash,2,Common,Fire,B,1,Old.\n"
                                              : "Ash,2,Common,Fire,B,1,Fixed.\n"
                                                "Zephyr,3,Common,Fire,B,2,New.\n"));
        const QString program = folderOf(version) + "/tomewright-cli";
        QVERIFY(QFile::exists(program) || QFile::copy(TOMEWRIGHT_CLI, program));
        const Run made = runCli({"catalogue", "build", "--from", data, "--out",
                                 folderOf(version) + "/Spells.mdb", "--force"});
        QVERIFY2(made.status == 0, qPrintable(made.errors));
        if (!build)
            QVERIFY(QProcess::execute("chmod", {"-R", "a+rX,a-w", folderOf(version)}) == 0);
    };
    install("one");
    if (!build)
        install("two");
    if (!build && !unprivilegedCanRun(dir.filePath("one/tomewright-cli")))
        QSKIP("the temporary folder cannot be reached by the user \"nobody\"");
    QVERIFY(dir.mkpath("home"));
    if (!build)
        QVERIFY(QProcess::execute("chown", {"nobody", dir.filePath("home")}) == 0);
    writeFile(dir.filePath("hearth.csv"), kHeader + "Hearth Glow,1,Common,Fire,Mine,1,Mine.\n");
    QVERIFY(QProcess::execute("chmod", {"a+r", dir.filePath("hearth.csv")}) == 0);
    const QStringList user =
        build ? QStringList{QString("--reuid=%1").arg(geteuid())}
              : QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"};
    const QStringList environment = {"env", "-u", "XDG_DATA_HOME", "HOME=" + dir.filePath("home")};
    const auto as = [&](const QString& version, const QStringList& arguments) {
        return runCli(arguments, folderOf(version) + "/tomewright-cli", user + environment);
    };

    Run run = as("one", {"catalogue", "import", "--from", dir.filePath("hearth.csv")});
    QVERIFY2(run.status == 0 && run.errors == "Imported 1 spell.\n", qPrintable(run.errors));
    // generate draws from the same copy: only the user's spell is of level 1.
    run =
        as("one", {"generate", "--name", "Ana", "--level", "1", "--seed", "3", "--format", "csv"});
    QVERIFY2(run.status == 0 && run.out.contains("Hearth Glow"), qPrintable(run.errors));

    if (build)
        install("two");
    const QString out = dir.filePath("home/out");
    run = as("two", {"catalogue", "export", "--to", out});
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    QVERIFY2(run.errors.startsWith("Your spell catalogue has taken in this Tomewright's: 1 new "
                                   "spell, 1 changed, 0 taken out. Your own spell is kept as it "
                                   "was.\n"),
             qPrintable(run.errors));
    QFile exported(out + "/spells.csv");
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), kHeader + "Hearth Glow,1,Common,Fire,Mine,1,Mine.\n"
                                           "Ash,2,Common,Fire,B,1,Fixed.\n"
                                           "Zephyr,3,Common,Fire,B,2,New.\n");
    run = as("two", {"catalogue", "check"});
    QVERIFY2(!run.errors.contains("taken in"), qPrintable(run.errors));
}

QTEST_MAIN(TestCatalogueUpgrade)
#include "tst_catalogue_upgrade.moc"
