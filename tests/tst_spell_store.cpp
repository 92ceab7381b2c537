// Changing one spell at a time as the catalogue window does: what each change stores, where it
// records the spell came from, what it refuses (writing nothing), and undoing and redoing it.
#include "library/CatalogueUpgrade.h"
#include "library/TW_Library.h"
#include "library/catalogue/Catalogue.h"
#include "library/catalogue/CatalogueEdit.h"
#include "library/catalogue/SpellStore.h"
#include "tests/support/FixtureDatabase.h"
#include "ui/Database.h"
#include "ui/TwError.h"

#include <QtTest>

namespace {

const QString kKey = TW_Library::kConnectText;

QList<CatalogueSpell> shippedSpells() {
    using F = FixtureDatabase;
    return {F::spell("Stone Ward", 2, "Common", "Abjuration;Earth", "Greywater", "23"),
            F::spell("Ember Lattice", 1, "Uncommon", "Fire;Evocation", "Greywater", "10"),
            F::spell("Salt Circle", 1, "Very Rare", "Abjuration", "Vellum of Hours", "3"),
            F::spell("Iron Oath", 3, "Rare", "Enchantment", "Vellum of Hours", "33")};
}

// The catalogue as a user's copy holds it after some homebrew: a spell of the user's own, a
// shipped spell the user changed and one the user took out.
void makeHomebrew(Database& database) {
    QStringList errors;
    ImportOptions options;
    options.replace = true;
    importSpells(database,
                 "Name,Level,Frequency,Schools,Book,Page,Description\n"
                 "Moth Lantern,2,Common,Illusion,Homebrew,1,Moths gather.\n"
                 "Iron Oath,3,Common,Enchantment,Homebrew,2,Kept.\n",
                 "mine.csv", options, &errors);
    removeSpells(database, {{"Salt Circle", 0}}, QString(), &errors);
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
}

// Every spell, one line each, sorted: "name|level|frequency|schools|book|page|description".
QStringList spellLines(const Database& database) {
    QStringList lines;
    for (const CatalogueSpell& spell : readCatalogueDatabase(database).spells)
        lines << QStringList{spell.name, spell.level, spell.frequency,  spell.schools.join(';'),
                             spell.book, spell.page,  spell.description}
                     .join('|');
    lines.sort();
    return lines;
}

// Every recorded origin, "name=origin", sorted.
QStringList originLines(const Database& database) {
    QStringList lines;
    const QHash<QString, QString> origins = SpellOrigin::read(database);
    for (auto it = origins.cbegin(); it != origins.cend(); ++it)
        lines << it.key() + "=" + it.value();
    lines.sort();
    return lines;
}

QString problemLine(const SpellProblem& problem) {
    using F = SpellProblem::Field;
    using C = SpellProblem::Code;
    const QMap<F, QString> fields = {{F::Name, "Name"},
                                     {F::Level, "Level"},
                                     {F::Frequency, "Frequency"},
                                     {F::Schools, "Schools"},
                                     {F::Book, "Book"},
                                     {F::Page, "Page"},
                                     {F::Description, "Description"}};
    const QMap<C, QString> codes = {
        {C::SameName, "SameName"},   {C::NearName, "NearName"},
        {C::NotALevel, "NotALevel"}, {C::UnknownSchool, "UnknownSchool"},
        {C::NoSchool, "NoSchool"},   {C::UnknownFrequency, "UnknownFrequency"}};
    return fields.value(problem.field) + "/" + codes.value(problem.code, "Other");
}

} // namespace

class TestSpellStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void changes_data();
    void changes();
    void undoFindsTheSpellsChangedMeanwhile();
    void missingSpellIsAnError();
    void changesSurviveAnUpgrade();

private:
    std::unique_ptr<FixtureDatabase> m_fixture;
};

void TestSpellStore::init() {
    m_fixture = std::make_unique<FixtureDatabase>();
    m_fixture->build(shippedSpells());
    Database database(m_fixture->path(), kKey);
    makeHomebrew(database);
}

void TestSpellStore::changes_data() {
    // operation: add, replace (storedName), remove (storedName) or restore (storedName, to the
    // fixture's shipped version). spell: "name|level|frequency|schools[|book|page]" (book "B",
    // page "1" unless given).
    // changed: the spells that differ afterwards, "name|level" ("-name": gone); origins: every
    // origin afterwards. Empty problems and no changes: nothing to do.
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("spell");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QStringList>("changed");
    QTest::addColumn<QStringList>("origins");
    const QStringList base = {"Ember Lattice=shipped", "Iron Oath=user", "Moth Lantern=user",
                              "Salt Circle=removed", "Stone Ward=shipped"};
    const auto with = [&](const QStringList& removedLines, const QStringList& added) {
        QStringList lines = base;
        for (const QString& line : removedLines)
            lines.removeAll(line);
        lines << added;
        lines.sort();
        return lines;
    };

    QTest::newRow("add a spell of one's own")
        << "add"
        << ""
        << "Frost Needle|1|Common|Evocation" << QStringList() << QStringList{"Frost Needle|1"}
        << with({}, {"Frost Needle=user"});
    QTest::newRow("add under a shipped spell's name taken out before")
        << "add"
        << ""
        << "salt circle|1|Rare|Abjuration" << QStringList() << QStringList{"salt circle|1"}
        << with({"Salt Circle=removed"}, {"salt circle=user"});
    QTest::newRow("add refused: a taken name in other letter case")
        << "add"
        << ""
        << "stone ward|1|Common|Evocation" << QStringList{"Name/SameName"} << QStringList() << base;
    QTest::newRow("add refused: a name too like a taken one")
        << "add"
        << ""
        << "Ember-lattice|1|Common|Evocation" << QStringList{"Name/NearName"} << QStringList()
        << base;
    QTest::newRow("add refused: level, frequency and school the catalogue lacks")
        << "add"
        << ""
        << "Frost Needle|10|Often|Frost"
        << QStringList{"Level/NotALevel", "Frequency/UnknownFrequency", "Schools/UnknownSchool"}
        << QStringList() << base;
    QTest::newRow("change a shipped spell: it becomes the user's")
        << "replace"
        << "Stone Ward"
        << "Stone Ward|4|Common|Abjuration" << QStringList() << QStringList{"Stone Ward|4"}
        << with({"Stone Ward=shipped"}, {"Stone Ward=user"});
    QTest::newRow("rename a shipped spell: the old name stays out")
        << "replace"
        << "Stone Ward"
        << "Stone Aegis|2|Common|Abjuration" << QStringList()
        << QStringList{"-Stone Ward", "Stone Aegis|2"}
        << with({"Stone Ward=shipped"}, {"Stone Ward=removed", "Stone Aegis=user"});
    QTest::newRow("rename the user's spell: the old name is forgotten")
        << "replace"
        << "Moth Lantern"
        << "Moth Candle|2|Common|Illusion" << QStringList()
        << QStringList{"-Moth Lantern", "Moth Candle|2"}
        << with({"Moth Lantern=user"}, {"Moth Candle=user"});
    QTest::newRow("rename in letter case only")
        << "replace"
        << "Stone Ward"
        << "stone ward|2|Common|Abjuration;Earth" << QStringList()
        << QStringList{"-Stone Ward", "stone ward|2"}
        << with({"Stone Ward=shipped"}, {"stone ward=user"});
    QTest::newRow("keep one's own name, spelled as stored")
        << "replace"
        << "Moth Lantern"
        << "Moth Lantern|3|Rare|Illusion" << QStringList() << QStringList{"Moth Lantern|3"} << base;
    QTest::newRow("rename refused: another spell's name")
        << "replace"
        << "Moth Lantern"
        << "Ember Lattice|2|Common|Illusion" << QStringList{"Name/SameName"} << QStringList()
        << base;
    QTest::newRow("change refused: no school")
        << "replace"
        << "Stone Ward"
        << "Stone Ward|2|Common|" << QStringList{"Schools/NoSchool"} << QStringList() << base;
    QTest::newRow("a spell saved as it is writes nothing")
        << "replace"
        << "Ember Lattice"
        << "Ember Lattice|1|Uncommon|Fire;Evocation|Greywater|10" << QStringList() << QStringList()
        << base;
    QTest::newRow("remove a shipped spell: it stays out")
        << "remove"
        << "Stone Ward"
        << "" << QStringList() << QStringList{"-Stone Ward"}
        << with({"Stone Ward=shipped"}, {"Stone Ward=removed"});
    QTest::newRow("remove the user's spell: forgotten")
        << "remove"
        << "Moth Lantern"
        << "" << QStringList() << QStringList{"-Moth Lantern"} << with({"Moth Lantern=user"}, {});
    QTest::newRow("restore the shipped version")
        << "restore"
        << "Iron Oath"
        << "" << QStringList() << QStringList{"Iron Oath|3"}
        << with({"Iron Oath=user"}, {"Iron Oath=shipped"});
}

void TestSpellStore::changes() {
    QFETCH(QString, operation);
    QFETCH(QString, storedName);
    QFETCH(QString, spell);
    QFETCH(QStringList, problems);
    QFETCH(QStringList, changed);
    QFETCH(QStringList, origins);
    Database database(m_fixture->path(), kKey);
    const QStringList spellsBefore = spellLines(database);
    const QStringList originsBefore = originLines(database);

    const QStringList fields = spell.split('|');
    CatalogueSpell given;
    if (fields.size() >= 4) {
        given = FixtureDatabase::spell(fields[0], fields[1].toInt(), fields[2], fields[3],
                                       fields.value(4, "B"), fields.value(5, "1"));
        given.level = fields[1];
        given.schools = fields[3].isEmpty() ? QStringList() : fields[3].split(';');
    }
    QList<SpellProblem> found;
    SpellChange change;
    if (operation == "add")
        change = addSpell(database, given, &found);
    else if (operation == "replace")
        change = replaceSpell(database, storedName, given, &found);
    else if (operation == "remove")
        change = removeStoredSpells(database, {storedName});
    else
        change = restoreShippedSpell(database, storedName, shippedSpells()[3], &found);

    QStringList foundLines;
    for (const SpellProblem& problem : std::as_const(found))
        foundLines << problemLine(problem);
    QCOMPARE(foundLines, problems);
    QCOMPARE(change.done, !changed.isEmpty());
    QCOMPARE(originLines(database), origins);
    // The spells that differ now, as "name|level", and those gone.
    const QStringList spellsAfter = spellLines(database);
    QStringList differ;
    for (const QString& line : spellsAfter) {
        if (!spellsBefore.contains(line))
            differ << line.section('|', 0, 1);
    }
    for (const QString& line : spellsBefore) {
        const QString name = line.section('|', 0, 0);
        if (!spellsAfter.contains(line) &&
            std::none_of(spellsAfter.cbegin(), spellsAfter.cend(),
                         [&](const QString& l) { return l.section('|', 0, 0) == name; }))
            differ << "-" + name;
    }
    differ.sort();
    changed.sort();
    QCOMPARE(differ, changed);
    if (operation == "replace" && change.done)
        QVERIFY(spellsAfter.contains(QStringList{given.name, given.level, given.frequency,
                                                 given.schools.join(';'), "B", "1", ""}
                                         .join('|')));
    if (!change.done)
        return;

    // Undone, the catalogue and its origins are as they were; done again, as after the change.
    QVERIFY(switchSpells(database, change.after, change.before));
    QCOMPARE(spellLines(database), spellsBefore);
    QCOMPARE(originLines(database), originsBefore);
    QVERIFY(switchSpells(database, change.before, change.after));
    QCOMPARE(spellLines(database), spellsAfter);
    QCOMPARE(originLines(database), origins);
}

void TestSpellStore::undoFindsTheSpellsChangedMeanwhile() {
    Database database(m_fixture->path(), kKey);
    QList<SpellProblem> problems;
    const SpellChange change = addSpell(
        database, FixtureDatabase::spell("Frost Needle", 1, "Common", "Evocation"), &problems);
    QVERIFY(change.done);
    {
        // Another program changes the spell after it was added.
        Database other(m_fixture->path(), kKey);
        QList<SpellProblem> otherProblems;
        QVERIFY(replaceSpell(other, "Frost Needle",
                             FixtureDatabase::spell("Frost Needle", 2, "Common", "Evocation"),
                             &otherProblems)
                    .done);
    }
    const QStringList spells = spellLines(database);
    const QStringList origins = originLines(database);
    QVERIFY(!switchSpells(database, change.after, change.before));
    QCOMPARE(spellLines(database), spells);
    QCOMPARE(originLines(database), origins);
}

void TestSpellStore::missingSpellIsAnError() {
    Database database(m_fixture->path(), kKey);
    const QStringList spells = spellLines(database);
    QList<SpellProblem> problems;
    QVERIFY_THROWS_EXCEPTION(
        TwError, replaceSpell(database, "No Such Spell",
                              FixtureDatabase::spell("Other", 1, "Common", "Fire"), &problems));
    // All or nothing: one unknown name keeps the others.
    QVERIFY_THROWS_EXCEPTION(TwError,
                             removeStoredSpells(database, {"Stone Ward", "No Such Spell"}));
    QCOMPARE(spellLines(database), spells);
}

void TestSpellStore::changesSurviveAnUpgrade() {
    // The user's copy of release 1.0 with changes made by hand; release 1.1 changes every
    // shipped spell's page.
    QTemporaryDir dir;
    Catalogue catalogue;
    catalogue.frequencies = FixtureDatabase::standardFrequencies();
    catalogue.schools = FixtureDatabase::standardSchools();
    catalogue.spells = shippedSpells();
    const QString copyPath = dir.filePath("copy.mdb");
    buildCatalogueDatabase(catalogue, copyPath, kKey, "1.0.0");
    for (CatalogueSpell& spell : catalogue.spells)
        spell.page = "99";
    const QString installedPath = dir.filePath("installed.mdb");
    buildCatalogueDatabase(catalogue, installedPath, kKey, "1.1.0");
    {
        Database copy(copyPath, kKey);
        QList<SpellProblem> problems;
        QVERIFY(addSpell(copy, FixtureDatabase::spell("Frost Needle", 1, "Common", "Evocation"),
                         &problems)
                    .done);
        QVERIFY(replaceSpell(copy, "Stone Ward",
                             FixtureDatabase::spell("Stone Aegis", 2, "Common", "Abjuration"),
                             &problems)
                    .done);
        QVERIFY(replaceSpell(copy, "Iron Oath",
                             FixtureDatabase::spell("Iron Oath", 3, "Common", "Enchantment"),
                             &problems)
                    .done);
        QVERIFY(removeStoredSpells(copy, {"Salt Circle"}).done);
        const Database installed(installedPath, kKey);
        QVERIFY(CatalogueUpgrade::run(copy, installed).upgraded);
    }
    Database copy(copyPath, kKey);
    QCOMPARE(spellLines(copy), (QStringList{"Ember Lattice|1|Uncommon|Fire;Evocation|Greywater|99|",
                                            "Frost Needle|1|Common|Evocation|Test Book|1|",
                                            "Iron Oath|3|Common|Enchantment|Test Book|1|",
                                            "Stone Aegis|2|Common|Abjuration|Test Book|1|"}));
}

QTEST_GUILESS_MAIN(TestSpellStore)
#include "tst_spell_store.moc"
